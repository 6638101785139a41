#include "programming/F_Buscar_Rotacion.h"

#include "programming/F_Rotacion.h"
#include "station/ProgramFolder.h"

F_Buscar_Rotacion::F_Buscar_Rotacion()
{
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
}

void F_Buscar_Rotacion::Design()
{
    Caption("Rotaciones");
    Width(4200);
    Height(4560);
    LISTA.Move(120, 120, 3960, 4320);
    LISTA.DataSource(Data1);
}

void F_Buscar_Rotacion::Form_Load()
{
    Data1.DatabaseName = ContinuidadPath();
    Data1.RecordSource = "SELECT NOMBRE FROM NOMBRE ORDER BY NOMBRE";
    Data1.Refresh();
}

void F_Buscar_Rotacion::Form_Resize()
{
    LISTA.FormatString("|<Nombre");
    LISTA.ColWidth(0, 1);
    LISTA.ColWidth(1, 3700);
}

void F_Buscar_Rotacion::LISTA_DblClick()
{
    if (LISTA.Rows() <= 1)
        return;
    F_Rotacion& Rotacion = forms::Get<F_Rotacion>();
    Rotacion.L_Nombre.Caption(LISTA.TextMatrix(LISTA.Row(), 1));
    Rotacion.Show(forms::vbModal);
}
