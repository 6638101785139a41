#include "ColumnValues.h"

#include "DateText.h"
#include "jet/Error.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <sqlite3.h>

namespace jet::detail {

namespace {

Error CannotHold(const Value& value, const QString& column, const char* what)
{
    return Error(QStringLiteral("No coinciden los tipos: «%1» no es %2 para el campo %3.")
                     .arg(value.toString(), QString::fromUtf8(what), column));
}

Value NumberFor(const Value& value, const QString& column)
{
    switch (value.kind()) {
    case Value::Kind::Null:
    case Value::Kind::Integer:
    case Value::Kind::Double: return value;
    case Value::Kind::DateTime: return value.toDouble();
    case Value::Kind::Text: break;
    }
    if (value.toString().trimmed().isEmpty())
        return Value();
    double number = 0;
    try {
        number = value.toDouble();
    } catch (const Error&) {
        throw CannotHold(value, column, "un número");
    }
    if (number == std::trunc(number) && std::fabs(number) < 9e15)
        return static_cast<long long>(number);
    return number;
}

// A whole number column holds what a Long holds; a fraction or a number
// beyond that is refused, not stored as a floating-point number.
Value WholeNumberFor(const Value& value, const QString& column)
{
    const Value number = NumberFor(value, column);
    if (number.kind() != Value::Kind::Double && number.kind() != Value::Kind::Integer)
        return number;
    const double asDouble = number.toDouble();
    if (number.kind() == Value::Kind::Double && asDouble != std::trunc(asDouble))
        throw CannotHold(value, column, "un número entero");
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (!(asDouble >= lowest && asDouble <= highest))
        throw Error(QStringLiteral("Desbordamiento: «%1» no cabe en el campo %2, que guarda números enteros "
                                   "de %3 a %4.")
                        .arg(value.toString(), column)
                        .arg(std::numeric_limits<std::int32_t>::min())
                        .arg(std::numeric_limits<std::int32_t>::max()));
    return static_cast<long long>(asDouble);
}

Value DateTimeFor(const Value& value, const QString& column)
{
    Value moment;
    switch (value.kind()) {
    case Value::Kind::Null: return value;
    case Value::Kind::DateTime: moment = value; break;
    case Value::Kind::Integer:
    case Value::Kind::Double: moment = Value::FromSecondsSinceDayZero(value.SecondsSinceDayZero()); break;
    case Value::Kind::Text:
        if (value.toString().trimmed().isEmpty())
            return Value();
        moment = Value::ParseDateTime(value.toString());
        if (moment.IsNull())
            throw CannotHold(value, column, "una fecha ni una hora");
        break;
    }
    if (!Storable(moment.SecondsSinceDayZero()))
        throw CannotHold(value, column, "una fecha entre los años 100 y 9999");
    return moment;
}

}  // namespace

QString TextPool::Text(const char* utf8, int length)
{
    constexpr int longestPooled = 48;
    constexpr int missesBeforeGivingUp = 2048;
    if (length > longestPooled || misses_ > missesBeforeGivingUp)
        return QString::fromUtf8(utf8, length);
    const QByteArray key = QByteArray::fromRawData(utf8, length);
    if (const auto found = texts_.constFind(key); found != texts_.constEnd())
        return found.value();
    ++misses_;
    const QString text = QString::fromUtf8(utf8, length);
    texts_.insert(QByteArray(utf8, length), text);
    return text;
}

Value ReadColumn(sqlite3_stmt* statement, int index, ColumnKind kind, TextPool* pool)
{
    switch (sqlite3_column_type(statement, index)) {
    case SQLITE_NULL: return Value();
    case SQLITE_INTEGER:
        if (kind == ColumnKind::DateTime)
            return Value::FromSecondsSinceDayZero(sqlite3_column_int64(statement, index) * 86400);
        return static_cast<long long>(sqlite3_column_int64(statement, index));
    case SQLITE_FLOAT:
        if (kind == ColumnKind::DateTime)
            return Value::FromSecondsSinceDayZero(std::llround(sqlite3_column_double(statement, index) * 86400));
        return sqlite3_column_double(statement, index);
    default: break;
    }
    const auto text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    const int length = sqlite3_column_bytes(statement, index);
    if (kind == ColumnKind::DateTime || kind == ColumnKind::Any) {
        if (const auto seconds = ParseStoredText(text, length))
            return Value::FromSecondsSinceDayZero(*seconds);
    }
    const QString content = pool ? pool->Text(text, length) : QString::fromUtf8(text, length);
    if (kind == ColumnKind::DateTime) {
        if (const auto seconds = ParseDateTimeText(content, DateOrder::DayFirst))
            return Value::FromSecondsSinceDayZero(*seconds);
    }
    return content;
}

Value ConvertForColumn(const Value& value, ColumnKind kind, const QString& column)
{
    switch (kind) {
    case ColumnKind::Integer: return WholeNumberFor(value, column);
    case ColumnKind::Real: return NumberFor(value, column);
    case ColumnKind::DateTime: return DateTimeFor(value, column);
    case ColumnKind::Text:
        if (value.IsNull() || value.kind() == Value::Kind::Text)
            return value;
        return value.toString();
    case ColumnKind::Any: break;
    }
    return value;
}

void BindValue(sqlite3_stmt* statement, int parameter, const Value& value)
{
    switch (value.kind()) {
    case Value::Kind::Null: sqlite3_bind_null(statement, parameter); return;
    case Value::Kind::Integer: sqlite3_bind_int64(statement, parameter, value.toLongLong()); return;
    case Value::Kind::Double: sqlite3_bind_double(statement, parameter, value.toDouble()); return;
    case Value::Kind::DateTime: {
        char text[storedTextLength + 1];
        WriteStoredText(value.SecondsSinceDayZero(), text);
        sqlite3_bind_text(statement, parameter, text, storedTextLength, SQLITE_TRANSIENT);
        return;
    }
    case Value::Kind::Text: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(statement, parameter, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        return;
    }
    }
}

}  // namespace jet::detail
