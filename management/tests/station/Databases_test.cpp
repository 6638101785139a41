// The program creates the databases it misses, with every table the forms
// use and their unique keys; a start that cannot use a file is refused with
// the cause, in Spanish, and leaves the folder as it found it.
#include "forms/TestSeam.h"
#include "jet/Engine.h"
#include "jet/Error.h"
#include "jet/Transaction.h"
#include "station/Databases.h"
#include "station/ProgramFolder.h"
#include "support/FolderContents.h"
#include "support/FullDisk.h"
#include "support/OtherProgram.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Tables {
    const char* file;
    QStringList selects;  // every table with its columns, as the forms read them
};

const Tables expected[] = {
    {"Dorna.MDB",
     {"SELECT NUMERO,NOMBRE,TELEFONO,DIRECCION,NIF,POBLACION,COMENTARIO FROM CLIENTES",
      "SELECT ORDEN,CLIENTE,CLIENTE_NOMBRE,CAMPAÑA,PERIODO,PERIODO2,CUÑA,NOMBRE,DURACION,DURACION_MOSTRAR,VOZ,"
      "COMENTARIO,EMISIONES FROM PUBLICIDAD",
      "SELECT ORDEN,BLOQUE,NUMERO,FICHERO,NOMBRE,TIEMPO,TIEMPO_VER,FECHA1,FECHA2 FROM PUBLICIDAD_CONTENIDO",
      "SELECT CONTRATO,DIA FROM DIAS", "SELECT HORA,NOMBRE,DURACION,PRIORITARIO,TIEMPO,TIEMPO_VER FROM BLOQUES",
      "SELECT HORA,NOMBRE,REALIZACION,TIEMPO,TIEMPO_VER FROM PROGRAMAS",
      "SELECT HORA,NUMERO,NOMBRE,FICHERO,TIEMPO,TIEMPO_VER FROM PROGRAMAS_CONTENIDO",
      "SELECT NOMBRE,LUNES,MARTES,MIERCOLES,JUEVES,VIERNES,SABADO,DOMINGO FROM PROGRAMACION_NOMBRE",
      "SELECT PROGRAMACION,HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO,LUNES,MARTES,MIERCOLES,JUEVES,VIERNES,"
      "SABADO,DOMINGO FROM PROGRAMACION",
      "SELECT TIPO,HORA FROM PROGRAMACION_TMP"}},
    {"MUSICA.MDB",
     {"SELECT CODIGO,TITULO,INTERPRETE,ALBUN,AÑO,SLOT,TIPO,RITMO,ESTILO,FICHERO,DURACION_VER,INTRO,PRESENTACION1,"
      "PRESENTACION2,radiaciones,COMENTARIO,estilo_n,ritmo_n,tipo_n FROM CATALOGO",
      "SELECT NOMBRE FROM INTERPRETE", "SELECT NOMBRE FROM ALBUN", "SELECT NOMBRE FROM ESTILOS",
      "SELECT NOMBRE FROM TIPO", "SELECT NOMBRE FROM RITMO"}},
    {"CONTINUIDAD.MDB", {"SELECT NOMBRE FROM NOMBRE"}},
};

QByteArray Hash(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void Execute(const QString& path, const QStringList& statements)
{
    jet::Database database = jet::DBEngine().OpenDatabase(path);
    for (const QString& statement : statements)
        database.Execute(statement);
}

// A catalogue of many pages, written through to the file itself.
void FillCatalogue(const QString& path)
{
    QStringList inserts;
    for (int code = 1; code <= 400; ++code)
        inserts << QStringLiteral("INSERT INTO CATALOGO (CODIGO,TITULO) VALUES (%1,'%2')")
                       .arg(code)
                       .arg(QString(300, QChar('a' + code % 26)));
    Execute(path, inserts);
}

void Overwrite(const QString& path, qint64 offset, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(offset));
    file.write(bytes);
}

