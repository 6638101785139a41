// The database files of the program folder at start: Dorna.MDB, MUSICA.MDB
// and CONTINUIDAD.MDB, each made with all its tables and indexes when it is
// missing or has no bytes, and otherwise only read.
//
//   StartWithDatabases(ProgramFolder(), [] { forms::Get<F_Menu>().Show(); });
//
// CreateMissingDatabases looks at every file before it makes any: a file
// that cannot be used (not a database, damaged, lacking a table or a column
// the forms use, read-only where the program writes, not a plain file, locked
// by another program, the only copy of its rows in its log) is named with
// what is wrong, one line each, in a jet::Error, and then no file is made or
// changed (a change that a crash left half made is undone first, as any
// opening of the file would, when nothing else is wrong). A file is built
// under a hidden name and put in place at the end, and the files are made
// all of them or none, so a failure leaves no half-made database behind.
//
// StartWithDatabases does the same and then runs the menu's start; when that
// fails too (a full disk, a lock held too long), what the start made is taken
// away before the error goes on: the databases it created, the logs and
// indexes SQLite made beside the files, the folder. Either way the next
// start, once the cause is gone, finds the folder as this one did.
#pragma once

#include <QString>

#include <functional>

void CreateMissingDatabases(const QString& folder);
void StartWithDatabases(const QString& folder, const std::function<void()>& menu);
