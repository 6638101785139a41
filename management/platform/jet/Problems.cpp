#include "Problems.h"

#include "FileFaults.h"

#include <QRegularExpression>
#include <utility>

namespace jet::detail {

namespace {

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

QString SpanishProblem(sqlite3* handle, int code, const QString& message, std::chrono::milliseconds waited)
{
    if (IsStorageFault(code))
        return QStringLiteral("No se puede usar la base de datos: %1.").arg(CauseOfSqliteError(handle, code, waited));
    return StatementProblem(message);
}

}  // namespace jet::detail
