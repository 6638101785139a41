#include "programming/F_Buscar_Rotacion.h"

#include "programming/F_Rotacion.h"
#include "station/ProgramFolder.h"

F_Buscar_Rotacion::F_Buscar_Rotacion()
    : ListaConsulta({.Base = ContinuidadPath,
                     .Sql = "SELECT NOMBRE FROM NOMBRE ORDER BY NOMBRE",
                     .Cabecera = "|<Nombre",
                     .Anchos = {1, 3700}})
{
}

void F_Buscar_Rotacion::Design()
{
    Caption("Rotaciones");
    Width(4200);
    Height(4560);
    LISTA.Move(120, 120, 3960, 4320);
}

void F_Buscar_Rotacion::Elegir(int Fila)
{
    F_Rotacion& Rotacion = forms::Get<F_Rotacion>();
    Rotacion.L_Nombre.Caption(LISTA.TextMatrix(Fila, 1));
    Rotacion.Show(forms::vbModal);
}
