// Moving values between SQLite and jet::Value: reading a result column by the
// kind of its table column, converting an assigned value to what the column
// holds (text to a date/time column is read day first, digits to a number
// column become a number), and binding a value to a statement parameter.
#pragma once

#include "Connection.h"
#include "jet/Value.h"

struct sqlite3_stmt;

namespace jet::detail {

Value ReadColumn(sqlite3_stmt* statement, int index, ColumnKind kind);
// Throws jet::Error naming the column for a value it cannot hold.
Value ConvertForColumn(const Value& value, ColumnKind kind, const QString& column);
void BindValue(sqlite3_stmt* statement, int parameter, const Value& value);

} // namespace jet::detail
