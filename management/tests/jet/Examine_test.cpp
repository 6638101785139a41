// A database file is examined by reading it only, under SQLite's locks and
// cheaply: its state and its tables, with nothing written to it or left
// beside it that was not there, whatever other programs do with it.
#include "jet/Engine.h"
#include "jet/Error.h"
#include "jet/Examine.h"
#include "jet/FilesAsFound.h"
#include "support/FolderContents.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sqlite3.h>
#include <thread>

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void Overwrite(const QString& path, qint64 offset, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(offset));
    file.write(bytes);
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

// A plain SQLite connection, as another program has it.
struct OtherProgram {
    explicit OtherProgram(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(handle, 10000);
    }
    ~OtherProgram() { sqlite3_close_v2(handle); }
    int Execute(const char* sql) { return sqlite3_exec(handle, sql, nullptr, nullptr, nullptr); }

    sqlite3* handle = nullptr;
};

int RootPage(const QString& path, const char* table)
{
    OtherProgram reader(path);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(reader.handle, "SELECT rootpage FROM sqlite_master WHERE name=?", -1, &statement, nullptr);
    sqlite3_bind_text(statement, 1, table, -1, SQLITE_STATIC);
    const int page = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : 0;
    sqlite3_finalize(statement);
    return page;
}

QString ErrorOf(const std::function<void()>& work)
{
    try {
        work();
    } catch (const jet::Error& error) {
        return error.Text();
    }
    return QString();
}

}  // namespace

TEST(Examine, TellsWhatAFileHoldsAndLeavesItAsItWas)
{
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
        jet::FileState state;
    };
    const Case cases[] = {
        {"no bytes", [](const QString& p) { Write(p, QByteArray()); }, jet::FileState::Empty},
        {"no bytes beside an empty log",
         [](const QString& p) {
             Write(p, QByteArray());
             Write(p + "-wal", QByteArray());
         },
         jet::FileState::Empty},
        {"no bytes beside a log that holds pages",
         [](const QString& p) {
             Write(p, QByteArray());
             Write(p + "-wal", QByteArray("\x37\x7f\x06\x82", 4) + QByteArray(4000, '\x11'));
         },
         jet::FileState::OnlyInItsLog},
        {"text", [](const QString& p) { Write(p, "no es una base de datos"); }, jet::FileState::NotADatabase},
        {"a database", MakeDatabase, jet::FileState::Database},
        {"a database with the root page of a table overwritten",
         [](const QString& p) {
             MakeDatabase(p);
             Overwrite(p, qint64(RootPage(p, "DOS") - 1) * 4096, QByteArray(4096, '\x5a'));
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
        const auto before = FolderContents(folder.path());

        EXPECT_EQ(jet::Examine(path, jet::Use::ReadWrite).state, c.state);
        EXPECT_EQ(FolderContents(folder.path()), before);
    }
}

TEST(Examine, ListsEveryTableWithItsColumns)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Dorna.MDB"));
    MakeDatabase(path);
    const jet::FileContents contents = jet::Examine(path, jet::Use::Read);
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
    const std::string before = FolderContents(folder.path()).at("Dorna.MDB");

    const jet::FileContents contents = jet::Examine(path, jet::Use::ReadWrite);
    EXPECT_EQ(contents.state, jet::FileState::Database);
    ASSERT_EQ(contents.tables.size(), 3u);
    EXPECT_EQ(contents.tables[2].table, QStringLiteral("TRES"));
    EXPECT_EQ(FolderContents(folder.path()).at("Dorna.MDB"), before);
    other.Execute(QStringLiteral("INSERT INTO TRES (X) VALUES (1)"));
}

// A program stopped without closing the file: its last change lies in the
// log, which is read and left as it is, not copied into the file.
TEST(Examine, ALogLeftByAProgramThatStoppedIsReadAndKept)
{
    QTemporaryDir working;
    QTemporaryDir stopped;
    const QString path = working.filePath(QStringLiteral("MUSICA.MDB"));
    MakeDatabase(path);
    {
        OtherProgram program(path);
        ASSERT_EQ(program.Execute("CREATE TABLE TRES (X INTEGER); INSERT INTO TRES VALUES (7)"), SQLITE_OK);
        for (const QString& name : QDir(working.path()).entryList(QDir::Files | QDir::Hidden))
            ASSERT_TRUE(QFile::copy(working.filePath(name), stopped.filePath(name)));
    }
    ASSERT_GT(QFileInfo(stopped.filePath(QStringLiteral("MUSICA.MDB-wal"))).size(), 0);
    const auto before = FolderContents(stopped.path());

    const jet::FileContents contents =
        jet::Examine(stopped.filePath(QStringLiteral("MUSICA.MDB")), jet::Use::ReadWrite);
    EXPECT_EQ(contents.state, jet::FileState::Database);
    ASSERT_EQ(contents.tables.size(), 3u);
    EXPECT_EQ(FolderContents(stopped.path()), before);
}

// The start reads little of a large file: a page further in that does not
// hold together is found when the engine reads it, and named then.
TEST(Examine, DamageFurtherInIsReportedWhenTheRowsAreRead)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("MUSICA.MDB"));
    MakeDatabase(path);
    Overwrite(path, 11 * 4096, QByteArray(4096, '\x5a'));

    EXPECT_EQ(jet::Examine(path, jet::Use::ReadWrite).state, jet::FileState::Database);
    const QString text = ErrorOf([&] {
        jet::Recordset rows = jet::DBEngine().OpenDatabase(path).OpenRecordset(QStringLiteral("SELECT * FROM DOS"));
        rows.MoveLast();
    });
    EXPECT_TRUE(text.contains(QStringLiteral("dañada"))) << text.toStdString();
}

