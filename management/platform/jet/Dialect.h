// Translation of the SQL the forms write into SQLite's SQL: #...# literals,
// Date(), "text" literals, DELETE * FROM, UPDATE A,B SET A.x = ... WHERE join
// (as UPDATE A SET x = ... FROM B WHERE join), DateAdd and Format (as the
// engine's functions), a closing ";", and names spelt in another case
// (through the resolver, for names with letters beyond ASCII).
#pragma once

#include <QString>
#include <functional>

namespace jet::detail {

// A SELECT of one table, whose rows can be written to, in the pieces a
// recordset reads it by: the row ids in the SELECT's order, then the values of
// a row by its id.
struct TableSelect {
    QString table;  // empty when the SELECT is not of this kind
    QString withRowid;  // the SELECT with the row id as its last column
    QString keys;  // the row ids, in the SELECT's order, as the last column
    QString keysBackwards;  // the row ids alone from the last, when the order allows
    QString row;  // the SELECT's columns of the row whose id is the parameter
    QString count;  // how many rows the SELECT gives
    QString matching;  // the ids of its rows WHERE ... (Matching adds the condition)

    // Ids of the SELECT's rows that also meet a condition.
    QString Matching(const QString& condition) const;
};

struct Translation {
    QString sql;
    QString keyword;  // first word, upper case: SELECT, UPDATE, ...
    TableSelect select;
};

using NameResolver = std::function<QString(const QString&)>;

// Throws jet::Error naming the statement for a literal that is no date or time.
Translation Translate(const QString& jetSql, const NameResolver& resolveName);

}  // namespace jet::detail
