// Moving values between SQLite and jet::Value: reading a result column by the
// kind of its table column, converting an assigned value to what the column
// holds (text to a date/time column is read day first, digits to a number
// column become a number, a whole-number column refuses a fraction and what
// a Long cannot hold), and binding a value to a statement parameter.
#pragma once

#include "Connection.h"
#include "jet/Value.h"

#include <QByteArray>
#include <QHash>

struct sqlite3_stmt;

namespace jet::detail {

// Short texts that repeat down a column (a style, "-Vacio-", a length) are
// read once and shared, which keeps a large recordset small; a column whose
// texts keep differing stops being pooled.
class TextPool {
public:
    QString Text(const char* utf8, int length);

private:
    QHash<QByteArray, QString> texts_;
    int misses_ = 0;
};

Value ReadColumn(sqlite3_stmt* statement, int index, ColumnKind kind, TextPool* pool = nullptr);
// Throws jet::Error naming the column for a value it cannot hold.
Value ConvertForColumn(const Value& value, ColumnKind kind, const QString& column);
void BindValue(sqlite3_stmt* statement, int parameter, const Value& value);

}  // namespace jet::detail