// The text of the error the start is refused with; empty when it goes on.
QString Refusal(const std::function<void()>& start)
{
    try {
        start();
    } catch (const jet::Error& error) {
        return error.Text();
    }
    return QString();
}

// One refusal's text: its lines, %1 standing for the folder, and the last line.
std::string RefusalText(const QStringList& lines, const QString& folder)
{
    return (lines.join('\n').arg(folder) + "\nEl programa termina sin modificar ningún archivo.").toStdString();
}

// What the menu does at start besides showing itself: it writes Dorna.MDB in
// a transaction (the readjustment of the blocks).
void WriteAnAdvertiser(const QString& folder)
{
    jet::Transaction transaction;
    jet::DBEngine()
        .OpenDatabase(folder + "/Dorna.MDB")
        .Execute("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno')");
    transaction.Commit();
}

QStringList Advertisers(const QString& folder)
{
    QStringList names;
    jet::Recordset rows =
        jet::DBEngine().OpenDatabase(folder + "/Dorna.MDB").OpenRecordset("SELECT NOMBRE FROM CLIENTES");
    for (int row = 0; row < rows.RecordCount(); ++row)
        names << rows.ValueAt(row, 0).toString();
    return names;
}

// The whole start in a process of its own: its status and the message
// boxes it showed, one a line.
struct Started {
    int status;
    QString boxes;
    QString errors;  // what else it wrote, to tell why it failed
};

Started StartProgram(const QString& folder, bool unprivileged)
{
    QProcess program;
    program.start(QStringLiteral(START_PROGRAM),
                  unprivileged ? QStringList{folder, "--unprivileged"} : QStringList{folder});
    program.waitForFinished(60000);
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// Hands the folder and all in it to the ordinary user the start then runs
// as; a test run by that user itself owns them already.
void GiveToAnOrdinaryUser(const QString& folder)
{
    if (::geteuid() != 0)
        return;
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    ::chown(QFile::encodeName(folder).constData(), 65534, 65534);
    while (entries.hasNext())
        ::lchown(QFile::encodeName(entries.next()).constData(), 65534, 65534);
}

void SetMode(const QString& path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

}  // namespace

TEST(Databases, MissingFilesAreCreatedWithEveryTable)
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("datos/nuevos"));
    CreateMissingDatabases(folder);
    for (const Tables& tables : expected) {
        jet::Database database = jet::DBEngine().OpenDatabase(folder + '/' + tables.file);
        for (const QString& select : tables.selects)
            EXPECT_NO_THROW(database.OpenRecordset(select)) << select.toStdString();
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(Databases, KeysCalledUniqueRefuseDuplicates)
{
    QTemporaryDir folder;
    CreateMissingDatabases(folder.path());
    jet::Database dorna = jet::DBEngine().OpenDatabase(folder.filePath(QStringLiteral("Dorna.MDB")));
    jet::Database musica = jet::DBEngine().OpenDatabase(folder.filePath(QStringLiteral("MUSICA.MDB")));
    const std::pair<jet::Database*, const char*> inserts[] = {
        {&dorna, "INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'a')"},
        {&dorna, "INSERT INTO PUBLICIDAD (ORDEN) VALUES (1)"},
        {&dorna, "INSERT INTO BLOQUES (HORA) VALUES (#08:30:00#)"},
        {&musica, "INSERT INTO CATALOGO (CODIGO) VALUES (1)"},
    };
    for (const auto& [database, insert] : inserts) {
        database->Execute(QString::fromUtf8(insert));
        EXPECT_THROW(database->Execute(QString::fromUtf8(insert)), jet::Error) << insert;
    }
    // Placements and programming rows may repeat.
    for (int i = 0; i < 2; ++i) {
        dorna.Execute(QStringLiteral("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE) VALUES (1,#08:30:00#)"));
        dorna.Execute(QStringLiteral("INSERT INTO PROGRAMACION (PROGRAMACION,HORA) VALUES ('x',#08:30:00#)"));
    }
}

TEST(Databases, ExistingFilesAreLeftAsTheyAre)
{
    QTemporaryDir folder;
    CreateMissingDatabases(folder.path());
    Execute(folder.filePath(QStringLiteral("CONTINUIDAD.MDB")), {"INSERT INTO NOMBRE (NOMBRE) VALUES ('Noche')"});
    QFile::remove(folder.filePath(QStringLiteral("MUSICA.MDB")));
    QFile::rename(folder.filePath(QStringLiteral("Dorna.MDB")), folder.filePath(QStringLiteral("dorna.mdb")));
    const QByteArray dorna = Hash(folder.filePath(QStringLiteral("dorna.mdb")));
    const QByteArray continuidad = Hash(folder.filePath(QStringLiteral("CONTINUIDAD.MDB")));

    CreateMissingDatabases(folder.path());
    EXPECT_EQ(Hash(folder.filePath(QStringLiteral("dorna.mdb"))), dorna);
    EXPECT_EQ(Hash(folder.filePath(QStringLiteral("CONTINUIDAD.MDB"))), continuidad);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("Dorna.MDB"))));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("MUSICA.MDB"))));
}

