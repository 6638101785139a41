// A transaction keeps its changes together: every database of the program
// sees them at once, other programs only after Commit, and without Commit,
// or after a fault of the disk or the file, nothing is written.
#include "StationFolder.h"

#include "support/FullDisk.h"
#include "support/OtherProgram.h"

#include "jet/Engine.h"
#include "jet/Error.h"
#include "jet/Transaction.h"

#include <optional>
#include <sqlite3.h>

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

TEST_F(TransactionTest, EveryDatabaseOfTheProgramSeesTheChangesAtOnce)
{
    jet::Transaction transaction;
    jet::Database a = Open();
    jet::Database b = jet::DBEngine().OpenDatabase(Path(QStringLiteral("dorna.mdb")));
    Insert(a, 1);
    EXPECT_EQ(Numbers(b), QStringList({"1"}));
    EXPECT_EQ(Numbers(dorna), QStringList({"1"})) << "opened before the transaction";
    jet::Recordset rows = b.OpenRecordset(QStringLiteral("SELECT NUMERO,NOMBRE FROM CLIENTES"));
    rows.Edit();
    rows.Fields(QStringLiteral("NOMBRE")) = QStringLiteral("Cambiado");
    rows.Update();
    EXPECT_EQ(Rows(a, QStringLiteral("SELECT NOMBRE FROM CLIENTES")), QStringList({"Cambiado"}));
    transaction.Commit();
}

