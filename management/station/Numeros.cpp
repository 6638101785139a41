#include "station/Numeros.h"

#include <cmath>
#include <limits>

std::optional<double> Numero(const QString& texto)
{
    bool ok = false;
    const double numero = texto.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(numero))
        return std::nullopt;
    return numero;
}

std::optional<int> Entero(const QString& texto)
{
    const std::optional<double> numero = Numero(texto);
    if (!numero || std::floor(*numero) != *numero || std::fabs(*numero) > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*numero);
}
