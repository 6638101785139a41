// The weight of one character in the Spanish order of texts. Letters weigh
// twice their lower-case code, so that ñ fits just after n; an accented
// letter weighs as its plain letter and keeps its accent apart, which only
// separates otherwise equal words.
#pragma once

namespace jet::detail {

struct SpanishWeight {
    char32_t primary;
    char32_t accent;
};

}  // namespace jet::detail