TEST(Databases, FilesOfNoBytesGetTheirTablesLikeMissingOnes)
{
    QTemporaryDir folder;
    Write(folder.filePath(QStringLiteral("Dorna.MDB")), QByteArray());
    Write(folder.filePath(QStringLiteral("musica.mdb")), QByteArray());
    Write(folder.filePath(QStringLiteral("musica.mdb-wal")), QByteArray());

    CreateMissingDatabases(folder.path());
    for (const Tables& tables : expected) {
        jet::Database database = jet::DBEngine().OpenDatabase(folder.filePath(QString::fromUtf8(tables.file)));
        for (const QString& select : tables.selects)
            EXPECT_NO_THROW(database.OpenRecordset(select)) << select.toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"CONTINUIDAD.MDB", "Dorna.MDB", "musica.mdb"}));
}

TEST(Databases, ALinkToAFileOfNoBytesStaysAndItsFileGetsTheTables)
{
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("dorna de la emisora.mdb"));
    Write(target, QByteArray());
    ASSERT_TRUE(QFile::link(target, folder.filePath(QStringLiteral("Dorna.MDB"))));

    CreateMissingDatabases(folder.path());
    EXPECT_EQ(QFile::symLinkTarget(folder.filePath(QStringLiteral("Dorna.MDB"))), target);
    jet::Database database = jet::DBEngine().OpenDatabase(target);
    for (const QString& select : expected[0].selects)
        EXPECT_NO_THROW(database.OpenRecordset(select)) << select.toStdString();
}

