// The program's folder, where the three database files live: the folder named
// by the environment variable VARNOOK_DATA_DIR when it is set (tests, read-only
// installs), else the folder of the executable.
//
//   jet::Database db = jet::DBEngine().OpenDatabase(DornaPath());
//   Data1.DatabaseName = MusicaPath();
#pragma once

#include <QString>

QString ProgramFolder();

QString DornaPath();  // ProgramFolder() + "/Dorna.MDB"
QString MusicaPath();  // ProgramFolder() + "/MUSICA.MDB"
QString ContinuidadPath();  // ProgramFolder() + "/CONTINUIDAD.MDB"
