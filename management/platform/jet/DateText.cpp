#include "DateText.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <algorithm>

namespace jet::detail {

namespace {

const qint64 dayZeroJulian = QDate(1899, 12, 30).toJulianDay();
constexpr long long secondsPerDay = 86400;

// Two-digit years fall within the 80 years before and 20 after this year,
// so contracts running into the 2030s are not read as the 1930s.
int FullYear(int year, int digits)
{
    if (digits > 2)
        return year;
    const int current = QDate::currentDate().year();
    int full = current - current % 100 + year;
    if (full > current + 20)
        full -= 100;
    else if (full < current - 79)
        full += 100;
    return full;
}

std::optional<QTime> ParseTimeOfDay(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?(?:\\s*([AaPp])\\.?[Mm]?\\.?)?$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const QString half = match.captured(4).toLower();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (half == QLatin1String("p") ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QDate> ParseDay(const QString& text, DateOrder order)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression local(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2}|\\d{4})$"));
    if (const auto match = iso.match(text); match.hasMatch()) {
        const QDate day(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
        return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
    }
    const auto match = local.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int first = match.captured(1).toInt();
    const int second = match.captured(2).toInt();
    const int year = FullYear(match.captured(3).toInt(), int(match.captured(3).size()));
    const QDate day = order == DateOrder::DayFirst ? QDate(year, second, first) : QDate(year, first, second);
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

int Digits(const char* text, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Civil calendar arithmetic, so that the stored text is read and written
// without building calendar objects for every value of a large table.
long long DaysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = int(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = int(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = int(yearOfEra + era * 400 + (month <= 2));
}

bool ValidDay(int year, int month, int day)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= lengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

const long long dayZeroCivil = DaysFromCivil(1899, 12, 30);
const long long firstStorable = (DaysFromCivil(100, 1, 1) - dayZeroCivil) * 86400;
const long long lastStorable = (DaysFromCivil(9999, 12, 31) - dayZeroCivil) * 86400 + 86399;

void WriteTwo(char* out, int value)
{
    out[0] = char('0' + value / 10);
    out[1] = char('0' + value % 10);
}

}  // namespace

long long SecondsOf(const QDate& day, const QTime& timeOfDay)
{
    return (day.toJulianDay() - dayZeroJulian) * secondsPerDay + timeOfDay.msecsSinceStartOfDay() / 1000;
}

long long DayOf(long long seconds)
{
    long long day = seconds / secondsPerDay;
    if (seconds % secondsPerDay < 0)
        --day;
    return day;
}

int SecondOfDay(long long seconds)
{
    return int(seconds - DayOf(seconds) * secondsPerDay);
}

QDate DateOf(long long seconds)
{
    return QDate::fromJulianDay(dayZeroJulian + DayOf(seconds));
}

QTime TimeOf(long long seconds)
{
    return QTime::fromMSecsSinceStartOfDay(SecondOfDay(seconds) * 1000);
}

void WriteStoredText(long long seconds, char (&out)[storedTextLength + 1])
{
    // Outside the years 100 to 9999 no value is stored (ConvertForColumn refuses it).
    seconds = std::clamp(seconds, firstStorable, lastStorable);
    int year = 0;
    int month = 0;
    int day = 0;
    CivilFromDays(dayZeroCivil + DayOf(seconds), year, month, day);
    const int second = SecondOfDay(seconds);
    WriteTwo(out, year / 100);
    WriteTwo(out + 2, year % 100);
    out[4] = '-';
    WriteTwo(out + 5, month);
    out[7] = '-';
    WriteTwo(out + 8, day);
    out[10] = ' ';
    WriteTwo(out + 11, second / 3600);
    out[13] = ':';
    WriteTwo(out + 14, second / 60 % 60);
    out[16] = ':';
    WriteTwo(out + 17, second % 60);
    out[19] = '\0';
}

bool Storable(long long seconds)
{
    return seconds >= firstStorable && seconds <= lastStorable;
}

QString StoredText(long long seconds)
{
    char text[storedTextLength + 1];
    WriteStoredText(seconds, text);
    return QString::fromLatin1(text);
}

std::optional<long long> ParseClockText(const char* utf8, int length)
{
    if (length != 8 || utf8[2] != ':' || utf8[5] != ':')
        return std::nullopt;
    const int hour = Digits(utf8, 2);
    const int minute = Digits(utf8 + 3, 2);
    const int second = Digits(utf8 + 6, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return hour * 3600 + minute * 60 + second;
}

std::optional<long long> ParseStoredText(const char* utf8, int length)
{
    if (length != storedTextLength || utf8[4] != '-' || utf8[7] != '-' || utf8[10] != ' ')
        return std::nullopt;
    const int year = Digits(utf8, 4);
    const int month = Digits(utf8 + 5, 2);
    const int day = Digits(utf8 + 8, 2);
    const auto clock = ParseClockText(utf8 + 11, 8);
    if (year < 0 || !ValidDay(year, month, day) || !clock)
        return std::nullopt;
    return (DaysFromCivil(year, month, day) - dayZeroCivil) * secondsPerDay + *clock;
}

std::optional<long long> ParseDateTimeText(QStringView text, DateOrder order)
{
    const QString trimmed = text.trimmed().toString().replace(QLatin1Char('T'), QLatin1Char(' '));
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const QByteArray utf8 = trimmed.toUtf8(); auto stored = ParseStoredText(utf8.constData(), int(utf8.size())))
        return stored;

    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    const QString first = blank < 0 ? trimmed : trimmed.left(blank);
    const QString rest = blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed();

    if (const auto day = ParseDay(first, order)) {
        if (rest.isEmpty())
            return SecondsOf(*day, QTime(0, 0));
        if (const auto time = ParseTimeOfDay(rest))
            return SecondsOf(*day, *time);
        return std::nullopt;
    }
    if (const auto time = ParseTimeOfDay(trimmed))
        return SecondsOf(QDate(1899, 12, 30), *time);
    return std::nullopt;
}

}  // namespace jet::detail
