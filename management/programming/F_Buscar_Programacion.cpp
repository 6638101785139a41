#include "programming/F_Buscar_Programacion.h"

#include "programming/F_Programacion.h"
#include "station/ProgramFolder.h"

F_Buscar_Programacion::F_Buscar_Programacion()
{
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
}

void F_Buscar_Programacion::Design()
{
    Caption("Selecionar Programación");
    Width(3960);
    Height(4920);
    Frame1.Move(0, 0, 3960, 360);
    LISTA.Move(120, 480, 3720, 4320);
    LISTA.DataSource(Data1);
}

void F_Buscar_Programacion::Form_Load()
{
    Data1.DatabaseName = DornaPath();
    Data1.RecordSource = "SELECT NOMBRE FROM PROGRAMACION_NOMBRE ORDER BY NOMBRE";
    Data1.Refresh();
}

void F_Buscar_Programacion::Form_Resize()
{
    LISTA.FormatString("|<Nombre");
    LISTA.ColWidth(0, 1);
    LISTA.ColWidth(1, 3500);
}

void F_Buscar_Programacion::LISTA_DblClick()
{
    if (LISTA.Rows() == 1)
        return;
    QString Nombre = LISTA.TextMatrix(LISTA.Row(), 1);
    forms::Get<F_Programacion>().Buscar(Nombre);
    Unload();
}
