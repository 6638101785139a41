// jet::FilesAsFound: a database file and the two files SQLite makes beside a
// file in write-ahead-log mode (its log "-wal" and the log's index "-shm"),
// as they were when noted, so that work given up takes away what it made:
//
//   const jet::FilesAsFound before(folder + "/Dorna.MDB");
//   try { ... } catch (...) { before.TakeAwayWhatWasMade(); throw; }
//
// A link is followed to the file it leads to, beside which SQLite keeps the
// other two. Only what no other program has open is taken away, seen through
// SQLite's own exclusive lock, and nothing that holds data: a log with pages
// in it stays, and a log found beside the file is not copied into it. The
// database file itself is taken away only when this program made it since
// (and said so with FileMade()) and none of its tables holds a row: it is
// removed, or, where a file of no bytes stood, emptied again. Call it with no
// connection of this program open on the file.
#pragma once

#include <QString>

namespace jet {

class FilesAsFound {
public:
    explicit FilesAsFound(const QString& path);

    void FileMade() { fileMade_ = true; }
    void TakeAwayWhatWasMade() const noexcept;

private:
    QString path_;
    bool file_;  // the database file was there
    bool emptyFile_;  // and held no bytes
    bool log_;
    bool index_;
    bool fileMade_ = false;
};

}  // namespace jet
