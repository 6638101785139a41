// Values as the forms read and show them.
#include "jet/Error.h"
#include "jet/Value.h"

#include <gtest/gtest.h>
#include <ostream>

using jet::Value;

struct Shown {
    Value value;
    const char* text;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Shown& c, std::ostream* out)
{
    *out << c.text;
}

class ValueText : public ::testing::TestWithParam<Shown> {};

TEST_P(ValueText, ShowsAsTheGridShowsIt)
{
    EXPECT_EQ(GetParam().value.toString(), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ValueText,
    ::testing::Values(Shown{Value(), ""}, Shown{Value(90), "90"}, Shown{Value(90.0), "90"}, Shown{Value(2.5), "2.5"},
                      Shown{Value(QStringLiteral("L'Hospitalet")), "L'Hospitalet"},
                      Shown{Value(QTime(8, 30)), "08:30:00"}, Shown{Value(QDate(2007, 3, 25)), "25/03/2007"},
                      Shown{Value(QDateTime(QDate(2007, 3, 25), QTime(23, 5, 9))), "25/03/2007 23:05:09"}),
    [](const auto& testCase) { return "Kind" + std::to_string(testCase.index); });

struct Parsed {
    const char* text;
    QDateTime expected;  // invalid: not a date
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Parsed& c, std::ostream* out)
{
    *out << c.text;
}

class DateTexts : public ::testing::TestWithParam<Parsed> {};

TEST_P(DateTexts, AreReadDayFirst)
{
    EXPECT_EQ(Value::ParseDateTime(QString::fromUtf8(GetParam().text)).toDateTime(), GetParam().expected)
        << GetParam().text;
}

const QDate dayZero(1899, 12, 30);

INSTANTIATE_TEST_SUITE_P(
    Formats, DateTexts,
    ::testing::Values(Parsed{"25/03/07", QDateTime(QDate(2007, 3, 25), QTime(0, 0))},
                      Parsed{"25/03/2007 08:30", QDateTime(QDate(2007, 3, 25), QTime(8, 30))},
                      Parsed{"2007-03-25 08:30:15", QDateTime(QDate(2007, 3, 25), QTime(8, 30, 15))},
                      Parsed{"08:30:00", QDateTime(dayZero, QTime(8, 30))},
                      Parsed{"8:30 PM", QDateTime(dayZero, QTime(20, 30))},
                      Parsed{"01/01/35", QDateTime(QDate(2035, 1, 1), QTime(0, 0))}, Parsed{"31/02/07", QDateTime()},
                      Parsed{"25:00:00", QDateTime()}, Parsed{"hola", QDateTime()}),
    [](const auto& testCase) { return "Text" + std::to_string(testCase.index); });

TEST(Values, NumbersConvertAsTheFormsNeed)
{
    EXPECT_EQ(Value(2.5).toInt(), 2);
    EXPECT_EQ(Value(3.5).toInt(), 4);
    EXPECT_EQ(Value(QStringLiteral("12,5")).toDouble(), 12.5);
    EXPECT_EQ(Value(QStringLiteral(" 7 ")).toInt(), 7);
    EXPECT_EQ(Value().toInt(), 0);
    EXPECT_THROW(Value(QStringLiteral("siete")).toDouble(), jet::Error);
    EXPECT_THROW(Value(1e12).toInt(), jet::Error);
}

TEST(Values, TimeTextOfADateTimeIsItsTimeOfDay)
{
    EXPECT_EQ(Value(QDateTime(QDate(1899, 12, 31), QTime(0, 10))).toTimeText(), QStringLiteral("00:10:00"));
    EXPECT_EQ(Value(QTime(8, 30)), Value::ParseDateTime(QStringLiteral("08:30:00")));
}
