#include "jet/Examine.h"

#include "FileFaults.h"
#include "SqliteFile.h"
#include "jet/Error.h"
#include "jet/FilesAsFound.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jet {

namespace {

using detail::LockWaits;
using detail::SqliteFailure;
using detail::SqliteFile;

// What stands at a path that is no plain file, as said after "es".
QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("una carpeta");
    if (S_ISFIFO(mode))
        return QStringLiteral("una tubería con nombre (FIFO)");
    if (S_ISSOCK(mode))
        return QStringLiteral("un socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("un dispositivo");
    return QStringLiteral("un archivo especial");
}

Error Unreadable(const QString& path, const QString& cause)
{
    return Error(QStringLiteral("No se puede leer la base de datos «%1»: %2.").arg(path, cause));
}

// Nothing but a plain file is opened: a named pipe would block the start,
// and whatever stands at the name is never replaced.
void RequirePlainFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(name.constData(), &entry) != 0) {
        if (errno == ENOENT)
            throw Error(QStringLiteral("No se encuentra el archivo de base de datos «%1».").arg(path));
        throw Unreadable(path, detail::CauseOfSystemError(errno));
    }
    if (S_ISLNK(entry.st_mode)) {
        const QString target = QFileInfo(path).symLinkTarget();
        struct stat file {};
        if (::stat(name.constData(), &file) != 0) {
            if (errno == ELOOP)
                throw Error(QStringLiteral("«%1» es un enlace que no lleva a ningún archivo: forma un círculo con "
                                           "otros enlaces.")
                                .arg(path));
            throw Error(QStringLiteral("«%1» es un enlace a «%2», que no existe.").arg(path, target));
        }
        if (!S_ISREG(file.st_mode))
            throw Error(QStringLiteral("«%1» es un enlace a «%2», que es %3, no un archivo de base de datos.")
                            .arg(path, target, KindOf(file.st_mode)));
        return;
    }
    if (!S_ISREG(entry.st_mode))
        throw Error(QStringLiteral("«%1» es %2, no un archivo de base de datos.").arg(path, KindOf(entry.st_mode)));
}

bool Allowed(const QString& path, int mode)
{
    return ::access(QFile::encodeName(path).constData(), mode) == 0;
}

QString FolderOf(const QString& file)
{
    return QFileInfo(file).absolutePath();
}

// The program checks what it may do itself, before SQLite makes anything
// beside a file it then could not write.
void RequireAccess(const QString& path, const QString& file, Use use)
{
    if (!Allowed(file, R_OK))
        throw Error(QStringLiteral("No hay permiso para leer «%1».").arg(path));
    if (use == Use::Read)
        return;
    if (!Allowed(file, W_OK))
        throw Error(QStringLiteral("El archivo «%1» es de solo lectura.").arg(path));
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        const QString beside = file + QLatin1String(suffix);
        if (QFileInfo::exists(beside) && !Allowed(beside, W_OK))
            throw Error(QStringLiteral("El archivo «%1» es de solo lectura.").arg(beside));
    }
    if (!Allowed(FolderOf(file), W_OK | X_OK))
        throw Error(QStringLiteral("La carpeta «%1» es de solo lectura.").arg(FolderOf(file)));
}

struct Header {
    bool database = false;
    bool writeAheadLog = false;
};

// The first bytes of the file, read as they lie: the magic text of every
// SQLite file, and its journal mode, which no program changes while it
// works on the file.
Header HeaderOf(const QString& path, const QString& file)
{
    const int descriptor = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw Unreadable(path, detail::CauseOfSystemError(errno));
    char bytes[100] = {};
    const ssize_t got = ::read(descriptor, bytes, sizeof bytes);
    const int error = errno;
    ::close(descriptor);
    if (got < 0)
        throw Unreadable(path, detail::CauseOfSystemError(error));
    static const char magic[] = "SQLite format 3";  // with its closing zero byte
    Header header;
    header.database = got == sizeof bytes && std::equal(magic, magic + sizeof magic, bytes);
    header.writeAheadLog = header.database && bytes[18] == 2;
    return header;
}

// The tables with their columns, and the first row of each: what the forms
// need, in one read transaction.
FileContents ReadTables(SqliteFile& sqlite)
{
    sqlite.Execute(QStringLiteral("BEGIN"));
    FileContents contents;
    contents.state = FileState::Database;
    const QStringList tables = sqlite.Tables();
    for (const QString& table : tables) {
        const QString columns = QStringLiteral("SELECT name FROM pragma_table_info('%1')")
                                    .arg(QString(table).replace(QLatin1Char('\''), QLatin1String("''")));
        contents.tables.push_back({table, sqlite.Column(columns)});
        sqlite.HasRow(SqliteFile::FirstRowOf(table));
    }
    sqlite.Execute(QStringLiteral("COMMIT"));
    return contents;
}

