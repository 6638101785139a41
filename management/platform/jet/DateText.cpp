#include "DateText.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

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

} // namespace

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

QString StoredText(long long seconds)
{
    const QDate day = DateOf(seconds);
    const int second = SecondOfDay(seconds);
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", day.year(), day.month(), day.day(),
                             second / 3600, second / 60 % 60, second % 60);
}

std::optional<long long> ParseStoredText(const char* utf8, int length)
{
    if (length != 19 || utf8[4] != '-' || utf8[7] != '-' || utf8[10] != ' ' || utf8[13] != ':'
        || utf8[16] != ':')
        return std::nullopt;
    const int year = Digits(utf8, 4);
    const int month = Digits(utf8 + 5, 2);
    const int day = Digits(utf8 + 8, 2);
    const int hour = Digits(utf8 + 11, 2);
    const int minute = Digits(utf8 + 14, 2);
    const int second = Digits(utf8 + 17, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || hour > 23 || minute < 0 || minute > 59
        || second < 0 || second > 59)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return (date.toJulianDay() - dayZeroJulian) * secondsPerDay + hour * 3600 + minute * 60 + second;
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

} // namespace jet::detail
