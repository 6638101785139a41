#include "programming/F_Buscar_Programacion.h"

#include "programming/F_Programacion.h"
#include "station/ProgramFolder.h"

F_Buscar_Programacion::F_Buscar_Programacion()
    : ListaConsulta({.Base = DornaPath,
                     .Sql = "SELECT NOMBRE FROM PROGRAMACION_NOMBRE ORDER BY NOMBRE",
                     .Cabecera = "|<Nombre",
                     .Anchos = {1, 3500}})
{
}

void F_Buscar_Programacion::Design()
{
    Caption("Selecionar Programación");
    Width(3960);
    Height(4920);
    Frame1.Move(0, 0, 3960, 360);
    LISTA.Move(120, 480, 3720, 4320);
}

void F_Buscar_Programacion::Elegir(int Fila)
{
    QString Nombre = LISTA.TextMatrix(Fila, 1);
    forms::Get<F_Programacion>().Buscar(Nombre);
    Unload();
}
