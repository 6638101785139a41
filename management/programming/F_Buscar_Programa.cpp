#include "programming/F_Buscar_Programa.h"

#include "programming/F_PLaylist.h"
#include "station/ProgramFolder.h"

F_Buscar_Programa::F_Buscar_Programa()
{
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
}

void F_Buscar_Programa::Design()
{
    Caption("Buscar Playlist");
    Width(6480);
    Height(4560);
    LISTA.Move(120, 120, 6240, 4320);
    LISTA.DataSource(Data1);
}

void F_Buscar_Programa::Form_Load()
{
    Data1.DatabaseName = DornaPath();
    Data1.RecordSource = "SELECT HORA,NOMBRE,REALIZACION,TIEMPO_VER FROM PROGRAMAS ORDER BY HORA";
    Data1.Refresh();
}

void F_Buscar_Programa::Form_Resize()
{
    LISTA.FormatString("|>Hora|<Nombre|<Realización|>Tiempo");
    LISTA.ColWidth(0, 1);
    LISTA.ColWidth(1, 700);
    LISTA.ColWidth(2, 2500);
    LISTA.ColWidth(3, 2100);
    LISTA.ColWidth(4, 700);
}

void F_Buscar_Programa::LISTA_DblClick()
{
    if (LISTA.Rows() <= 1)
        return;
    F_PLaylist& Playlist = forms::Get<F_PLaylist>();
    Playlist.L_Nombre.Caption(LISTA.TextMatrix(LISTA.Row(), 2));
    const jet::Value Hora = jet::Value::ParseDateTime(LISTA.TextMatrix(LISTA.Row(), 1));
    // A program without a start time leaves the picker at its own.
    if (!Hora.IsNull())
        Playlist.T_hora.Value(Hora.toTime());
    Playlist.Show(forms::vbModal);
}
