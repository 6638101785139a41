// Creating the database files the program needs when they are missing, called
// once at start before the menu opens:
//
//   CreateMissingDatabases(ProgramFolder());
//
// Dorna.MDB, MUSICA.MDB and CONTINUIDAD.MDB are each created with all their
// tables and indexes when absent; a file that exists is never touched. A file
// is built under a temporary name and renamed at the end, so a failure leaves
// no half-made database behind. Failures throw jet::Error.
#pragma once

#include <QString>

void CreateMissingDatabases(const QString& folder);
