#include "traffic/TiempoBloque.h"

#include "station/Tiempo.h"

namespace {

// A Null length counts as none.
double TiempoDe(jet::Recordset& Bloque)
{
    return Bloque.Fields("TIEMPO").Value().toDouble();
}

}  // namespace

QString PonerTiempo(jet::Recordset& Bloque, double Segundos)
{
    const QString Texto = Tiempo(Segundos);
    Bloque.Edit();
    Bloque.Fields("TIEMPO") = Segundos;
    Bloque.Fields("TIEMPO_VER") = Texto;
    Bloque.Update();
    return Texto;
}

QString SumarSpot(jet::Recordset& Bloque, double Segundos)
{
    return PonerTiempo(Bloque, TiempoDe(Bloque) + Segundos);
}

QString QuitarSpot(jet::Recordset& Bloque, double Segundos)
{
    return PonerTiempo(Bloque, TiempoDe(Bloque) - Segundos);
}

QString CambiarSpot(jet::Recordset& Bloque, double Antes, double Despues)
{
    return PonerTiempo(Bloque, TiempoDe(Bloque) - Antes + Despues);
}

void RehacerTexto(jet::Recordset& Bloque)
{
    Bloque.Edit();
    Bloque.Fields("TIEMPO_VER") = Tiempo(TiempoDe(Bloque));
    Bloque.Update();
}
