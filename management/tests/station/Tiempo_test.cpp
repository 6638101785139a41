// Tiempo: whole seconds as "hh:mm:ss", ties to even, hours not wrapped.
#include "station/Tiempo.h"

#include <cctype>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

struct Length {
    double seconds;
    const char* text;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Length& c, std::ostream* out)
{
    *out << c.text;
}

class Lengths : public ::testing::TestWithParam<Length> {};

TEST_P(Lengths, ShowAsHoursMinutesSeconds)
{
    EXPECT_EQ(Tiempo(GetParam().seconds), QString::fromUtf8(GetParam().text)) << GetParam().seconds;
}

INSTANTIATE_TEST_SUITE_P(TiempoCases, Lengths,
                         ::testing::Values(Length{0, "00:00:00"}, Length{59, "00:00:59"}, Length{3600, "01:00:00"},
                                           Length{86399, "23:59:59"}, Length{86400, "24:00:00"},
                                           Length{90000, "25:00:00"}, Length{360000, "100:00:00"},
                                           Length{124.5, "00:02:04"}, Length{125.5, "00:02:06"},
                                           Length{124.51, "00:02:05"}, Length{2.5, "00:00:02"}, Length{-5, "00:00:-05"},
                                           Length{-3725, "-01:-02:-05"}),
                         [](const auto& testCase) {
                             std::string name = "Gives_";
                             for (char c : std::string(testCase.param.text))
                                 name += std::isdigit(static_cast<unsigned char>(c)) ? c : c == '-' ? 'm' : '_';
                             return name;
                         });

TEST(Tiempo, BeyondAWholeNumberOverflows)
{
    EXPECT_THROW(Tiempo(3e9), std::overflow_error);
    EXPECT_NO_THROW(Tiempo(2147483647.0));
}
