// jet::CreateDatabaseFile(path, design): makes a database file with its
// tables where there is none, or where a file of no bytes stands (through a
// link, in the file the link leads to; the link stays). The file is built
// under a hidden name beside it and put in place whole at the end, so that a
// failure leaves nothing behind:
//
//   jet::CreateDatabaseFile(folder + "/Dorna.MDB", {16384, true, statements});
//
// Returns false, leaving it as it is, when another program made the file in
// the meantime. Throws jet::Error naming the file (never the hidden one) and
// the cause: the folder is read-only, the disk is full...
#pragma once

#include <QString>
#include <QStringList>

namespace jet {

struct FileDesign {
    int pageSize;  // bytes a page, fixed when the file is made
    bool writeAheadLog;  // else the ordinary rollback journal
    QStringList statements;  // CREATE TABLE and CREATE INDEX, in SQLite's SQL
};

bool CreateDatabaseFile(const QString& path, const FileDesign& design);

}  // namespace jet
