#pragma once
// Wildcard matching of a name against a space-separated list of patterns ("*.txt *.doc"):
// "*" stands for any run of characters, "?" for one; A-Z match a-z.
// Texts are compared as Unicode characters, not in the ANSI code page: a character that the
// code page cannot hold matches only itself, never a wildcard or a look-alike of the code page.
#include <string>

class CMaskWord
{
public:
    // A null list has no words.
    explicit CMaskWord(const wchar_t* patternList);
    virtual ~CMaskWord() = default;

    // True when any word of the list matches the whole text; nothing matches the empty text.
    virtual bool Match(const wchar_t* text);

protected:
    virtual bool MatchWord(const wchar_t* text);
    virtual bool FirstWord(std::u32string& word);
    virtual bool NextWord(std::u32string& word);

private:
    std::u32string currentWord_;
    std::u32string patternList_;
    size_t wordCursor_ = 0;
};
