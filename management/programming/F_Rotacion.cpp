#include "programming/F_Rotacion.h"

#include "programming/ProgramacionAbierta.h"
#include "station/ProgramFolder.h"

#include "jet/Engine.h"

void F_Rotacion::Design()
{
    DialogoHoraInicio::Design();
    Caption("Rotación");
}

void F_Rotacion::Command1_Click()
{
    const QString Inicio = T_hora.Value().time().toString("hh:mm:ss");
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    std::optional<jet::Recordset> Filas = FilasConHoraLibre(Db, T_hora.Value().time());
    if (!Filas)
        return;

    Filas->AddNew();
    Filas->Fields("PROGRAMACION") = NombreProgramacionAbierta();
    Filas->Fields("HORA") = Inicio;
    Filas->Fields("DESCRIPCION") = L_Nombre.Caption();
    Filas->Fields("TIEMPO_VER") = QString("Indefinido");
    Filas->Fields("TIPO") = QString("ROT");
    Filas->Fields("FICHERO") = QString("ROTACION");
    Filas->Fields("FIN") = Inicio;
    Filas->Update();
    Filas->Close();
    Db.Close();

    RecargarProgramacion();
    Unload();
}
