// jet::DBEngine(): the one database engine of the process, created on first use.
//
//   jet::Database db = jet::DBEngine().OpenDatabase(folder + "/Dorna.MDB");
//
// OpenDatabase opens an existing file only (a missing file is a jet::Error
// naming the path); the file name is matched without regard to case and "\"
// is taken as a folder separator. A file that another program holds locked is
// waited for a few seconds before the statement fails. CreateDatabase makes a
// new empty file and refuses one that exists.
#pragma once

#include "jet/Database.h"

#include <QString>

namespace jet {

class Engine {
public:
    Database OpenDatabase(const QString& path);
    Database CreateDatabase(const QString& path);
};

Engine& DBEngine();

} // namespace jet
