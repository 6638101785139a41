#include "station/Tiempo.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

// "00" format: at least two digits, a minus sign before them.
QString DosCifras(int parte)
{
    const QString cifras = QString::number(std::abs(parte)).rightJustified(2, QLatin1Char('0'));
    return parte < 0 ? QLatin1Char('-') + cifras : cifras;
}

}  // namespace

QString Tiempo(double Segundos)
{
    // nearbyint rounds a tie to the even neighbour under the default rounding mode.
    const double redondeado = std::nearbyint(Segundos);
    if (!(redondeado >= std::numeric_limits<int>::min() && redondeado <= std::numeric_limits<int>::max()))
        throw std::overflow_error("Desbordamiento: " + std::to_string(Segundos) + " segundos");
    const int n = int(redondeado);
    const int minutos = n / 60;
    return DosCifras(minutos / 60) + QLatin1Char(':') + DosCifras(minutos % 60) + QLatin1Char(':') + DosCifras(n % 60);
}
