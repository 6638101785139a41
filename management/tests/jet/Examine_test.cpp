// A database file is examined by reading it only: its state and its tables,
// with nothing written to it or made beside it.
#include "jet/Engine.h"
#include "jet/Error.h"
#include "jet/Examine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A closed database in write-ahead-log mode with two tables, the second of
// many pages.
void MakeDatabase(const QString& path)
{
    jet::Database database = jet::DBEngine().CreateDatabase(path);
    database.Execute(QStringLiteral("PRAGMA journal_mode=WAL"));
    database.Execute(QStringLiteral("CREATE TABLE Uno (A INTEGER, b TEXT)"));
    database.Execute(QStringLiteral("CREATE TABLE DOS (NOMBRE TEXT)"));
    database.Execute(QStringLiteral("BEGIN"));
    for (int i = 0; i < 300; ++i)
        database.Execute(
            QStringLiteral("INSERT INTO DOS (NOMBRE) VALUES ('%1')").arg(QString(300, QChar('a' + i % 26))));
    database.Execute(QStringLiteral("COMMIT"));
}

} // namespace

TEST(Examine, TellsWhatAFileHoldsAndLeavesItAsItWas)
{
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
        jet::FileState state;
    };
    const Case cases[] = {
        {"no bytes", [](const QString& p) { Write(p, QByteArray()); }, jet::FileState::Empty},
        {"text", [](const QString& p) { Write(p, "no es una base de datos"); }, jet::FileState::NotADatabase},
        {"a database", MakeDatabase, jet::FileState::Database},
        {"a database with a page overwritten",
         [](const QString& p) {
             MakeDatabase(p);
             QFile file(p);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             file.seek(5 * 4096);
             file.write(QByteArray(4096, '\x5a'));
         },
         jet::FileState::Damaged},
        {"a database cut short",
         [](const QString& p) {
             MakeDatabase(p);
             QFile::resize(p, QFile(p).size() / 2);
         },
         jet::FileState::Damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Prueba de l'año.MDB"));
        c.make(path);
        const QByteArray before = Read(path);

        EXPECT_EQ(jet::Examine(path).state, c.state);
        EXPECT_EQ(Read(path), before);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Prueba de l'año.MDB"});
    }
}

TEST(Examine, ListsEveryTableWithItsColumns)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Dorna.MDB"));
    MakeDatabase(path);
    const jet::FileContents contents = jet::Examine(path);
    ASSERT_EQ(contents.tables.size(), 2u);
    EXPECT_EQ(contents.tables[0].table, QStringLiteral("Uno"));
    EXPECT_EQ(contents.tables[0].columns, (QStringList{"A", "b"}));
    EXPECT_EQ(contents.tables[1].table, QStringLiteral("DOS"));
    EXPECT_EQ(contents.tables[1].columns, QStringList{"NOMBRE"});
}

// Another program has the file open and its latest change is still in the log.
TEST(Examine, AFileInUseIsReadWithWhatItsLogHolds)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Dorna.MDB"));
    MakeDatabase(path);
    jet::Database other = jet::DBEngine().OpenDatabase(path);
    other.Execute(QStringLiteral("CREATE TABLE TRES (X INTEGER)"));
    const QByteArray before = Read(path);

    const jet::FileContents contents = jet::Examine(path);
    EXPECT_EQ(contents.state, jet::FileState::Database);
    ASSERT_EQ(contents.tables.size(), 3u);
    EXPECT_EQ(contents.tables[2].table, QStringLiteral("TRES"));
    EXPECT_EQ(Read(path), before);
}

TEST(Examine, AFileThatIsNotThereIsAnErrorNamingIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("MUSICA.MDB"));
    try {
        jet::Examine(path);
        FAIL() << "no error";
    } catch (const jet::Error& error) {
        EXPECT_TRUE(error.Text().contains(path)) << error.what();
    }
}
