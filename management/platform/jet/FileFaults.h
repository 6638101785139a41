// Why a database file could not be read, written or made, said in the
// program's language as the end of a sentence: "el disco está lleno". The
// start and the statements of the forms name a file's faults in these words.
//
//   throw Error("No se puede leer la base de datos «" + path + "»: " + CauseOfSqliteError(handle, code, waited) + ".");
#pragma once

#include <QString>
#include <chrono>

struct sqlite3;

namespace jet::detail {

// An errno value.
QString CauseOfSystemError(int error);
// code is the extended result code of the call that failed on handle (which
// may be null when the file could not be opened at all); waited, how long
// that call waited for another program's lock.
QString CauseOfSqliteError(sqlite3* handle, int code, std::chrono::milliseconds waited);

// A fault of the file or the disk, not of the statement: whatever the form
// does with it, nothing of the action can be written.
bool IsStorageFault(int code);

}  // namespace jet::detail
