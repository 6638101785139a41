// jet::Examine(path): what an existing database file holds, found by reading
// it only, so that a file can be refused before anything is written to it.
//
//   const jet::FileContents contents = jet::Examine(folder + "/Dorna.MDB");
//   if (contents.state == jet::FileState::Damaged) ...
//
// A file that needs recovery after a crash (a hot journal) is recovered first,
// as opening it would. Throws jet::Error, naming the file, when it cannot be
// read at all (a missing file, no permission, a disk fault).
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace jet {

enum class FileState {
    Empty,          // no bytes and no log beside it: holds nothing
    Database,       // a whole database; tables lists what it holds
    NotADatabase,   // something else
    Damaged,        // a database whose pages do not hold together
};

struct TableColumns {
    QString table;
    QStringList columns;
};

struct FileContents {
    FileState state = FileState::Empty;
    std::vector<TableColumns> tables;
};

FileContents Examine(const QString& path);

} // namespace jet
