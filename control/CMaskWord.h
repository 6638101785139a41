#pragma once
// Wildcard matching of a name against a space-separated list of patterns ("*.txt *.doc"):
// "*" stands for any run of characters, "?" for one; A-Z match a-z.
#include <string>

class CMaskWord
{
public:
    // A null list has no words.
    explicit CMaskWord(const char* patternList);
    virtual ~CMaskWord() = default;

    // True when any word of the list matches the whole text; nothing matches the empty text.
    virtual bool Match(const char* text);

protected:
    virtual bool MatchWord(const char* text);
    virtual bool FirstWord(std::string& word);
    virtual bool NextWord(std::string& word);

private:
    std::string currentWord_;
    std::string patternList_;
    size_t wordCursor_ = 0;
};
