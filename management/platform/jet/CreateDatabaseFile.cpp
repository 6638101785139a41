#include "jet/CreateDatabaseFile.h"

#include "FileFaults.h"
#include "SqliteFile.h"
#include "jet/Error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace jet {

namespace {

using detail::SqliteFailure;
using detail::SqliteFile;

const char* const besideSuffixes[] = {"-wal", "-shm", "-journal"};

void RemoveWithWhatIsBeside(const QString& path)
{
    QFile::remove(path);
    for (const char* suffix : besideSuffixes)
        QFile::remove(path + QLatin1String(suffix));
}

void Build(const QString& building, const FileDesign& design)
{
    SqliteFile sqlite = SqliteFile::Open(building, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, detail::LockWaits::No);
    // Before anything is written: the size is fixed by the first page.
    sqlite.Execute(QStringLiteral("PRAGMA page_size=%1").arg(design.pageSize));
    if (design.writeAheadLog)
        sqlite.Execute(QStringLiteral("PRAGMA journal_mode=WAL"));
    sqlite.Execute(QStringLiteral("BEGIN"));
    for (const QString& statement : design.statements)
        sqlite.Execute(statement);
    sqlite.Execute(QStringLiteral("COMMIT"));
}

// Puts the built file at target unless something is there by then; errno
// is left as the system set it.
bool PlaceWhereNothingIs(const QString& building, const QString& target)
{
    const QByteArray from = QFile::encodeName(building);
    const QByteArray to = QFile::encodeName(target);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot rename without replacing: a second name,
    // which is refused just as well where a file is.
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

}  // namespace

bool CreateDatabaseFile(const QString& path, const FileDesign& design)
{
    const QString target = SqliteFile::FileBehind(path);
    const QString folder = QFileInfo(target).absolutePath();
    const auto refusal = [&path](const QString& cause) {
        return Error(QStringLiteral("No se puede crear la base de datos «%1»: %2.").arg(path, cause));
    };
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS)
            throw refusal(QStringLiteral("la carpeta «%1» es de solo lectura").arg(folder));
        throw refusal(QStringLiteral("la carpeta «%1»: %2").arg(folder, detail::CauseOfSystemError(error)));
    }
    const QFileInfo standing(target);
    if (standing.exists() && standing.size() > 0)
        return false;
    if (QFileInfo(target + QStringLiteral("-wal")).size() > 0
        || QFileInfo(target + QStringLiteral("-journal")).size() > 0)
        throw refusal(QStringLiteral("el registro que hay junto a ella guarda datos"));

    // Each program builds under its own name: two starting at once do not mix.
    const QString building = QStringLiteral("%1/.%2.%3.nuevo")
                                 .arg(folder, QFileInfo(target).fileName())
                                 .arg(QCoreApplication::applicationPid());
    RemoveWithWhatIsBeside(building);
    try {
        Build(building, design);
    } catch (const SqliteFailure& failure) {
        RemoveWithWhatIsBeside(building);
        throw refusal(failure.cause);
    }

    if (!standing.exists()) {
        if (PlaceWhereNothingIs(building, target))
            return true;
        const int error = errno;
        RemoveWithWhatIsBeside(building);
        if (error == EEXIST)  // another program made it meanwhile
            return false;
        throw refusal(detail::CauseOfSystemError(error));
    }
    // A file of no bytes holds nothing to lose; what SQLite left beside it is
    // as empty. It is replaced in one step, so that it is never missing.
    if (QFileInfo(target).size() > 0) {  // another program filled it meanwhile
        RemoveWithWhatIsBeside(building);
        return false;
    }
    for (const char* suffix : besideSuffixes)
        QFile::remove(target + QLatin1String(suffix));
    if (std::rename(QFile::encodeName(building).constData(), QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        RemoveWithWhatIsBeside(building);
        throw refusal(detail::CauseOfSystemError(error));
    }
    return true;
}

}  // namespace jet