// A file in write-ahead-log mode that no other program has open is read
// under the exclusive lock, which keeps the log's index in memory: no index
// is made beside it, a log made for the reading goes when it is closed, and
// one found there is left as it is, not copied into the file.
std::optional<FileContents> ReadAlone(const QString& file, bool logThere)
{
    SqliteFile sqlite = SqliteFile::Open(file, SQLITE_OPEN_READWRITE, LockWaits::No);
    if (logThere)
        sqlite3_db_config(sqlite.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite.Execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
    try {
        return ReadTables(sqlite);
    } catch (const SqliteFailure& failure) {
        if ((failure.code & 0xff) == SQLITE_BUSY)
            return std::nullopt;
        throw;
    }
}

// Beside other readers and writers, as each of them opens it, waiting as the
// engine does for a lock; what the log holds is left in it.
SqliteFile OpenShared(const QString& file, int flags)
{
    SqliteFile sqlite = SqliteFile::Open(file, flags, LockWaits::AsTheEngine);
    sqlite3_db_config(sqlite.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    return sqlite;
}

FileContents ReadShared(const QString& file, int flags)
{
    SqliteFile sqlite = OpenShared(file, flags);
    return ReadTables(sqlite);
}

FileContents Read(const QString& path, const QString& file, const Header& header)
{
    const bool logThere = QFileInfo::exists(file + QStringLiteral("-wal"));
    if (!header.writeAheadLog)
        return ReadShared(file, SQLITE_OPEN_READONLY);
    if (Allowed(file, W_OK) && Allowed(FolderOf(file), W_OK | X_OK)) {
        if (std::optional<FileContents> alone = ReadAlone(file, logThere))
            return *alone;
        return ReadShared(file, SQLITE_OPEN_READWRITE);
    }
    // Without its log and index beside it, a file in this mode is read only
    // by making them.
    if (!logThere || !QFileInfo::exists(file + QStringLiteral("-shm")))
        throw Unreadable(path,
                         QStringLiteral("es de solo lectura y está en modo WAL, que necesita escribir junto a ella"));
    return ReadShared(file, SQLITE_OPEN_READONLY);
}

}  // namespace

FileContents Examine(const QString& path, Use use)
{
    RequirePlainFile(path);
    const QString file = SqliteFile::FileBehind(path);
    RequireAccess(path, file, use);
    if (QFileInfo(file).size() == 0) {
        // Opening a file of no bytes, SQLite would delete the log beside it.
        const QFileInfo log(file + QStringLiteral("-wal"));
        return {log.size() > 0 ? FileState::OnlyInItsLog : FileState::Empty, {}};
    }
    const Header header = HeaderOf(path, file);
    if (!header.database)
        return {FileState::NotADatabase, {}};
    const FilesAsFound before(file);
    bool reading = true;
    try {
        FileContents contents = Read(path, file, header);
        // The engine opens a shared file beside other programs, with the
        // log's index in a file: where none is there yet, it must be made
        // (which a full disk refuses).
        reading = false;
        if (use == Use::ReadWrite && header.writeAheadLog && !QFileInfo::exists(file + QStringLiteral("-shm")))
            OpenShared(file, SQLITE_OPEN_READWRITE).Column(QStringLiteral("PRAGMA schema_version"));
        before.TakeAwayWhatWasMade();
        return contents;
    } catch (const SqliteFailure& failure) {
        before.TakeAwayWhatWasMade();
        if (!reading)
            throw Error(QStringLiteral("No se puede escribir en la base de datos «%1»: %2.").arg(path, failure.cause));
        if (failure.code == SQLITE_READONLY_ROLLBACK)
            return {FileState::Interrupted, {}};
        if ((failure.code & 0xff) == SQLITE_NOTADB)
            return {FileState::NotADatabase, {}};
        if ((failure.code & 0xff) == SQLITE_CORRUPT)
            return {FileState::Damaged, {}};
        throw Unreadable(path, failure.cause);
    }
}

void Recover(const QString& path)
{
    try {
        SqliteFile sqlite =
            SqliteFile::Open(SqliteFile::FileBehind(path), SQLITE_OPEN_READWRITE, LockWaits::AsTheEngine);
        sqlite.Column(QStringLiteral("PRAGMA schema_version"));
    } catch (const SqliteFailure& failure) {
        throw Unreadable(path, failure.cause);
    }
}

}  // namespace jet
