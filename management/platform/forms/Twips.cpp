#include "forms/Twips.h"

namespace forms::detail {

namespace {
constexpr int twipsPerPixel = 15;
}

int Pixels(int twips)
{
    return twips / twipsPerPixel;
}

int Twips(int pixels)
{
    return pixels * twipsPerPixel;
}

}  // namespace forms::detail
