#include "traffic/F_Buscar_BLoques.h"

#include "traffic/F_BLoques.h"
#include "station/ProgramFolder.h"

F_Buscar_BLoques::F_Buscar_BLoques()
{
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
}

void F_Buscar_BLoques::Design()
{
    Caption("Busqueda de bloques publicitarios");
    Width(3240);
    Height(4560);
    LISTA.Move(120, 120, 3000, 4320);
    LISTA.DataSource(Data1);
}

void F_Buscar_BLoques::Form_Load()
{
    Data1.DatabaseName = DornaPath();
    Data1.RecordSource = "SELECT HORA,TIEMPO_VER FROM BLOQUES ORDER BY HORA";
    Data1.Refresh();
}

void F_Buscar_BLoques::Form_Resize()
{
    LISTA.FormatString("|<Bloque|>Duración");
    LISTA.ColWidth(0, 1);
    LISTA.ColWidth(1, 1500);
    LISTA.ColWidth(2, 1100);
}

void F_Buscar_BLoques::LISTA_DblClick()
{
    if (LISTA.Rows() <= 1)
        return;
    QTime Hora = jet::Value::ParseDateTime(LISTA.TextMatrix(LISTA.Row(), 1)).toTime();
    forms::Get<F_BLoques>().BuscarBLoques(Hora);
    Unload();
}
