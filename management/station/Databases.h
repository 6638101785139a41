// Creating the database files the program needs when they are missing, called
// once at start before the menu opens:
//
//   CreateMissingDatabases(ProgramFolder());
//
// Dorna.MDB, MUSICA.MDB and CONTINUIDAD.MDB are each created with all their
// tables and indexes when absent or of no bytes; any other file that exists is
// only read (a change that a crash left half-made is undone first, as any
// opening of it would). A file is built under a temporary name and renamed at
// the end, so a failure leaves no half-made database behind. Failures throw
// jet::Error: files that are not databases, are damaged or lack a table or a
// column the forms use are named with what is wrong in one text, and then no
// file is created or changed.
#pragma once

#include <QString>

void CreateMissingDatabases(const QString& folder);