// Each case spoils the files of a working folder; the start is refused with
// one text naming every spoilt file and its fault, and nothing in the
// folder changes: no file is replaced, made, emptied or left beside another.
TEST(Databases, FilesThatCannotBeUsedAreNamedAndLeftByteForByte)
{
    struct Case {
        const char* what;
        std::function<void(const QDir&)> spoil;
        QStringList lines;  // %1 is the folder
    };
    const Case cases[] = {
        {"text in Dorna.MDB",
         [](const QDir& d) { Write(d.filePath("Dorna.MDB"), "no es una base de datos"); },
         {"El archivo «%1/Dorna.MDB» no es una base de datos."}},
        {"a picture named musica.mdb, another file missing",
         [](const QDir& d) {
             QFile::remove(d.filePath("MUSICA.MDB"));
             QFile::remove(d.filePath("CONTINUIDAD.MDB"));
             Write(d.filePath("musica.mdb"), QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(3000, '\x7f'));
         },
         {"El archivo «%1/musica.mdb» no es una base de datos."}},
        {"the list of tables of MUSICA.MDB overwritten",
         [](const QDir& d) {
             FillCatalogue(d.filePath("MUSICA.MDB"));
             Overwrite(d.filePath("MUSICA.MDB"), 100, QByteArray(3996, '\x5a'));
         },
         {"La base de datos «%1/MUSICA.MDB» está dañada."}},
        {"MUSICA.MDB cut short",
         [](const QDir& d) {
             FillCatalogue(d.filePath("MUSICA.MDB"));
             QFile::resize(d.filePath("MUSICA.MDB"), QFileInfo(d.filePath("MUSICA.MDB")).size() / 2);
         },
         {"La base de datos «%1/MUSICA.MDB» está dañada."}},
        {"CONTINUIDAD.MDB without its table",
         [](const QDir& d) {
             Execute(d.filePath("CONTINUIDAD.MDB"), {"CREATE TABLE ROTACION (NOMBRE TEXT)", "DROP TABLE NOMBRE"});
         },
         {"A la base de datos «%1/CONTINUIDAD.MDB» le falta la tabla NOMBRE."}},
        {"Dorna.MDB without two tables and a column, MUSICA.MDB not a database",
         [](const QDir& d) {
             Execute(d.filePath("Dorna.MDB"),
                     {"DROP TABLE BLOQUES", "DROP TABLE DIAS", "DROP TABLE PROGRAMAS",
                      "CREATE TABLE PROGRAMAS (HORA DATETIME, NOMBRE TEXT, REALIZACION TEXT, TIEMPO INTEGER)"});
             Write(d.filePath("MUSICA.MDB"), QByteArray(8192, '\0'));
         },
         {"A la base de datos «%1/Dorna.MDB» le faltan las tablas DIAS y BLOQUES.",
          "En la base de datos «%1/Dorna.MDB», a la tabla PROGRAMAS le falta el campo TIEMPO_VER.",
          "El archivo «%1/MUSICA.MDB» no es una base de datos."}},
        // Opening a file of no bytes, SQLite deletes the log beside it.
        {"Dorna.MDB of no bytes, its rows only in its log",
         [](const QDir& d) {
             {
                 jet::Database open = jet::DBEngine().OpenDatabase(d.filePath("Dorna.MDB"));
                 open.Execute("PRAGMA wal_autocheckpoint=0");
                 open.Execute("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno')");
                 QFile::copy(d.filePath("Dorna.MDB-wal"), d.filePath("registro"));
             }
             Write(d.filePath("Dorna.MDB"), QByteArray());
             QFile::rename(d.filePath("registro"), d.filePath("Dorna.MDB-wal"));
         },
         {"La base de datos «%1/Dorna.MDB» no tiene ningún byte, pero su registro «%1/Dorna.MDB-wal» sí: puede "
          "ser la única copia de sus datos."}},
        {"a folder named Dorna.MDB",
         [](const QDir& d) {
             QFile::remove(d.filePath("Dorna.MDB"));
             d.mkdir("Dorna.MDB");
         },
         {"«%1/Dorna.MDB» es una carpeta, no un archivo de base de datos."}},
        {"a named pipe named musica.mdb",
         [](const QDir& d) {
             QFile::remove(d.filePath("MUSICA.MDB"));
             ::mkfifo(QFile::encodeName(d.filePath("musica.mdb")).constData(), 0644);
         },
         {"«%1/musica.mdb» es una tubería con nombre (FIFO), no un archivo de base de datos."}},
        {"Dorna.MDB a link to a file that is not there",
         [](const QDir& d) {
             QFile::remove(d.filePath("Dorna.MDB"));
             QFile::link(d.filePath("perdido.mdb"), d.filePath("Dorna.MDB"));
         },
         {"«%1/Dorna.MDB» es un enlace a «%1/perdido.mdb», que no existe."}},
        {"CONTINUIDAD.MDB a link to a folder",
         [](const QDir& d) {
             QFile::remove(d.filePath("CONTINUIDAD.MDB"));
             d.mkdir("rotaciones");
             QFile::link(d.filePath("rotaciones"), d.filePath("CONTINUIDAD.MDB"));
         },
         {"«%1/CONTINUIDAD.MDB» es un enlace a «%1/rotaciones», que es una carpeta, no un archivo de base de "
          "datos."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        CreateMissingDatabases(folder.path());
        c.spoil(QDir(folder.path()));
        const auto before = FolderContents(folder.path());

        EXPECT_EQ(Refusal([&] { CreateMissingDatabases(folder.path()); }).toStdString(),
                  RefusalText(c.lines, folder.path()));
        EXPECT_EQ(FolderContents(folder.path()), before);
    }
}

// A crash in the middle of a change leaves a journal beside the file: that is
// no fault, and the change is undone as any opening of the file would.
TEST(Databases, AFileLeftInTheMiddleOfAChangeIsRecoveredAndUsed)
{
    QTemporaryDir working;
    CreateMissingDatabases(working.path());
    const QString rotaciones = working.filePath(QStringLiteral("CONTINUIDAD.MDB"));
    Execute(rotaciones, {"INSERT INTO NOMBRE (NOMBRE) VALUES ('Noche')"});
    QTemporaryDir crashed;
    {
        jet::Database database = jet::DBEngine().OpenDatabase(rotaciones);
        database.Execute(QStringLiteral("PRAGMA cache_size=1"));
        database.Execute(QStringLiteral("BEGIN"));
        for (int i = 0; i < 300; ++i)
            database.Execute(QStringLiteral("INSERT INTO NOMBRE (NOMBRE) VALUES ('%1')").arg(QString(200, 'x')));
        // The files as a power cut would leave them.
        for (const QString& name : QDir(working.path()).entryList(QDir::Files | QDir::Hidden))
            ASSERT_TRUE(QFile::copy(working.filePath(name), crashed.filePath(name)));
        database.Execute(QStringLiteral("ROLLBACK"));
    }
    ASSERT_TRUE(QFile::exists(crashed.filePath(QStringLiteral("CONTINUIDAD.MDB-journal"))));

    ASSERT_NO_THROW(CreateMissingDatabases(crashed.path()));
    jet::Recordset names = jet::DBEngine()
                               .OpenDatabase(crashed.filePath(QStringLiteral("CONTINUIDAD.MDB")))
                               .OpenRecordset(QStringLiteral("SELECT NOMBRE FROM NOMBRE"));
    ASSERT_EQ(names.RecordCount(), 1);
    EXPECT_EQ(names.Fields("NOMBRE").Value().toString(), QStringLiteral("Noche"));
}

// On a full disk the start is refused, saying so, and takes away all it
// made: the databases it had made so far, the logs and indexes SQLite made
// beside the others. Once there is room again, the next start goes through.
TEST(Databases, AStartOnAFullDiskIsRefusedSayingSoAndChangesNothing)
{
    struct Case {
        const char* what;
        QStringList keep;  // of the three files, those the folder holds
        bool fullFromTheMenu;  // the disk fills up only as the menu writes
        QStringList lines;  // from the menu: the engine's words for what failed
    };
    const Case cases[] = {
        {"an empty folder", {}, false, {"No se puede crear la base de datos «%1/Dorna.MDB»: el disco está lleno."}},
        {"a folder without CONTINUIDAD.MDB",
         {"Dorna.MDB", "MUSICA.MDB"},
         false,
         {"No se puede escribir en la base de datos «%1/Dorna.MDB»: el disco está lleno.",
          "No se puede escribir en la base de datos «%1/MUSICA.MDB»: el disco está lleno."}},
        {"a folder without MUSICA.MDB, full as the menu writes",
         {"Dorna.MDB", "CONTINUIDAD.MDB"},
         true,
         {
             "No se puede usar la base de datos: el disco está lleno.",
             "Base de datos: %1/Dorna.MDB",
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        CreateMissingDatabases(folder.path());
        for (const char* name : {"Dorna.MDB", "MUSICA.MDB", "CONTINUIDAD.MDB"})
            if (!c.keep.contains(name))
                QFile::remove(folder.filePath(name));
        const auto before = FolderContents(folder.path());

        const QString text = Refusal([&] {
            FullDisk full;
            if (!c.fullFromTheMenu)
                full.Fill();
            StartWithDatabases(folder.path(), [&] {
                full.Fill();
                WriteAnAdvertiser(folder.path());
            });
        });
        EXPECT_EQ(text.toStdString(), RefusalText(c.lines, folder.path()));
        EXPECT_EQ(FolderContents(folder.path()), before);

        StartWithDatabases(folder.path(), [&] { WriteAnAdvertiser(folder.path()); });
        EXPECT_EQ(Advertisers(folder.path()), QStringList{"Uno"});
    }
}

// Another program holds CONTINUIDAD.MDB locked while it writes: the start
// waits in sight as long as the engine waits, then goes on once the lock is
// gone, or says who is in the way and changes nothing.
TEST(Databases, TheStartWaitsInSightForALockedFileThenGoesOnOrNamesIt)
{
    struct Case {
        const char* what;
        int releasedAfterMs;  // -1: held past the wait
        QStringList refusal;
    };
    const Case cases[] = {
        {"released during the wait", 700, {}},
        {"held past the wait",
         -1,
         {"No se puede leer la base de datos «%1/CONTINUIDAD.MDB»: otro programa la tiene bloqueada y no la ha "
          "liberado en 0,8 segundos."}},
    };
    const forms::test::Seam seam;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        CreateMissingDatabases(folder.path());
        const auto before = FolderContents(folder.path());
        const ShortLockWait wait(std::chrono::milliseconds(c.releasedAfterMs < 0 ? 800 : 5000));
        OtherProgram other(folder.filePath(QStringLiteral("CONTINUIDAD.MDB")));
        ASSERT_EQ(other.Run("BEGIN EXCLUSIVE"), 0);
        QString shown;
        QTimer::singleShot(500, [&] { shown = forms::test::WaitingWindowText(); });
        if (c.releasedAfterMs >= 0)
            QTimer::singleShot(c.releasedAfterMs, [&] { other.Run("ROLLBACK"); });

        const QString text = Refusal([&] { CreateMissingDatabases(folder.path()); });
        EXPECT_EQ(shown, "Esperando a que otro programa libere CONTINUIDAD.MDB…\n" + folder.path());
        EXPECT_EQ(forms::test::WaitingWindowText(), QString());
        if (c.refusal.isEmpty())
            EXPECT_EQ(text, QString());
        else
            EXPECT_EQ(text.toStdString(), RefusalText(c.refusal, folder.path()));
        other.Run("ROLLBACK");
        EXPECT_EQ(FolderContents(folder.path()), before);
    }
}

// File modes bind the ordinary user the start runs as here (root passes
// them by). Each case refuses the start with its cause, changes nothing,
// and leaves nothing that keeps the next start, once the cause is gone, from
// going through.
TEST(Databases, ReadOnlyFilesAndFoldersAreNamedAndTheNextStartGoesThroughOnceWritable)
{
    struct Case {
        const char* what;
        bool made;  // the folder holds the three files
        const char* readOnly;  // made read-only: the folder ("") or a file of it
        QString under;  // the program folder, within the test's folder
        QStringList lines;
    };
    const Case cases[] = {
        {"Dorna.MDB read-only", true, "Dorna.MDB", "", {"El archivo «%1/Dorna.MDB» es de solo lectura."}},
        {"the log's index of MUSICA.MDB left read-only",
         true,
         "MUSICA.MDB-shm",
         "",
         {"El archivo «%1/MUSICA.MDB-shm» es de solo lectura."}},
        {"the folder read-only, its files in it", true, "", "", {"La carpeta «%1» es de solo lectura."}},
        {"an empty folder read-only",
         false,
         "",
         "",
         {"No se puede crear la base de datos «%1/Dorna.MDB»: la carpeta «%1» es de solo lectura."}},
        {"the program folder missing in a read-only folder",
         false,
         "",
         "/datos",
         {"No se puede crear la carpeta de datos «%1/datos»: la carpeta «%1» es de solo lectura."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        if (c.made)
            CreateMissingDatabases(folder.path());
        if (QString::fromUtf8(c.readOnly).endsWith("-shm"))
            Write(folder.filePath(c.readOnly), QByteArray(32768, '\0'));
        GiveToAnOrdinaryUser(folder.path());
        const QString readOnly = *c.readOnly ? folder.filePath(QString::fromUtf8(c.readOnly)) : folder.path();
        SetMode(readOnly, *c.readOnly ? 0444 : 0555);
        const auto before = FolderContents(folder.path());

        const Started refused = StartProgram(folder.path() + c.under, true);
        EXPECT_EQ(refused.status, 1) << refused.errors.toStdString();
        EXPECT_EQ(refused.boxes.toStdString(),
                  "box 16: "
                      + QString::fromStdString(RefusalText(c.lines, folder.path())).replace('\n', " | ").toStdString()
                      + "\n");
        EXPECT_EQ(FolderContents(folder.path()), before);

        SetMode(readOnly, *c.readOnly ? 0644 : 0755);
        const Started started = StartProgram(folder.path() + c.under, true);
        EXPECT_EQ(started.status, 0) << started.boxes.toStdString() << started.errors.toStdString();
        EXPECT_EQ(Advertisers(folder.path() + c.under), QStringList{"Arranque"});
    }
}

TEST(Databases, AFileThatIsNotADatabaseEndsTheProgramWithOneMessageAndIsLeftAsItWas)
{
    QTemporaryDir folder;
    Write(folder.filePath(QStringLiteral("Dorna.MDB")), "no es una base de datos");
    const auto before = FolderContents(folder.path());

    const Started refused = StartProgram(folder.path(), false);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.boxes.toStdString(), "box 16: El archivo «" + folder.path().toStdString()
                                               + "/Dorna.MDB» no es una base de datos. | El programa termina sin "
                                                 "modificar ningún archivo.\n");
    EXPECT_EQ(FolderContents(folder.path()), before);
}

TEST(Databases, AFileWhereTheProgramFolderShouldBeIsNamed)
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("datos"));
    Write(folder, "notas");
    const auto before = FolderContents(parent.path());

    EXPECT_EQ(Refusal([&] { CreateMissingDatabases(folder); }).toStdString(),
              RefusalText({"«%1» no es una carpeta: es donde el programa guarda sus bases de datos."}, folder));
    EXPECT_EQ(FolderContents(parent.path()), before);
}

TEST(Databases, DataFolderVariableNamesTheProgramFolder)
{
    const QByteArray saved = qgetenv("VARNOOK_DATA_DIR");
    qputenv("VARNOOK_DATA_DIR", "/srv/emisora/datos/");
    EXPECT_EQ(DornaPath(), QStringLiteral("/srv/emisora/datos/Dorna.MDB"));
    EXPECT_EQ(MusicaPath(), QStringLiteral("/srv/emisora/datos/MUSICA.MDB"));
    EXPECT_EQ(ContinuidadPath(), QStringLiteral("/srv/emisora/datos/CONTINUIDAD.MDB"));
    qunsetenv("VARNOOK_DATA_DIR");
    EXPECT_FALSE(ProgramFolder().isEmpty());
    if (!saved.isNull())
        qputenv("VARNOOK_DATA_DIR", saved);
}
