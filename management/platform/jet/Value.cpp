#include "jet/Value.h"

#include "DateText.h"
#include "jet/Error.h"

#include <cmath>
#include <limits>

namespace jet {

namespace {

constexpr double secondsPerDay = 86400.0;

// Text typed by users may use the comma of Spanish settings as decimal mark.
std::optional<double> NumberOfText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    bool ok = false;
    double number = trimmed.toDouble(&ok);
    if (!ok && trimmed.count(QLatin1Char(',')) == 1 && !trimmed.contains(QLatin1Char('.')))
        number = QString(trimmed).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

QString TwoDigits(int number)
{
    return QString::number(number).rightJustified(2, QLatin1Char('0'));
}

}  // namespace

Value::Value(const QDateTime& moment)
{
    if (moment.isValid()) {
        kind_ = Kind::DateTime;
        seconds_ = detail::SecondsOf(moment.date(), moment.time());
    }
}

Value::Value(const QDate& day)
{
    if (day.isValid()) {
        kind_ = Kind::DateTime;
        seconds_ = detail::SecondsOf(day, QTime(0, 0));
    }
}

Value::Value(const QTime& timeOfDay)
{
    if (timeOfDay.isValid()) {
        kind_ = Kind::DateTime;
        seconds_ = detail::SecondsOf(QDate(1899, 12, 30), timeOfDay);
    }
}

Value Value::FromSecondsSinceDayZero(long long seconds)
{
    Value value;
    value.kind_ = Kind::DateTime;
    value.seconds_ = seconds;
    return value;
}

Value Value::ParseDateTime(const QString& text)
{
    if (const auto seconds = detail::ParseDateTimeText(text, detail::DateOrder::DayFirst))
        return FromSecondsSinceDayZero(*seconds);
    return Value();
}

QString Value::toString() const
{
    switch (kind_) {
    case Kind::Null: return QString();
    case Kind::Integer: return QString::number(integer_);
    case Kind::Double:
        if (std::isfinite(double_) && double_ == std::trunc(double_) && std::fabs(double_) < 1e15)
            return QString::number(static_cast<long long>(double_));
        return QString::number(double_, 'g', 15);
    case Kind::Text: return text_;
    case Kind::DateTime: {
        const bool hasDay = detail::DayOf(seconds_) != 0;
        const bool hasTime = detail::SecondOfDay(seconds_) != 0;
        const QString day = detail::DateOf(seconds_).toString(QStringLiteral("dd/MM/yyyy"));
        if (hasDay && !hasTime)
            return day;
        if (!hasDay)
            return toTimeText();
        return day + QLatin1Char(' ') + toTimeText();
    }
    }
    return QString();
}

double Value::toDouble() const
{
    switch (kind_) {
    case Kind::Null: return 0.0;
    case Kind::Integer: return double(integer_);
    case Kind::Double: return double_;
    case Kind::DateTime: return double(seconds_) / secondsPerDay;
    case Kind::Text:
        if (const auto number = NumberOfText(text_))
            return *number;
        throw Error(QStringLiteral("No coinciden los tipos: «%1» no es un número.").arg(text_));
    }
    return 0.0;
}

long long Value::toLongLong() const
{
    if (kind_ == Kind::Integer)
        return integer_;
    const double rounded = std::nearbyint(toDouble());
    if (!(rounded >= double(std::numeric_limits<long long>::min())
          && rounded <= double(std::numeric_limits<long long>::max())))
        throw Error(QStringLiteral("Desbordamiento: %1 no cabe en un número entero.").arg(toString()));
    return static_cast<long long>(rounded);
}

int Value::toInt() const
{
    const long long number = toLongLong();
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        throw Error(QStringLiteral("Desbordamiento: %1 no cabe en un número entero.").arg(number));
    return int(number);
}

long long Value::SecondsSinceDayZero() const
{
    switch (kind_) {
    case Kind::DateTime: return seconds_;
    case Kind::Text:
        if (const auto seconds = detail::ParseDateTimeText(text_, detail::DateOrder::DayFirst))
            return *seconds;
        throw Error(QStringLiteral("No coinciden los tipos: «%1» no es una fecha ni una hora.").arg(text_));
    case Kind::Null: return 0;
    case Kind::Integer:
    case Kind::Double: return std::llround(toDouble() * secondsPerDay);
    }
    return 0;
}

QDateTime Value::toDateTime() const
{
    if (kind_ == Kind::Null)
        return QDateTime();
    const long long seconds = SecondsSinceDayZero();
    return QDateTime(detail::DateOf(seconds), detail::TimeOf(seconds));
}

QDate Value::toDate() const
{
    if (kind_ == Kind::Null)
        return QDate();
    return detail::DateOf(SecondsSinceDayZero());
}

QTime Value::toTime() const
{
    if (kind_ == Kind::Null)
        return QTime();
    return detail::TimeOf(SecondsSinceDayZero());
}

QString Value::toTimeText() const
{
    if (kind_ == Kind::Null)
        return QString();
    const int second = detail::SecondOfDay(SecondsSinceDayZero());
    return TwoDigits(second / 3600) + QLatin1Char(':') + TwoDigits(second / 60 % 60) + QLatin1Char(':')
           + TwoDigits(second % 60);
}

bool Value::operator==(const Value& other) const
{
    if (IsNumber() && other.IsNumber()) {
        if (kind_ == Kind::Integer && other.kind_ == Kind::Integer)
            return integer_ == other.integer_;
        return toDouble() == other.toDouble();
    }
    if (kind_ != other.kind_)
        return false;
    switch (kind_) {
    case Kind::Null: return true;
    case Kind::Text: return text_ == other.text_;
    case Kind::DateTime: return seconds_ == other.seconds_;
    default: return false;
    }
}

}  // namespace jet
