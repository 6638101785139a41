#include "CMaskWord.h"

namespace {

bool IsHighSurrogate(wchar_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// One element per character, so that "?" stands for a whole character outside the BMP too;
// a lone surrogate stays a character of its own.
std::u32string Characters(const wchar_t* text)
{
    std::u32string characters;
    for (; text && *text; ++text)
    {
        if (IsHighSurrogate(text[0]) && IsLowSurrogate(text[1]))
        {
            characters += static_cast<char32_t>(0x10000 + ((text[0] - 0xD800) << 10) + (text[1] - 0xDC00));
            ++text;
        }
        else
            characters += static_cast<char32_t>(text[0]);
    }
    return characters;
}

// Only A-Z are folded; every other character compares exactly.
std::u32string LowerCaseAscii(const wchar_t* text)
{
    std::u32string lowered = Characters(text);
    for (char32_t& c : lowered)
        if (c >= U'A' && c <= U'Z')
            c |= 0x20;
    return lowered;
}

}  // namespace

CMaskWord::CMaskWord(const wchar_t* patternList) : patternList_(LowerCaseAscii(patternList))
{
}

bool CMaskWord::Match(const wchar_t* text)
{
    std::u32string word;
    for (bool found = FirstWord(word); found; found = NextWord(word))
    {
        currentWord_ = word;
        if (MatchWord(text))
            return true;
    }
    return false;
}

bool CMaskWord::MatchWord(const wchar_t* text)
{
    const std::u32string name = LowerCaseAscii(text);
    if (name.empty())
        return false;
    const std::u32string& pattern = currentWord_;
    size_t j = 0, k = 0;
    // The last star seen and where in the name its run ends so far: on a mismatch the
    // star takes one more character and matching goes on after it.
    size_t star = std::u32string::npos, starEnd = 0;
    while (k < name.size())
    {
        if (j < pattern.size() && pattern[j] == U'*')
        {
            star = j++;
            starEnd = k;
        }
        else if (j < pattern.size() && (pattern[j] == U'?' || pattern[j] == name[k]))
        {
            ++j;
            ++k;
        }
        else if (star != std::u32string::npos)
        {
            j = star + 1;
            k = ++starEnd;
        }
        else
            return false;
    }
    while (j < pattern.size() && pattern[j] == U'*')
        ++j;
    return j == pattern.size();
}

bool CMaskWord::FirstWord(std::u32string& word)
{
    wordCursor_ = 0;
    return NextWord(word);
}

bool CMaskWord::NextWord(std::u32string& word)
{
    word.clear();
    while (wordCursor_ < patternList_.size() && patternList_[wordCursor_] == U' ')
        ++wordCursor_;
    if (wordCursor_ >= patternList_.size())
        return false;
    while (wordCursor_ < patternList_.size() && patternList_[wordCursor_] != U' ')
        word += patternList_[wordCursor_++];
    return true;
}
