#include "programming/F_PLaylist.h"

#include "programming/ProgramacionAbierta.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "jet/Engine.h"

void F_PLaylist::Design()
{
    DialogoHoraInicio::Design();
    Caption("Playlist");
}

void F_PLaylist::Command1_Click()
{
    const QTime Inicio = T_hora.Value().time();
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset Programas = Db.OpenRecordset("SELECT * FROM PROGRAMAS;");
    std::optional<jet::Recordset> Filas = FilasConHoraLibre(Db, Inicio);
    if (!Filas)
        return;
    Programas.FindFirst("NOMBRE=" + SqlTexto(L_Nombre.Caption()));
    // No program of that name: nothing is inserted, rather than another program's length.
    if (Programas.NoMatch())
        return;
    const QTime Fin = Inicio.addSecs(Programas.Fields("TIEMPO").Value().toLongLong());

    Filas->AddNew();
    Filas->Fields("PROGRAMACION") = NombreProgramacionAbierta();
    Filas->Fields("HORA") = Inicio.toString("hh:mm:ss");
    Filas->Fields("DESCRIPCION") = L_Nombre.Caption();
    Filas->Fields("TIEMPO_VER") = Programas.Fields("TIEMPO_VER");
    Filas->Fields("TIPO") = QString("PRO");
    Filas->Fields("FICHERO") = QString("PROGRAMA");
    Filas->Fields("FIN") = Fin.toString("hh:mm:ss");
    Filas->Update();
    Filas->Close();
    Programas.Close();
    Db.Close();

    RecargarProgramacion();
    Unload();
}
