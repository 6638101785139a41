#include "Problems.h"

#include <QRegularExpression>
#include <sqlite3.h>
#include <utility>

namespace jet::detail {

namespace {

QString Seconds(std::chrono::milliseconds waited)
{
    const double seconds = double(waited.count()) / 1000;
    if (waited.count() % 1000 == 0 || seconds >= 10)
        return QString::number(qRound(seconds));
    return QString::number(seconds, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

// What the statement asked for that the file does not have, or bad SQL.
QString StatementProblem(const QString& message)
{
    static const std::pair<const char*, const char*> known[] = {
        {"^no such table: (.*)$", "No se encuentra la tabla «%1»."},
        {"^no such column: (.*)$", "No se encuentra el campo «%1»."},
        {"^UNIQUE constraint failed: (.*)$", "Valor duplicado en %1: ya existe un registro con esa clave."},
        {"^NOT NULL constraint failed: (.*)$", "El campo %1 no puede quedar vacío."},
        {"^(near .*: syntax error)$", "Error de sintaxis en la instrucción SQL (%1)."},
    };
    for (const auto& [pattern, text] : known) {
        const QRegularExpression expression(QString::fromUtf8(pattern));
        if (const auto match = expression.match(message); match.hasMatch())
            return QString::fromUtf8(text).arg(match.captured(1));
    }
    return message;
}

}  // namespace

QString SpanishProblem(int code, const QString& message, std::chrono::milliseconds waited)
{
    const QString detail = QStringLiteral(" (%1)").arg(message);
    switch (code & 0xff) {
    case SQLITE_FULL: return QStringLiteral("El disco está lleno: no se pudo escribir en la base de datos.") + detail;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        if (waited.count() > 0)
            return QStringLiteral("Otro programa tiene bloqueada la base de datos: se ha esperado %1 s "
                                  "sin que la libere.")
                       .arg(Seconds(waited))
                   + detail;
        return QStringLiteral("Otro programa tiene bloqueada la base de datos.") + detail;
    case SQLITE_READONLY:
        return QStringLiteral("La base de datos es de solo lectura: no se puede escribir en ella.") + detail;
    case SQLITE_CORRUPT: return QStringLiteral("La base de datos está dañada.") + detail;
    case SQLITE_NOTADB: return QStringLiteral("El archivo no es una base de datos.") + detail;
    case SQLITE_IOERR: return QStringLiteral("Error de lectura o escritura en el disco.") + detail;
    case SQLITE_CANTOPEN: return QStringLiteral("No se puede abrir el archivo de la base de datos.") + detail;
    case SQLITE_PERM:
    case SQLITE_AUTH: return QStringLiteral("No hay permiso para usar la base de datos.") + detail;
    case SQLITE_NOMEM: return QStringLiteral("No queda memoria para la base de datos.") + detail;
    default: return StatementProblem(message);
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
