// Translation of the SQL the forms write into SQLite's SQL: #...# literals,
// Date(), "text" literals, DELETE * FROM, UPDATE A,B SET A.x = ... WHERE join
// (as UPDATE A SET x = ... FROM B WHERE join), DateAdd and Format (as the
// engine's functions), a closing ";", and names spelt in another case
// (through the resolver, for names with letters beyond ASCII).
#pragma once

#include <QString>
#include <functional>

namespace jet::detail {

struct Translation {
    QString sql;
    QString keyword;        // first word, upper case: SELECT, UPDATE, ...
    QString table;          // a SELECT of one table that rows can be written to
    QString sqlWithRowid;   // that SELECT with the row id as its first column
};

using NameResolver = std::function<QString(const QString&)>;

// Throws jet::Error naming the statement for a literal that is no date or time.
Translation Translate(const QString& jetSql, const NameResolver& resolveName);

} // namespace jet::detail
