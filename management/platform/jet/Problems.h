// SQLite's refusals of a statement in the program's words: the fault of the
// file or the disk that a user can act on (a full disk, a file locked by
// another program, read-only or damaged), or the table, column or syntax.
#pragma once

#include <QString>
#include <chrono>

struct sqlite3;

namespace jet::detail {

// code: the extended result code of the call that failed on handle;
// message: SQLite's own text; waited: how long the call waited for another
// program's lock.
QString SpanishProblem(sqlite3* handle, int code, const QString& message, std::chrono::milliseconds waited);

}  // namespace jet::detail
