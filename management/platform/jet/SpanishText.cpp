#include "SpanishText.h"

#include <QChar>

namespace jet::detail {

namespace {

bool SameLetter(QChar patternChar, QChar textChar)
{
    return patternChar == textChar || patternChar.toCaseFolded() == textChar.toCaseFolded();
}

// [abc], [a-z], [!abc]; gives false for an unclosed list.
bool MatchList(const QString& pattern, qsizetype& at, QChar c)
{
    qsizetype i = at + 1;
    const bool negate = i < pattern.size() && pattern[i] == QLatin1Char('!');
    if (negate)
        ++i;
    bool found = false;
    const QChar folded = c.toCaseFolded();
    while (i < pattern.size() && pattern[i] != QLatin1Char(']')) {
        if (i + 2 < pattern.size() && pattern[i + 1] == QLatin1Char('-') && pattern[i + 2] != QLatin1Char(']')) {
            const QChar low = pattern[i].toCaseFolded();
            const QChar high = pattern[i + 2].toCaseFolded();
            if (folded >= low && folded <= high)
                found = true;
            i += 3;
        } else {
            if (SameLetter(pattern[i], c))
                found = true;
            ++i;
        }
    }
    if (i >= pattern.size())
        return false;
    at = i + 1;
    return found != negate;
}

bool MatchOne(const QString& pattern, qsizetype& at, QChar c)
{
    const QChar p = pattern[at];
    if (p == QLatin1Char('?')) {
        ++at;
        return true;
    }
    if (p == QLatin1Char('#')) {
        ++at;
        return c.isDigit();
    }
    if (p == QLatin1Char('['))
        return MatchList(pattern, at, c);
    ++at;
    return SameLetter(p, c);
}

}  // namespace

bool JetLike(const QString& pattern, const QString& text)
{
    qsizetype p = 0;
    qsizetype t = 0;
    qsizetype starPattern = -1;
    qsizetype starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starPattern = ++p;
            starText = t;
            continue;
        }
        qsizetype next = p;
        if (p < pattern.size() && MatchOne(pattern, next, text[t])) {
            p = next;
            ++t;
            continue;
        }
        if (starPattern < 0)
            return false;
        p = starPattern;
        t = ++starText;
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

}  // namespace jet::detail
