// jet::Error: every failure of the database layer (missing file, table or
// column, a statement SQLite refuses, a value a column cannot hold).
// what() is the text shown to the user; it names the path, table, column or
// statement involved.
//
//   try { db.Execute(sql); } catch (const jet::Error& e) { MsgBox(e.what()); }
#pragma once

#include <QString>
#include <stdexcept>

namespace jet {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()) {}

    QString Text() const { return QString::fromUtf8(what()); }
};

}  // namespace jet
