#include "programming/ProgramacionAbierta.h"

#include "programming/F_Programacion.h"
#include "station/SqlTexto.h"

#include "forms/MsgBox.h"

namespace {

F_Programacion* ProgramacionCargada()
{
    forms::Form* form = forms::detail::FindForm(typeid(F_Programacion));
    return form && form->Loaded() ? static_cast<F_Programacion*>(form) : nullptr;
}

}  // namespace

QString NombreProgramacionAbierta()
{
    F_Programacion* Programacion = ProgramacionCargada();
    return Programacion ? Programacion->Programacion_Nombre : QString();
}

std::optional<jet::Recordset> FilasConHoraLibre(jet::Database& db, const QTime& Hora)
{
    jet::Recordset Filas =
        db.OpenRecordset("SELECT * FROM PROGRAMACION WHERE PROGRAMACION=" + SqlTexto(NombreProgramacionAbierta()));
    Filas.FindFirst("HORA=" + SqlHora(Hora));
    if (!Filas.NoMatch()) {
        forms::MsgBox("La hora de inicio ya existe", forms::vbOKOnly);
        return std::nullopt;
    }
    return Filas;
}

void RecargarProgramacion()
{
    F_Programacion* Programacion = ProgramacionCargada();
    if (!Programacion)
        return;
    Programacion->Data_Programacion.RecordSource =
        "SELECT HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO FROM PROGRAMACION WHERE PROGRAMACION = "
        + SqlTexto(Programacion->Programacion_Nombre) + " ORDER BY HORA";
    Programacion->Data_Programacion.Refresh();
    Programacion->PonerTitulos();
}
