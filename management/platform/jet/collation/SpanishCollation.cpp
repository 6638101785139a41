#include "SpanishCollation.h"

#include "SpanishWeight.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

namespace jet::detail {

namespace {

struct WeightOfCode {
    char16_t code;
    SpanishWeight weight;
};

// Every UTF-16 code whose weight is not twice its code, in code order: the
// table kept in the source, never made by the build.
constexpr WeightOfCode exceptions[] = {
#include "SpanishWeights.inc"
};

static_assert(
    [] {
        for (std::size_t i = 1; i < std::size(exceptions); ++i)
            if (exceptions[i - 1].code >= exceptions[i].code)
                return false;
        return true;
    }(),
    "SpanishWeights.inc is looked up by halves: its codes must rise line by line");

constexpr SpanishWeight LookUp(char32_t code)
{
    const auto found = std::lower_bound(std::begin(exceptions), std::end(exceptions), code,
                                        [](const WeightOfCode& entry, char32_t c) { return entry.code < c; });
    if (found != std::end(exceptions) && found->code == code)
        return found->weight;
    return {code * 2, 0};
}

// The Latin letters of station data are read straight from a table.
constexpr char32_t latinSize = 0x250;
constexpr auto latin = [] {
    std::array<SpanishWeight, latinSize> weights{};
    for (char32_t c = 0; c < latinSize; ++c)
        weights[c] = LookUp(c);
    return weights;
}();

SpanishWeight WeightOf(char32_t code)
{
    return code < latinSize ? latin[code] : LookUp(code);
}

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

}  // namespace

int CompareSpanish(const char* left, int leftLength, const char* right, int rightLength)
{
    auto l = reinterpret_cast<const unsigned char*>(left);
    auto r = reinterpret_cast<const unsigned char*>(right);
    const auto lEnd = l + leftLength;
    const auto rEnd = r + rightLength;
    int accentOrder = 0;
    while (l < lEnd && r < rEnd) {
        if (*l < 0x80 && *r < 0x80) {
            const SpanishWeight a = latin[*l++];
            const SpanishWeight b = latin[*r++];
            if (a.primary != b.primary)
                return a.primary < b.primary ? -1 : 1;
            continue;
        }
        const SpanishWeight a = WeightOf(NextCodePoint(l, lEnd));
        const SpanishWeight b = WeightOf(NextCodePoint(r, rEnd));
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

int CollateSpanish(void*, int leftLength, const void* left, int rightLength, const void* right)
{
    return CompareSpanish(static_cast<const char*>(left), leftLength, static_cast<const char*>(right), rightLength);
}

}  // namespace jet::detail
