// Why a database file could not be read, written or made, said in the
// program's language as the end of a sentence: "el disco está lleno".
//
//   throw Error("No se puede leer la base de datos «" + path + "»: " + CauseOfSqliteError(handle, code) + ".");
#pragma once

#include <QString>

struct sqlite3;

namespace jet::detail {

// As long as the engine waits for a lock held by another program.
constexpr int lockWaitMs = 10000;

// An errno value.
QString CauseOfSystemError(int error);
// code is the extended result code of the call that failed on handle (which
// may be null when the file could not be opened at all).
QString CauseOfSqliteError(sqlite3* handle, int code);

}  // namespace jet::detail
