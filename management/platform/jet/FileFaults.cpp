#include "FileFaults.h"

#include <cerrno>
#include <sqlite3.h>

namespace jet::detail {

namespace {

// "10", "0,3": whole seconds, or tenths under ten seconds.
QString Seconds(std::chrono::milliseconds waited)
{
    const double seconds = double(waited.count()) / 1000;
    if (waited.count() % 1000 == 0 || seconds >= 10)
        return QString::number(qRound(seconds));
    return QString::number(seconds, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace

QString CauseOfSystemError(int error)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("el disco está lleno");
    case EDQUOT: return QStringLiteral("se ha llenado la cuota de disco del usuario");
    case EROFS: return QStringLiteral("el disco es de solo lectura");
    case EACCES:
    case EPERM: return QStringLiteral("no hay permiso para hacerlo");
    case ENOENT: return QStringLiteral("no existe");
    case ENOTDIR: return QStringLiteral("una parte del camino no es una carpeta");
    case EISDIR: return QStringLiteral("es una carpeta");
    case EIO: return QStringLiteral("error de lectura o escritura en el disco");
    case ENOMEM: return QStringLiteral("no queda memoria");
    default: return QStringLiteral("error %1 del sistema").arg(error);
    }
}

QString CauseOfSqliteError(sqlite3* handle, int code, std::chrono::milliseconds waited)
{
    // For faults of the disk SQLite keeps what the system said.
    const int system = handle ? sqlite3_system_errno(handle) : 0;
    switch (code & 0xff) {
    case SQLITE_FULL: return CauseOfSystemError(ENOSPC);
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        if (system != 0)
            return CauseOfSystemError(system);
        return (code & 0xff) == SQLITE_IOERR ? CauseOfSystemError(EIO) : QStringLiteral("no se puede abrir");
    case SQLITE_READONLY:
        if (code == SQLITE_READONLY_ROLLBACK)
            return QStringLiteral("quedó a medio modificar y, al ser de solo lectura, no se puede reparar");
        return QStringLiteral("el archivo es de solo lectura");
    case SQLITE_PERM:
    case SQLITE_AUTH: return CauseOfSystemError(EACCES);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        if (waited.count() == 0)
            return QStringLiteral("otro programa la tiene bloqueada");
        return QStringLiteral("otro programa la tiene bloqueada y no la ha liberado en %1 segundos")
            .arg(Seconds(waited));
    case SQLITE_NOMEM: return CauseOfSystemError(ENOMEM);
    case SQLITE_CORRUPT: return QStringLiteral("está dañada");
    case SQLITE_NOTADB: return QStringLiteral("no es una base de datos");
    default:
        // Nothing the user can mend: SQLite's own words for whoever looks into it.
        return QStringLiteral("error %1 de SQLite (%2)")
            .arg(code)
            .arg(QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(code)));
    }
}

bool IsStorageFault(int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_READONLY:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_NOMEM:
    case SQLITE_PROTOCOL: return true;
    default: return false;
    }
}

}  // namespace jet::detail
