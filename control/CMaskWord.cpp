#include "CMaskWord.h"

namespace {

// Only A-Z are folded; bytes above 127 of the ANSI code page compare exactly.
char LowerCaseAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
}

std::string LowerCaseAscii(const char* text)
{
    std::string lowered = text ? text : "";
    for (char& c : lowered)
        c = LowerCaseAscii(c);
    return lowered;
}

}  // namespace

CMaskWord::CMaskWord(const char* patternList) : patternList_(LowerCaseAscii(patternList)) {}

bool CMaskWord::Match(const char* text)
{
    std::string word;
    for (bool found = FirstWord(word); found; found = NextWord(word))
    {
        currentWord_ = word;
        if (MatchWord(text))
            return true;
    }
    return false;
}

bool CMaskWord::MatchWord(const char* text)
{
    const std::string name = LowerCaseAscii(text);
    if (name.empty())
        return false;
    const std::string& pattern = currentWord_;
    size_t j = 0, k = 0;
    // The last star seen and where in the name its run ends so far: on a mismatch the
    // star takes one more character and matching goes on after it.
    size_t star = std::string::npos, starEnd = 0;
    while (k < name.size())
    {
        if (j < pattern.size() && pattern[j] == '*')
        {
            star = j++;
            starEnd = k;
        }
        else if (j < pattern.size() && (pattern[j] == '?' || pattern[j] == name[k]))
        {
            ++j;
            ++k;
        }
        else if (star != std::string::npos)
        {
            j = star + 1;
            k = ++starEnd;
        }
        else
            return false;
    }
    while (j < pattern.size() && pattern[j] == '*')
        ++j;
    return j == pattern.size();
}

bool CMaskWord::FirstWord(std::string& word)
{
    wordCursor_ = 0;
    return NextWord(word);
}

bool CMaskWord::NextWord(std::string& word)
{
    word.clear();
    while (wordCursor_ < patternList_.size() && patternList_[wordCursor_] == ' ')
        ++wordCursor_;
    if (wordCursor_ >= patternList_.size())
        return false;
    while (wordCursor_ < patternList_.size() && patternList_[wordCursor_] != ' ')
        word += patternList_[wordCursor_++];
    return true;
}
