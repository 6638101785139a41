// The data control as grids use it: reopened on Refresh, the same recordset
// object throughout, a signal after every refresh, rows read by index.
#include "StationFolder.h"

#include "jet/DataControl.h"
#include "jet/Error.h"

using DataControls = StationFolder;

TEST_F(DataControls, TableNameListsTheTableAndRefreshShowsNewRows)
{
    jet::DataControl data;
    int refreshes = 0;
    QObject::connect(&data, &jet::DataControl::Refreshed, [&refreshes] { ++refreshes; });
    data.DatabaseName = Path(QStringLiteral("Dorna.MDB"));
    data.RecordSource = QStringLiteral("CLIENTES");
    jet::Recordset& recordset = data.Recordset();
    EXPECT_EQ(recordset.RecordCount(), 0);
    EXPECT_EQ(recordset.FieldCount(), 7);
    EXPECT_EQ(recordset.FieldName(0), QStringLiteral("NUMERO"));

    dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (2,'Dos'), (1,'Uno')"));
    data.RecordSource = QStringLiteral("SELECT NOMBRE, NUMERO FROM CLIENTES ORDER BY NUMERO");
    data.Refresh();
    EXPECT_EQ(&data.Recordset(), &recordset);
    EXPECT_EQ(refreshes, 2);
    ASSERT_EQ(recordset.RecordCount(), 2);
    EXPECT_EQ(recordset.ValueAt(1, 0).toString(), QStringLiteral("Dos"));
    EXPECT_EQ(recordset.ValueAt(0, 1).toInt(), 1);
}

TEST_F(DataControls, WithoutADatabaseNameRefreshFails)
{
    jet::DataControl data;
    data.RecordSource = QStringLiteral("CLIENTES");
    EXPECT_THROW(data.Refresh(), jet::Error);
}

TEST_F(DataControls, TableNameOpensInTheOrderOfItsUniqueKeySoTheLastRowHasTheGreatest)
{
    dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (7,'Siete'), (2,'Dos'), (5,'Cinco')"));
    jet::DataControl data;
    data.DatabaseName = Path(QStringLiteral("Dorna.MDB"));
    data.RecordSource = QStringLiteral("CLIENTES");
    jet::Recordset& recordset = data.Recordset();
    recordset.MoveLast();
    EXPECT_EQ(recordset.Fields(QStringLiteral("NUMERO")).Value().toInt(), 7);
    recordset.MoveFirst();
    EXPECT_EQ(recordset.Fields(QStringLiteral("NUMERO")).Value().toInt(), 2);

    // A table without a unique key opens as it stands.
    data.RecordSource = QStringLiteral("DIAS");
    data.Refresh();
    EXPECT_EQ(data.Recordset().RecordCount(), 0);
}
