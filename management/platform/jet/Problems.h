// SQLite's refusals in the program's words: the cause a user can act on (a
// full disk, a file locked by another program, read-only or damaged) for the
// faults of the storage, and the table, column or syntax for the others.
#pragma once

#include <QString>
#include <chrono>

namespace jet::detail {

// code: SQLite's extended result code; message: SQLite's own text; waited:
// how long the statement waited for another program's lock.
QString SpanishProblem(int code, const QString& message, std::chrono::milliseconds waited);

// A fault of the file or the disk, not of the statement: whatever the form
// does with it, nothing of the action can be written.
bool IsStorageFault(int code);

}  // namespace jet::detail
