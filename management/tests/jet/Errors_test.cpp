// Faults come back as jet::Error whose text names what failed; shared files
// wait for a lock instead of failing at once.
#include "StationFolder.h"

#include "jet/Engine.h"
#include "jet/Error.h"
#include "support/OtherProgram.h"

#include <QFile>
#include <chrono>
#include <ostream>
#include <thread>
#include <vector>

namespace {

struct Fault {
    const char* name;
    QString statement;
    QStringList named;  // every one must appear in the error text
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Fault& c, std::ostream* out)
{
    *out << c.name;
}

class Faults : public StationFolder, public ::testing::WithParamInterface<Fault> {};

}  // namespace

TEST_P(Faults, ErrorNamesWhatFailed)
{
    const Fault& c = GetParam();
    try {
        dorna.OpenRecordset(c.statement);
        FAIL() << "no error for " << c.statement.toStdString();
    } catch (const jet::Error& error) {
        for (const QString& name : c.named)
            EXPECT_TRUE(error.Text().contains(name)) << error.what();
        EXPECT_TRUE(error.Text().contains(QStringLiteral("Dorna.MDB"))) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statements, Faults,
    ::testing::Values(Fault{"MissingTable",
                            QStringLiteral("SELECT * FROM BLOQUE"),
                            {QStringLiteral("BLOQUE"), QStringLiteral("SELECT * FROM BLOQUE")}},
                      Fault{"MissingColumn", QStringLiteral("SELECT HORAS FROM BLOQUES"), {QStringLiteral("HORAS")}},
                      Fault{"BadSql", QStringLiteral("SELECT FROM WHERE"), {QStringLiteral("SELECT FROM WHERE")}},
                      Fault{"SecondStatement",
                            QStringLiteral("SELECT * FROM BLOQUES; DELETE FROM BLOQUES"),
                            {QStringLiteral("DELETE FROM BLOQUES")}},
                      Fault{"BadTimeLiteral",
                            QStringLiteral("SELECT * FROM BLOQUES WHERE HORA=#25:61:00#"),
                            {QStringLiteral("#25:61:00#")}},
                      Fault{"UnknownDateAddInterval",
                            QStringLiteral("SELECT DateAdd('x', 1, #10:00:00#)"),
                            {QStringLiteral("intervalo no válido"), QStringLiteral("DateAdd('x'")}},
                      Fault{"OpenApostrophe",
                            QStringLiteral("SELECT * FROM CLIENTES WHERE NOMBRE='O'Neill'"),
                            {QStringLiteral("O'Neill")}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

using Files = StationFolder;

TEST_F(Files, MissingFileIsNamed)
{
    const QString path = Path(QStringLiteral("NoEsta.MDB"));
    try {
        jet::DBEngine().OpenDatabase(path);
        FAIL();
    } catch (const jet::Error& error) {
        EXPECT_TRUE(error.Text().contains(path)) << error.what();
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Files, FileThatIsNoDatabaseIsNamed)
{
    const QString path = Path(QStringLiteral("texto.MDB"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    try {
        jet::DBEngine().OpenDatabase(path);
        FAIL();
    } catch (const jet::Error& error) {
        EXPECT_TRUE(error.Text().contains(path)) << error.what();
    }
}

// Damage that comes after the start's check, met while reading rows.
TEST_F(Files, DamagedFileIsNamedInSpanish)
{
    const QString path = Path(QStringLiteral("dañada.MDB"));
    {
        jet::Database database = jet::DBEngine().CreateDatabase(path);
        database.Execute(QStringLiteral("CREATE TABLE DOS (NOMBRE TEXT)"));
        database.Execute(QStringLiteral("BEGIN"));
        for (int i = 0; i < 300; ++i)
            database.Execute(
                QStringLiteral("INSERT INTO DOS (NOMBRE) VALUES ('%1')").arg(QString(300, QChar('a' + i % 26))));
        database.Execute(QStringLiteral("COMMIT"));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(5 * 4096);
    file.write(QByteArray(4096, '\x5a'));
    file.close();
    try {
        jet::Recordset rows = jet::DBEngine().OpenDatabase(path).OpenRecordset(QStringLiteral("SELECT * FROM DOS"));
        for (rows.MoveFirst(); !rows.EOF(); rows.MoveNext())
            rows.Fields(0).Value();
        FAIL() << "the damage went unnoticed";
    } catch (const jet::Error& error) {
        EXPECT_TRUE(error.Text().contains(QStringLiteral("dañada"))) << error.what();
        EXPECT_TRUE(error.Text().contains(path)) << error.what();
    }
}

TEST_F(Files, NamesAreMatchedAsOnWindows)
{
    for (const QString& name : {QStringLiteral("dorna.mdb"), QStringLiteral("\\DORNA.mdb")}) {
        jet::Database database = jet::DBEngine().OpenDatabase(Folder() + (name.startsWith('\\') ? "" : "/") + name);
        EXPECT_TRUE(database.Name().endsWith(QStringLiteral("/Dorna.MDB"))) << database.Name().toStdString();
    }
}

TEST_F(Files, CreatingOverAnExistingFileIsRefused)
{
    EXPECT_THROW(jet::DBEngine().CreateDatabase(Path(QStringLiteral("Dorna.MDB"))), jet::Error);
}

TEST_F(Files, LockedDatabaseIsWaitedFor)
{
    jet::Database holder = jet::DBEngine().OpenDatabase(Path(QStringLiteral("Dorna.MDB")));
    holder.Execute(QStringLiteral("BEGIN EXCLUSIVE"));
    std::thread release([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        holder.Execute(QStringLiteral("COMMIT"));
    });
    EXPECT_NO_THROW(dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno')")));
    release.join();
}

namespace {

// What a watcher of lock waits is told, in order.
class WaitLog final : public jet::LockWaitObserver {
public:
    WaitLog() { jet::DBEngine().WatchLockWaits(this); }
    ~WaitLog() { jet::DBEngine().WatchLockWaits(nullptr); }
    WaitLog(const WaitLog&) = delete;
    WaitLog& operator=(const WaitLog&) = delete;

    void LockWaitStarted(const QString& path) override { told.push_back("started " + path); }
    void LockWaitGoesOn(const QString&, std::chrono::milliseconds) override { ++goesOn; }
    void LockWaitEnded() override { told.push_back(QStringLiteral("ended")); }

    std::vector<QString> told;
    int goesOn = 0;
};

}  // namespace

TEST_F(Files, TheWaitForALockIsToldToItsWatcherFromStartToEnd)
{
    WaitLog log;
    jet::Database holder = jet::DBEngine().OpenDatabase(Path(QStringLiteral("Dorna.MDB")));
    holder.Execute(QStringLiteral("BEGIN IMMEDIATE"));
    std::thread release([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        holder.Execute(QStringLiteral("COMMIT"));
    });
    dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno')"));
    release.join();
    EXPECT_EQ(log.told, std::vector<QString>({"started " + dorna.Name(), "ended"}));
    EXPECT_GT(log.goesOn, 3);
    dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (2,'Dos')"));
    EXPECT_EQ(log.told.size(), 2u) << "told of a wait that did not happen";
}

TEST_F(Files, ALockHeldPastTheWaitFailsNamingTheFileTheWaitAndTheStatement)
{
    const ShortLockWait wait(std::chrono::milliseconds(300));
    jet::Database holder = jet::DBEngine().OpenDatabase(Path(QStringLiteral("Dorna.MDB")));
    holder.Execute(QStringLiteral("BEGIN IMMEDIATE"));
    const QString insert = QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno')");
    const auto started = std::chrono::steady_clock::now();
    try {
        dorna.Execute(insert);
        FAIL() << "written past another program's lock";
    } catch (const jet::Error& error) {
        EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
        for (const QString& named :
             {QStringLiteral("otro programa la tiene bloqueada y no la ha liberado en 0,3 segundos"),
              Path(QStringLiteral("Dorna.MDB")), insert})
            EXPECT_TRUE(error.Text().contains(named)) << error.what();
    }
    holder.Execute(QStringLiteral("COMMIT"));
    EXPECT_NO_THROW(dorna.Execute(insert));
}
