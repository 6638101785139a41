#include "ProgramacionAbierta.h"

#include "F_Programacion.h"
#include "SqlTexto.h"

#include "forms/MsgBox.h"

std::optional<jet::Recordset> FilasConHoraLibre(jet::Database& db, const QTime& Hora)
{
    const QString& Nombre = forms::Get<F_Programacion>().Programacion_Nombre;
    jet::Recordset Filas = db.OpenRecordset("SELECT * FROM PROGRAMACION WHERE PROGRAMACION=" + SqlTexto(Nombre));
    Filas.FindFirst("HORA=" + SqlHora(Hora));
    if (!Filas.NoMatch()) {
        forms::MsgBox("La hora de inicio ya existe", 0);
        return std::nullopt;
    }
    return Filas;
}

void RecargarProgramacion()
{
    F_Programacion& Programacion = forms::Get<F_Programacion>();
    Programacion.Data_Programacion.RecordSource =
        "SELECT HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO FROM PROGRAMACION WHERE PROGRAMACION = " +
        SqlTexto(Programacion.Programacion_Nombre) + " ORDER BY HORA";
    Programacion.Data_Programacion.Refresh();
    Programacion.PonerTitulos();
}
