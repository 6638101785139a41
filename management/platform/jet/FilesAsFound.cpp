#include "jet/FilesAsFound.h"

#include "SqliteFile.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace jet {

namespace {

using detail::SqliteFile;

bool HoldsNoRow(SqliteFile& file)
{
    const QStringList tables = file.Tables();
    for (const QString& table : tables)
        if (file.HasRow(SqliteFile::FirstRowOf(table)))
            return false;
    return true;
}

}  // namespace

FilesAsFound::FilesAsFound(const QString& path) : path_(SqliteFile::FileBehind(path))
{
    const QFileInfo file(path_);
    file_ = file.exists();
    emptyFile_ = file_ && file.size() == 0;
    log_ = QFileInfo::exists(path_ + QStringLiteral("-wal"));
    index_ = QFileInfo::exists(path_ + QStringLiteral("-shm"));
}

void FilesAsFound::TakeAwayWhatWasMade() const noexcept
{
    const QString log = path_ + QStringLiteral("-wal");
    const QString index = path_ + QStringLiteral("-shm");
    try {
        const QFileInfo file(path_);
        const bool madeFile = fileMade_ && !file_ && file.exists();
        const bool filledFile = fileMade_ && emptyFile_ && file.size() > 0;
        const bool madeLog = !log_ && QFileInfo::exists(log);
        const bool madeIndex = !index_ && QFileInfo::exists(index);
        if (!madeFile && !filledFile && !madeLog && !madeIndex)
            return;
        if (!file.exists()) {
            // Nothing can read what lies beside a file that is not there.
            if (madeIndex)
                QFile::remove(index);
            if (madeLog && QFileInfo(log).size() == 0)
                QFile::remove(log);
            return;
        }
        SqliteFile sqlite = SqliteFile::Open(path_, SQLITE_OPEN_READWRITE, detail::LockWaits::No);
        if (log_)
            sqlite3_db_config(sqlite.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        // Taken before the file is first read, the exclusive lock keeps the
        // log's index in this program's memory, and it is held until the
        // file is closed: while it is, no other program has the file open or
        // can open it.
        sqlite.Execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        sqlite.Execute(QStringLiteral("BEGIN EXCLUSIVE"));
        if (madeIndex)
            QFile::remove(index);
        if ((madeFile || filledFile) && HoldsNoRow(sqlite)) {
            if (madeFile) {
                // Its log goes with it: SQLite leaves the log of a file gone.
                QFile::remove(path_);
                if (!log_)
                    QFile::remove(log);
            } else {
                QFile::resize(path_, 0);
            }
        }
        sqlite.Execute(QStringLiteral("ROLLBACK"));
        // Closing it takes away the log SQLite made, once no page is left in it.
    } catch (...) {
        // What another program holds, or what cannot be read, stays: none of
        // it keeps a later start from working.
    }
}

}  // namespace jet
