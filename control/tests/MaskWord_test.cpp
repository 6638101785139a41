// Wildcard matching of names against the control's pattern lists.
#include <gtest/gtest.h>

#include "CMaskWord.h"

namespace {

struct MatchCase
{
    const wchar_t* patternList;
    const wchar_t* name;
    bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* out)
{
    *out << ::testing::PrintToString(c.patternList) << " against " << ::testing::PrintToString(c.name);
}

class MaskWordMatch : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(MaskWordMatch, AnswersWhetherAnyWordMatchesTheWholeName)
{
    const MatchCase& c = GetParam();
    EXPECT_EQ(CMaskWord(c.patternList).Match(c.name), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, MaskWordMatch,
    ::testing::Values(MatchCase{L"*.*", L"readme.txt", true}, MatchCase{L"*.*", L"readme", false},
                      MatchCase{L"*.txt", L"A.TXT", true}, MatchCase{L"*.TXT", L"a.txt", true},
                      MatchCase{L"*.txt", L"a.txt.bak", false}, MatchCase{L"*.txt", L"a.b.txt", true},
                      MatchCase{L"*.txt *.doc", L"report.doc", true}, MatchCase{L"*.txt  *.doc ", L"report.doc", true},
                      MatchCase{L"*.txt *.doc", L"report.xls", false}, MatchCase{L"a*", L"abc", true},
                      MatchCase{L"a*", L"xabc", false}, MatchCase{L"?", L"a", true}, MatchCase{L"?", L"ab", false},
                      MatchCase{L"a?c", L"abc", true}, MatchCase{L"a?c", L"ac", false}, MatchCase{L"*b?", L"abc", true},
                      // A star stands for no character too, also at the end of the word.
                      MatchCase{L"*.*", L"name.", true}, MatchCase{L"ab*", L"ab", true},
                      MatchCase{L"a*b*c", L"abc", true},
                      // A star gives back characters when a later part of the word needs them.
                      MatchCase{L"*ab*cd", L"abcxcd", true}, MatchCase{L"*a.txt", L"banana.txt", true},
                      MatchCase{L"*.txt", L"a.txt.txt", true},
                      // Nothing matches the empty name, and a list without words matches nothing.
                      MatchCase{L"*", L"", false}, MatchCase{L"*", nullptr, false}, MatchCase{L"", L"anything", false},
                      MatchCase{L"   ", L"anything", false}, MatchCase{nullptr, L"anything", false},
                      // Only A-Z fold; other characters of the code page compare exactly.
                      MatchCase{L"Ñandú.txt", L"Ñandú.txt", true}, MatchCase{L"ñandú.txt", L"Ñandú.txt", false},
                      MatchCase{L"[a].txt", L"[A].TXT", true}));

// Characters that the ANSI code page cannot hold: converted, they would all become the
// code page's placeholder "?" (a wildcard) or a look-alike ("ā" as "a").
INSTANTIATE_TEST_SUITE_P(OutsideTheCodePage, MaskWordMatch,
                         ::testing::Values(MatchCase{L"日.txt", L"本.txt", false},
                                           MatchCase{L"日.txt", L"日.txt", true}, MatchCase{L"日*", L"日本.txt", true},
                                           MatchCase{L"日*", L"本日.txt", false}, MatchCase{L"*本*", L"日本.txt", true},
                                           MatchCase{L"日", L"?", false}, MatchCase{L"?.txt", L"本.txt", true},
                                           MatchCase{L"日?", L"日本", true}, MatchCase{L"a*", L"ābc", false},
                                           MatchCase{L"ā*", L"ābc", true}, MatchCase{L"ā*", L"abc", false},
                                           MatchCase{L"Ā*", L"ābc", false},
                                           // A character outside the basic plane (two UTF-16 units) is one character.
                                           MatchCase{L"?.txt", L"\U0001F600.txt", true},
                                           MatchCase{L"??.txt", L"\U0001F600.txt", false},
                                           MatchCase{L"\U0001F600*", L"\U0001F600\U0001F601", true},
                                           MatchCase{L"\U0001F600", L"\U0001F601", false}));

}  // namespace
