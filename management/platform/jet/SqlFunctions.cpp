#include "SqlFunctions.h"

#include "DateText.h"
#include "SpanishCollation.h"
#include "SpanishText.h"

#include <QDate>
#include <QString>
#include <cmath>
#include <sqlite3.h>
#include <utility>

namespace jet::detail {

namespace {

QString TextOf(sqlite3_value* value)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(value)), sqlite3_value_bytes(value));
}

// A date/time argument: stored text, other date text, or a number of days.
std::optional<long long> SecondsOf(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: return std::llround(sqlite3_value_double(value) * 86400.0);
    case SQLITE_NULL: return std::nullopt;
    default: {
        const auto text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        const int length = sqlite3_value_bytes(value);
        if (const auto stored = ParseStoredText(text, length))
            return stored;
        if (const auto clock = ParseClockText(text, length))
            return clock;
        return ParseDateTimeText(QString::fromUtf8(text, length), DateOrder::DayFirst);
    }
    }
}

// X LIKE P calls like(P, X).
void Like(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    sqlite3_result_int(context, JetLike(TextOf(arguments[0]), TextOf(arguments[1])) ? 1 : 0);
}

// Seconds in one unit of a DateAdd interval, 0 for an unknown one; read
// without a QString, as an UPDATE calls DateAdd once per row.
long long SecondsPerUnit(const char* interval)
{
    static const std::pair<const char*, long long> units[] = {{"s", 1}, {"n", 60}, {"h", 3600}, {"d", 86400}};
    for (const auto& [name, seconds] : units)
        if (interval && sqlite3_stricmp(interval, name) == 0)
            return seconds;
    return 0;
}

void DateAdd(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[1]) == SQLITE_NULL || sqlite3_value_type(arguments[2]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    const long long unit = SecondsPerUnit(reinterpret_cast<const char*>(sqlite3_value_text(arguments[0])));
    if (unit == 0)
        return sqlite3_result_error(context, "DateAdd: intervalo no válido (s, n, h o d)", -1);
    const auto start = SecondsOf(arguments[2]);
    if (!start) {
        const QByteArray message = "DateAdd: fecha no válida «" + TextOf(arguments[2]).toUtf8() + "»";
        return sqlite3_result_error(context, message.constData(), int(message.size()));
    }
    const double number = sqlite3_value_double(arguments[1]);
    const long long amount = std::fabs(number) < 1e12 ? std::llround(number) : 0;
    if (std::fabs(number) >= 1e12 || !Storable(*start + amount * unit))
        return sqlite3_result_error(context, "DateAdd: la fecha queda fuera de los años 100 a 9999", -1);
    char stored[storedTextLength + 1];
    WriteStoredText(*start + amount * unit, stored);
    sqlite3_result_text(context, stored, storedTextLength, SQLITE_TRANSIENT);
}

// Format codes: h/hh hours, n/nn or m/mm after an hour minutes, s/ss seconds,
// d/dd day, m/mm month elsewhere, yy/yyyy year; anything else is copied.
QString FormatSeconds(long long seconds, const QString& format)
{
    const QDate day = DateOf(seconds);
    const int second = SecondOfDay(seconds);
    const QString lower = format.toLower();
    QString result;
    bool afterHour = false;
    qsizetype i = 0;
    while (i < lower.size()) {
        const QChar c = lower[i];
        qsizetype run = 1;
        while (i + run < lower.size() && lower[i + run] == c)
            ++run;
        auto number = [&](int value) {
            return run >= 2 ? QString::number(value).rightJustified(2, QLatin1Char('0')) : QString::number(value);
        };
        const bool hour = c == QLatin1Char('h');
        if (hour)
            result += number(second / 3600);
        else if (c == QLatin1Char('n') || (c == QLatin1Char('m') && afterHour))
            result += number(second / 60 % 60);
        else if (c == QLatin1Char('s'))
            result += number(second % 60);
        else if (c == QLatin1Char('d'))
            result += number(day.day());
        else if (c == QLatin1Char('m'))
            result += number(day.month());
        else if (c == QLatin1Char('y'))
            result += run >= 4 ? QString::number(day.year())
                               : QString::number(day.year() % 100).rightJustified(2, QLatin1Char('0'));
        else
            result += format.mid(i, run);
        if (c.isLetter())
            afterHour = hour;
        i += run;
    }
    return result;
}

void Format(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    const auto seconds = SecondsOf(arguments[0]);
    const auto format = reinterpret_cast<const char*>(sqlite3_value_text(arguments[1]));
    if (seconds && format && sqlite3_stricmp(format, "hh:mm:ss") == 0) {
        // The time of the stored text, the one format the statements use.
        char stored[storedTextLength + 1];
        WriteStoredText(*seconds, stored);
        return sqlite3_result_text(context, stored + 11, 8, SQLITE_TRANSIENT);
    }
    const QByteArray text =
        seconds ? FormatSeconds(*seconds, TextOf(arguments[1])).toUtf8() : TextOf(arguments[0]).toUtf8();
    sqlite3_result_text(context, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

}  // namespace

void InstallSqlFunctions(sqlite3* handle)
{
    sqlite3_create_collation(handle, "ES", SQLITE_UTF8, nullptr, CollateSpanish);
    sqlite3_create_function(handle, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, Like, nullptr, nullptr);
    sqlite3_create_function(handle, "jet_dateadd", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, DateAdd, nullptr,
                            nullptr);
    sqlite3_create_function(handle, "jet_format", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, Format, nullptr,
                            nullptr);
}

}  // namespace jet::detail
