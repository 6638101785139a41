// Date/time texts of the engine: the stored form "yyyy-MM-dd hh:mm:ss"
// (readable in the sqlite3 shell and ordered as text), the #MM/DD/YY#
// literals of SQL text (month first) and texts users write (day first).
// Values are seconds since the day zero 1899-12-30 00:00:00.
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>
#include <optional>

namespace jet::detail {

enum class DateOrder { DayFirst, MonthFirst };

constexpr int storedTextLength = 19;

QString StoredText(long long seconds);
void WriteStoredText(long long seconds, char (&out)[storedTextLength + 1]);
bool Storable(long long seconds);  // within the years 100 to 9999
std::optional<long long> ParseStoredText(const char* utf8, int length);
// "hh:mm:ss", as Format gives it: a time of day.
std::optional<long long> ParseClockText(const char* utf8, int length);
std::optional<long long> ParseDateTimeText(QStringView text, DateOrder order);

long long SecondsOf(const QDate& day, const QTime& timeOfDay);
long long DayOf(long long seconds);  // days from day zero, floored
int SecondOfDay(long long seconds);  // 0 .. 86399
QDate DateOf(long long seconds);
QTime TimeOf(long long seconds);

}  // namespace jet::detail
