// The collation and functions the translated SQL relies on, installed on every
// connection: collation ES (SpanishCollation), like() with the engine's patterns,
// jet_dateadd(interval, number, date) and jet_format(date, 'hh:mm:ss').
#pragma once

struct sqlite3;

namespace jet::detail {

void InstallSqlFunctions(sqlite3* handle);

}  // namespace jet::detail
