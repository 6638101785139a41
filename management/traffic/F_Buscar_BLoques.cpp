#include "traffic/F_Buscar_BLoques.h"

#include "station/ProgramFolder.h"
#include "traffic/F_BLoques.h"

F_Buscar_BLoques::F_Buscar_BLoques()
    : ListaConsulta({.Base = DornaPath,
                     .Sql = "SELECT HORA,TIEMPO_VER FROM BLOQUES ORDER BY HORA",
                     .Cabecera = "|<Bloque|>Duración",
                     .Anchos = {1, 1500, 1100}})
{
}

void F_Buscar_BLoques::Design()
{
    Caption("Busqueda de bloques publicitarios");
    Width(3240);
    Height(4560);
    LISTA.Move(120, 120, 3000, 4320);
}

void F_Buscar_BLoques::Elegir(int Fila)
{
    QTime Hora = jet::Value::ParseDateTime(LISTA.TextMatrix(Fila, 1)).toTime();
    forms::Get<F_BLoques>().BuscarBLoques(Hora);
    Unload();
}