// Another program writes the file, its schema included, while it is examined
// again and again: it is never seen half written.
TEST(Examine, AFileBeingWrittenByAnotherProgramIsNeverCalledDamaged)
{
    for (const bool writeAheadLog : {false, true}) {
        SCOPED_TRACE(writeAheadLog ? "write-ahead log" : "rollback journal");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("CONTINUIDAD.MDB"));
        MakeDatabase(path);
        if (!writeAheadLog)
            OtherProgram(path).Execute("PRAGMA journal_mode=DELETE");

        std::atomic<bool> stop{false};
        std::atomic<int> rounds{0};
        std::thread writer([&] {
            OtherProgram program(path);
            program.Execute("PRAGMA wal_autocheckpoint=1");
            while (!stop) {
                program.Execute("BEGIN IMMEDIATE; CREATE TABLE TRES (X TEXT); DELETE FROM DOS;"
                                "INSERT INTO TRES SELECT NOMBRE FROM DOS; COMMIT");
                program.Execute("BEGIN IMMEDIATE; INSERT INTO DOS SELECT printf('%.300c', 'b') FROM "
                                "(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<300) "
                                "SELECT i FROM n); DROP TABLE TRES; COMMIT");
                if (writeAheadLog)
                    program.Execute("PRAGMA wal_checkpoint(TRUNCATE)");
                ++rounds;
            }
        });
        int examined = 0;
        while (examined < 100 || rounds < 10) {
            const jet::FileContents contents = jet::Examine(path, jet::Use::Read);
            ASSERT_EQ(contents.state, jet::FileState::Database) << "after " << examined;
            ++examined;
        }
        stop = true;
        writer.join();
    }
}

// A full disk still lets a file nobody has open be read; writing it beside
// other programs takes an index file, which the disk refuses. Either way
// nothing is left beside the file.
TEST(Examine, OnAFullDiskAFileIsReadButNotTakenForWritingAndNothingIsLeftBesideIt)
{
    for (const jet::Use use : {jet::Use::Read, jet::Use::ReadWrite}) {
        SCOPED_TRACE(use == jet::Use::Read ? "to read" : "to read and write");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Dorna.MDB"));
        MakeDatabase(path);
        const auto before = FolderContents(folder.path());
        FullDisk full;
        full.Fill();

        if (use == jet::Use::Read)
            EXPECT_EQ(jet::Examine(path, use).state, jet::FileState::Database);
        else
            EXPECT_EQ(ErrorOf([&] { jet::Examine(path, use); }),
                      QStringLiteral("No se puede escribir en la base de datos «%1»: el disco está lleno.").arg(path));
        EXPECT_EQ(FolderContents(folder.path()), before);
    }
}

TEST(Examine, AFileThatIsNotThereIsAnErrorNamingIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("MUSICA.MDB"));
    EXPECT_EQ(ErrorOf([&] { jet::Examine(path, jet::Use::Read); }),
              QStringLiteral("No se encuentra el archivo de base de datos «%1».").arg(path));
}

// What SQLite leaves beside a file it opened on a full disk, an empty log
// and an index of 3 bytes, goes once the file is closed; what belongs to
// another program that has the file open, or holds data, stays.
TEST(FilesAsFound, WhatWasMadeBesideAFileGoesUnlessAnotherProgramHasItOpen)
{
    for (const bool otherHasItOpen : {false, true}) {
        SCOPED_TRACE(otherHasItOpen ? "another program has it open" : "nobody has it open");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Dorna.MDB"));
        MakeDatabase(path);
        const auto before = FolderContents(folder.path());
        const jet::FilesAsFound found(path);
        {
            FullDisk full;
            full.Fill();
            EXPECT_THROW(jet::DBEngine().OpenDatabase(path), jet::Error);
        }
        ASSERT_EQ(QFileInfo(path + "-shm").size(), 3);
        std::optional<OtherProgram> other;
        if (otherHasItOpen) {
            other.emplace(path);
            ASSERT_EQ(other->Execute("INSERT INTO Uno VALUES (1, 'x')"), SQLITE_OK);
        }

        found.TakeAwayWhatWasMade();
        if (otherHasItOpen) {
            EXPECT_TRUE(QFile::exists(path + "-wal"));
            EXPECT_EQ(other->Execute("INSERT INTO Uno VALUES (2, 'y')"), SQLITE_OK);
        } else {
            EXPECT_EQ(FolderContents(folder.path()), before);
        }
    }
}

// Only a database this program made is taken away, and only while it holds
// no row: one that another program made, or that has rows, stays.
TEST(FilesAsFound, ADatabaseMadeHereGoesWhileItHoldsNoRow)
{
    struct Case {
        const char* what;
        bool hadNoBytes;  // else it was not there
        bool madeHere;
        bool rowWritten;
        bool goes;
    };
    const Case cases[] = {
        {"made where none was", false, true, false, true},
        {"made where none was, a row written since", false, true, true, false},
        {"made where one of no bytes was", true, true, false, true},
        {"made where one of no bytes was, a row written since", true, true, true, false},
        {"made by another program", false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("MUSICA.MDB"));
        if (c.hadNoBytes)
            Write(path, QByteArray());
        const auto before = FolderContents(folder.path());
        jet::FilesAsFound found(path);
        QFile::remove(path);
        MakeDatabase(path);
        OtherProgram(path).Execute(c.rowWritten ? "DELETE FROM DOS; INSERT INTO Uno VALUES (1, 'x')"
                                                : "DELETE FROM DOS");
        if (c.madeHere)
            found.FileMade();

        found.TakeAwayWhatWasMade();
        if (c.goes)
            EXPECT_EQ(FolderContents(folder.path()), before);
        else
            EXPECT_EQ(jet::Examine(path, jet::Use::Read).state, jet::FileState::Database);
    }
}
