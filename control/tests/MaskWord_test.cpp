// Wildcard matching of names against the control's pattern lists.
#include <gtest/gtest.h>

#include "CMaskWord.h"

namespace {

struct MatchCase
{
    const char* patternList;
    const char* name;
    bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* out)
{
    *out << '"' << (c.patternList ? c.patternList : "(null)") << "\" against \"" << (c.name ? c.name : "(null)")
         << '"';
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
    ::testing::Values(
        MatchCase{"*.*", "readme.txt", true}, MatchCase{"*.*", "readme", false},
        MatchCase{"*.txt", "A.TXT", true}, MatchCase{"*.TXT", "a.txt", true},
        MatchCase{"*.txt", "a.txt.bak", false}, MatchCase{"*.txt", "a.b.txt", true},
        MatchCase{"*.txt *.doc", "report.doc", true}, MatchCase{"*.txt  *.doc ", "report.doc", true},
        MatchCase{"*.txt *.doc", "report.xls", false}, MatchCase{"a*", "abc", true}, MatchCase{"a*", "xabc", false},
        MatchCase{"?", "a", true}, MatchCase{"?", "ab", false}, MatchCase{"a?c", "abc", true},
        MatchCase{"a?c", "ac", false}, MatchCase{"*b?", "abc", true},
        // A star stands for no character too, also at the end of the word.
        MatchCase{"*.*", "name.", true}, MatchCase{"ab*", "ab", true}, MatchCase{"a*b*c", "abc", true},
        // A star gives back characters when a later part of the word needs them.
        MatchCase{"*ab*cd", "abcxcd", true}, MatchCase{"*a.txt", "banana.txt", true},
        MatchCase{"*.txt", "a.txt.txt", true},
        // Nothing matches the empty name, and a list without words matches nothing.
        MatchCase{"*", "", false}, MatchCase{"*", nullptr, false}, MatchCase{"", "anything", false},
        MatchCase{"   ", "anything", false}, MatchCase{nullptr, "anything", false},
        // Only A-Z fold; other bytes of the code page compare exactly.
        MatchCase{"\xd1" "and\xfa.txt", "\xd1" "and\xfa.txt", true},
        MatchCase{"\xf1" "and\xfa.txt", "\xd1" "and\xfa.txt", false},
        MatchCase{"[a].txt", "[A].TXT", true}));

}  // namespace
