#include "SpanishText.h"

#include <QChar>
#include <array>

namespace jet::detail {

namespace {

struct Weight {
    char32_t primary;
    char32_t accent;
};

char32_t NextCodePoint(const unsigned char*& at, const unsigned char* end)
{
    const unsigned char lead = *at++;
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = lead & (0x3F >> extra);
    while (extra-- > 0 && at < end && (*at & 0xC0) == 0x80)
        code = (code << 6) | (*at++ & 0x3F);
    return code;
}

// Letters weigh twice their lower-case code so that ñ fits just after n.
Weight ComputeWeight(char32_t code)
{
    if (code >= 'A' && code <= 'Z')
        return {(code + ('a' - 'A')) * 2, 0};
    if (code < 0x80)
        return {code * 2, 0};
    if (code == 0xF1 || code == 0xD1)   // ñ Ñ
        return {char32_t('n') * 2 + 1, 0};
    if (code > 0xFFFF)
        return {code * 2, 0};
    const QChar folded = QChar(char16_t(code)).toCaseFolded();
    const QString decomposed = QString(folded).normalized(QString::NormalizationForm_D);
    if (decomposed.size() > 1 && decomposed[0].unicode() < 0x80)
        return {ComputeWeight(decomposed[0].unicode()).primary, decomposed[1].unicode()};
    return {char32_t(folded.unicode()) * 2, 0};
}

// The Latin letters of station data are looked up, the rest computed.
Weight WeightOf(char32_t code)
{
    constexpr char32_t tableSize = 0x250;
    static const auto table = [] {
        std::array<Weight, tableSize> weights{};
        for (char32_t c = 0; c < tableSize; ++c)
            weights[c] = ComputeWeight(c);
        return weights;
    }();
    return code < tableSize ? table[code] : ComputeWeight(code);
}

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

} // namespace

int CompareSpanish(const char* left, int leftLength, const char* right, int rightLength)
{
    auto l = reinterpret_cast<const unsigned char*>(left);
    auto r = reinterpret_cast<const unsigned char*>(right);
    const auto lEnd = l + leftLength;
    const auto rEnd = r + rightLength;
    int accentOrder = 0;
    while (l < lEnd && r < rEnd) {
        if (*l < 0x80 && *r < 0x80) {
            const Weight a = WeightOf(*l++);
            const Weight b = WeightOf(*r++);
            if (a.primary != b.primary)
                return a.primary < b.primary ? -1 : 1;
            continue;
        }
        const Weight a = WeightOf(NextCodePoint(l, lEnd));
        const Weight b = WeightOf(NextCodePoint(r, rEnd));
        if (a.primary != b.primary)
            return a.primary < b.primary ? -1 : 1;
        if (accentOrder == 0 && a.accent != b.accent)
            accentOrder = a.accent < b.accent ? -1 : 1;
    }
    if (l < lEnd)
        return 1;
    if (r < rEnd)
        return -1;
    return accentOrder;
}

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

} // namespace jet::detail
