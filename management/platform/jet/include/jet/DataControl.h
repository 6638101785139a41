// jet::DataControl: the data-bound control of a form. It holds a database name
// and a record source (a table name or a SELECT) and, on Refresh, opens the
// database and the recordset anew. Grids bind to it: they read the rows by
// index from Recordset() and redraw on the Refreshed signal.
//
//   Data1.DatabaseName = ProgramFolder() + "/Dorna.MDB";
//   Data1.RecordSource = "SELECT * FROM CLIENTES ORDER BY NOMBRE";
//   Data1.Refresh();
//   Data1.Recordset().FindFirst("NUMERO=7");
//
// Recordset() keeps returning the same object across Refresh calls; before the
// first Refresh it refreshes once if a database name and record source are set.
#pragma once

#include "jet/Database.h"
#include "jet/Recordset.h"

#include <QObject>
#include <QString>

namespace jet {

class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);
    ~DataControl() override;

    QString Connect = QStringLiteral("Access 2000;");
    QString DatabaseName;
    QString RecordSource;

    void Refresh();
    jet::Recordset& Recordset();

signals:
    void Refreshed();

private:
    Database database_;
    jet::Recordset recordset_;
    bool opened_ = false;
};

}  // namespace jet
