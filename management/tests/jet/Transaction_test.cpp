// A transaction keeps its changes together: the databases opened while it
// lives see one another's changes at once, others only after Commit, and
// without Commit nothing is written.
#include "StationFolder.h"

#include "jet/Engine.h"
#include "jet/Error.h"
#include "jet/Transaction.h"

#include <optional>

namespace {

class TransactionTest : public StationFolder {
protected:
    static void Insert(jet::Database& database, int numero)
    {
        database.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (%1,'Cliente %1')").arg(numero));
    }

    QStringList Numbers(jet::Database& database)
    {
        return Rows(database, QStringLiteral("SELECT NUMERO FROM CLIENTES ORDER BY NUMERO"));
    }

    jet::Database Open() { return jet::DBEngine().OpenDatabase(Path(QStringLiteral("Dorna.MDB"))); }
};

TEST_F(TransactionTest, DatabasesOpenedInsideSeeEachOthersChangesAtOnce)
{
    jet::Transaction transaction;
    jet::Database a = Open();
    jet::Database b = jet::DBEngine().OpenDatabase(Path(QStringLiteral("dorna.mdb")));
    Insert(a, 1);
    EXPECT_EQ(Numbers(b), QStringList({"1"}));
    jet::Recordset rows = b.OpenRecordset(QStringLiteral("SELECT NUMERO,NOMBRE FROM CLIENTES"));
    rows.Edit();
    rows.Fields(QStringLiteral("NOMBRE")) = QStringLiteral("Cambiado");
    rows.Update();
    EXPECT_EQ(Rows(a, QStringLiteral("SELECT NOMBRE FROM CLIENTES")), QStringList({"Cambiado"}));
    transaction.Commit();
}

TEST_F(TransactionTest, OthersSeeTheChangesOnlyAfterCommit)
{
    std::optional<jet::Transaction> transaction(std::in_place);
    jet::Database inside = Open();
    Insert(inside, 1);
    Insert(inside, 2);
    EXPECT_EQ(Numbers(dorna), QStringList());
    transaction->Commit();
    EXPECT_EQ(Numbers(dorna), QStringList({"1", "2"}));
    transaction.reset();
    EXPECT_EQ(Numbers(dorna), QStringList({"1", "2"}));
}

TEST_F(TransactionTest, WithoutCommitNothingIsWritten)
{
    Insert(dorna, 1);
    try {
        jet::Transaction transaction;
        jet::Database inside = Open();
        inside.Execute(QStringLiteral("DELETE * FROM CLIENTES"));
        Insert(inside, 2);
        Insert(inside, 2);   // refused: the number exists
        transaction.Commit();
        FAIL() << "no error";
    } catch (const jet::Error&) {
    }
    EXPECT_EQ(Numbers(dorna), QStringList({"1"}));
}

TEST_F(TransactionTest, AfterItDatabasesWorkOnTheirOwn)
{
    jet::Database kept;
    {
        jet::Transaction transaction;
        kept = Open();
        Insert(kept, 1);
        transaction.Commit();
    }
    jet::Database later = Open();
    Insert(kept, 2);
    Insert(later, 3);
    EXPECT_EQ(Numbers(dorna), QStringList({"1", "2", "3"}));
}

TEST_F(TransactionTest, OneAtATime)
{
    jet::Transaction first;
    EXPECT_THROW(jet::Transaction second, jet::Error);
    first.Commit();
    EXPECT_THROW(first.Commit(), jet::Error);
    jet::Transaction next;
    next.Commit();
}

} // namespace