TEST_F(TransactionTest, OtherProgramsSeeTheChangesOnlyAfterCommit)
{
    OtherProgram other(Path(QStringLiteral("Dorna.MDB")));
    std::optional<jet::Transaction> transaction(std::in_place);
    jet::Database inside = Open();
    Insert(inside, 1);
    Insert(inside, 2);
    EXPECT_EQ(other.Numbers("SELECT NUMERO FROM CLIENTES ORDER BY NUMERO"), QStringList());
    EXPECT_EQ(other.Run("BEGIN IMMEDIATE"), SQLITE_BUSY) << "the file is not locked for writing";
    transaction->Commit();
    EXPECT_EQ(other.Numbers("SELECT NUMERO FROM CLIENTES ORDER BY NUMERO"), QStringList({"1", "2"}));
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
        Insert(inside, 2);  // refused: the number exists
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

TEST_F(TransactionTest, ASecondCommitIsRefused)
{
    jet::Transaction first;
    first.Commit();
    EXPECT_THROW(first.Commit(), jet::Error);
    jet::Transaction next;
    next.Commit();
}

TEST_F(TransactionTest, OneOpenedInsideAnotherIsPartOfIt)
{
    OtherProgram other(Path(QStringLiteral("Dorna.MDB")));
    {
        jet::Transaction outer;
        Insert(dorna, 1);
        {
            jet::Transaction inner;
            Insert(dorna, 2);
            inner.Commit();
        }
        EXPECT_EQ(other.Numbers("SELECT NUMERO FROM CLIENTES ORDER BY NUMERO"), QStringList())
            << "the inner Commit wrote";
        {
            jet::Transaction undone;
            Insert(dorna, 3);
        }
        outer.Commit();
    }
    EXPECT_EQ(other.Numbers("SELECT NUMERO FROM CLIENTES ORDER BY NUMERO"), QStringList({"1", "2", "3"}));
}

// A statement that fails at the end undoes the ones before it, through
// databases and recordsets alike.
TEST_F(TransactionTest, AFailedLastStatementLeavesNothingOfTheOthers)
{
    Insert(dorna, 1);
    jet::Recordset clients = dorna.OpenRecordset(QStringLiteral("SELECT * FROM CLIENTES ORDER BY NUMERO"));
    try {
        jet::Transaction transaction;
        Open().Execute(QStringLiteral("UPDATE CLIENTES SET NOMBRE='cambiado'"));
        clients.AddNew();
        clients.Fields(QStringLiteral("NUMERO")) = 2;
        clients.Update();
        clients.MoveFirst();
        clients.Delete();
        Insert(dorna, 2);
        transaction.Commit();
        FAIL() << "the second advertiser 2 was taken";
    } catch (const jet::Error&) {
    }
    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT NUMERO,NOMBRE FROM CLIENTES")), QStringList({"1|Cliente 1"}));
    // The recordset shows its rows as the file holds them again.
    EXPECT_EQ(clients.RecordCount(), 1);
    clients.MoveFirst();
    EXPECT_EQ(clients.Fields(QStringLiteral("NUMERO")).Value().toInt(), 1);
    clients.AddNew();
    clients.Fields(QStringLiteral("NUMERO")) = 2;
    clients.Update();
    EXPECT_EQ(clients.RecordCount(), 2);
}

class FullDiskTransaction : public TransactionTest {
protected:
    FullDisk disk;  // before the fixture's files are opened
};

TEST_F(FullDiskTransaction, AFullDiskFailsTheStatementThatFilledItAndUndoesTheRest)
{
    jet::Database database = Open();
    {
        jet::Transaction transaction;
        Insert(database, 1);
        disk.Fill();
        try {
            // A name long enough to need room that the files do not have yet.
            database.Execute(
                QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (2,'%1')").arg(QString(100000, u'x')));
            FAIL() << "written on a full disk";
        } catch (const jet::Error& error) {
            for (const QString& named : {QStringLiteral("disco está lleno"), Path(QStringLiteral("Dorna.MDB")),
                                         QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (2,")})
                EXPECT_TRUE(error.Text().contains(named)) << error.what();
        }
        disk.Free();
        // The caller went on as if nothing had happened: nothing more is written.
        EXPECT_THROW(Insert(database, 3), jet::Error);
        EXPECT_THROW(transaction.Commit(), jet::Error);
    }
    EXPECT_EQ(Numbers(dorna), QStringList());
    Insert(database, 4);
    EXPECT_EQ(Numbers(dorna), QStringList({"4"}));
}

TEST_F(FullDiskTransaction, ACommitThatFailsNamesWhatItWasWriting)
{
    jet::Recordset clients = dorna.OpenRecordset(QStringLiteral("SELECT * FROM CLIENTES"));
    try {
        jet::Transaction transaction;
        clients.AddNew();
        clients.Fields(QStringLiteral("NUMERO")) = 7;
        clients.Fields(QStringLiteral("NOMBRE")) = QStringLiteral("Bar Pepe");
        clients.Update();
        disk.Fill();
        transaction.Commit();
        FAIL() << "committed on a full disk";
    } catch (const jet::Error& error) {
        for (const QString& named :
             {QStringLiteral("disco está lleno"), Path(QStringLiteral("Dorna.MDB")), QStringLiteral("COMMIT"),
              QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (7,'Bar Pepe')")})
            EXPECT_TRUE(error.Text().contains(named)) << error.what();
    }
    disk.Free();
    EXPECT_EQ(Numbers(dorna), QStringList());
    EXPECT_EQ(clients.RecordCount(), 0);
}

// A recordset opened inside the transaction is still being read from its
// file when the disk fills up; once undone, the file works as before.
TEST_F(FullDiskTransaction, AfterAFullDiskTheFilesWorkAgain)
{
    QStringList values;
    for (int numero = 1; numero <= 3000; ++numero)
        values << QStringLiteral("(%1,'c')").arg(numero);
    dorna.Execute("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES " + values.join(','));
    jet::Recordset clients;
    {
        jet::Transaction transaction;
        dorna.Execute(QStringLiteral("DELETE * FROM CLIENTES WHERE NUMERO > 2000"));
        clients = dorna.OpenRecordset(QStringLiteral("SELECT NUMERO FROM CLIENTES ORDER BY NUMERO"));
        disk.Fill();
        EXPECT_THROW(dorna.Execute(QStringLiteral(
                         "INSERT INTO CLIENTES (NUMERO,NOMBRE) SELECT NUMERO+10000,NOMBRE FROM CLIENTES")),
                     jet::Error);
        disk.Free();
    }
    EXPECT_NO_THROW(Insert(dorna, 5000));
    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT count(*) FROM CLIENTES")), QStringList{"3001"});
    jet::Database other = Open();
    EXPECT_EQ(Rows(other, QStringLiteral("SELECT count(*) FROM CLIENTES")), QStringList{"3001"});
}

// While the program waits for the user nothing stays locked; what was
// written before the pause stays written whatever comes after it.
TEST_F(TransactionTest, APauseWritesWhatWasChangedAndSetsTheTransactionAside)
{
    OtherProgram other(Path(QStringLiteral("Dorna.MDB")));
    {
        jet::Transaction transaction;
        Insert(dorna, 1);
        {
            const jet::TransactionPause pause;
            EXPECT_FALSE(jet::Transaction::Open());
            EXPECT_EQ(other.Numbers("SELECT NUMERO FROM CLIENTES ORDER BY NUMERO"), QStringList({"1"}));
            EXPECT_EQ(other.Run("BEGIN IMMEDIATE"), SQLITE_OK);
            EXPECT_EQ(other.Run("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (2,'Otro')"), SQLITE_OK);
            EXPECT_EQ(other.Run("COMMIT"), SQLITE_OK);
            jet::Transaction meanwhile;
            Insert(dorna, 3);
            meanwhile.Commit();
        }
        EXPECT_TRUE(jet::Transaction::Open());
        EXPECT_TRUE(transaction.PartWritten());
        Insert(dorna, 4);
    }
    EXPECT_EQ(Numbers(dorna), QStringList({"1", "2", "3"}));
}

}  // namespace
