#include "music/TwipsDeSegundos.h"

#include <algorithm>
#include <cmath>
#include <limits>

int TwipsDeSegundos(double segundos)
{
    if (std::isnan(segundos))
        return 0;
    const double limite = std::numeric_limits<int>::max();
    return int(std::clamp(std::nearbyint(segundos), -limite, limite));
}
