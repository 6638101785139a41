// jet::Database: one open database file (an owning handle; closed when it is
// destroyed or by Close()). Obtained from jet::DBEngine().OpenDatabase(path).
//
//   jet::Database db = jet::DBEngine().OpenDatabase(DornaPath());
//   db.Execute("DELETE * FROM PUBLICIDAD_CONTENIDO WHERE FECHA1 < Date()");
//   jet::Recordset rs = db.OpenRecordset("SELECT * FROM BLOQUES ORDER BY HORA");
//
// Statements are written in the dialect the forms use and translated for
// SQLite: #hh:mm:ss# and #MM/DD/YY# literals, Date(), LIKE with * ? # and
// [list] (case-insensitive, also on number columns), DateAdd('s', n, t),
// Format(t, 'hh:mm:ss'), UPDATE A,B SET A.x = B.y WHERE join,
// DELETE * FROM, a closing ";", names in any case, "text" literals.
// Every change is visible to every later read; a jet::Transaction keeps
// changes together. A recordset
// keeps its file open after the Database is closed or gone.
#pragma once

#include "jet/Recordset.h"

#include <QString>
#include <memory>

namespace jet {

namespace detail {
class Connection;
}

class Database {
public:
    Database();
    ~Database();
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;

    bool IsOpen() const;
    QString Name() const;  // the path it was opened with

    void Execute(const QString& sql);
    Recordset OpenRecordset(const QString& sql);
    void Close();

private:
    friend class Engine;
    explicit Database(std::shared_ptr<detail::Connection> connection);

    std::shared_ptr<detail::Connection> connection_;
};

}  // namespace jet
