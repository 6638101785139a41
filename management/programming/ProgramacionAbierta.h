// The programming open in F_Programacion, as the dialogs that add rows to it
// or create it see it: its rows with a start time checked against them, and
// the reload of the editor's grid after a change.
//
//   jet::Database db = jet::DBEngine().OpenDatabase(DornaPath());
//   std::optional<jet::Recordset> filas = FilasConHoraLibre(db, hora);
//   if (!filas) return;                 // "La hora de inicio ya existe" shown
//   filas->AddNew(); ... filas->Update();
//   RecargarProgramacion();
#pragma once

#include "jet/Database.h"
#include "jet/Recordset.h"

#include <QString>
#include <QTime>

#include <optional>

// Name of the programming open in the editor; empty when the editor is not
// loaded. The editor is not created for this: reached from the program
// editor, a hidden programming editor would keep the program running after
// the menu closes.
QString NombreProgramacionAbierta();

// The rows of the open programming, or nothing when one of them (of any kind)
// starts at Hora: then "La hora de inicio ya existe" has been shown.
std::optional<jet::Recordset> FilasConHoraLibre(jet::Database& db, const QTime& Hora);

// The editor's grid reloaded with the rows of its Programacion_Nombre, when
// the editor is loaded.
void RecargarProgramacion();
