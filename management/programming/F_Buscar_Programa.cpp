#include "programming/F_Buscar_Programa.h"

#include "programming/F_PLaylist.h"
#include "station/ProgramFolder.h"

F_Buscar_Programa::F_Buscar_Programa()
    : ListaConsulta({.Base = DornaPath,
                     .Sql = "SELECT HORA,NOMBRE,REALIZACION,TIEMPO_VER FROM PROGRAMAS ORDER BY HORA",
                     .Cabecera = "|>Hora|<Nombre|<Realización|>Tiempo",
                     .Anchos = {1, 700, 2500, 2100, 700}})
{
}

void F_Buscar_Programa::Design()
{
    Caption("Buscar Playlist");
    Width(6480);
    Height(4560);
    LISTA.Move(120, 120, 6240, 4320);
}

void F_Buscar_Programa::Elegir(int Fila)
{
    F_PLaylist& Playlist = forms::Get<F_PLaylist>();
    Playlist.L_Nombre.Caption(LISTA.TextMatrix(Fila, 2));
    const jet::Value Hora = jet::Value::ParseDateTime(LISTA.TextMatrix(Fila, 1));
    // A program without a start time leaves the picker at its own.
    if (!Hora.IsNull())
        Playlist.T_hora.Value(Hora.toTime());
    Playlist.Show(forms::vbModal);
}
