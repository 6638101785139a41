// Single characters for the tests of the order of texts: each code point as
// UTF-8, compared and sorted with the engine's own collation.
#pragma once

#include "SpanishCollation.h"

#include <algorithm>
#include <string>
#include <vector>

inline std::string Utf8Of(char32_t code)
{
    std::string text;
    if (code < 0x80) {
        text += char(code);
    } else if (code < 0x800) {
        text += char(0xC0 | (code >> 6));
        text += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += char(0xE0 | (code >> 12));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    } else {
        text += char(0xF0 | (code >> 18));
        text += char(0x80 | ((code >> 12) & 0x3F));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    }
    return text;
}

inline int CompareTexts(const std::string& left, const std::string& right)
{
    return jet::detail::CompareSpanish(left.data(), int(left.size()), right.data(), int(right.size()));
}

// Every code point from 0 to last but the surrogates, in the order of texts;
// equal ones stay in code order.
inline std::vector<char32_t> CodePointsInOrder(char32_t last)
{
    std::vector<char32_t> codes;
    for (char32_t code = 0; code <= last; ++code)
        if (code < 0xD800 || code > 0xDFFF)
            codes.push_back(code);
    std::stable_sort(codes.begin(), codes.end(),
                     [](char32_t a, char32_t b) { return CompareTexts(Utf8Of(a), Utf8Of(b)) < 0; });
    return codes;
}
