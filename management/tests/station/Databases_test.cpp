// The program creates the databases it misses, with every table the forms
// use and their unique keys; a file it cannot use is named at start and left
// as it is.
#include "forms/Application.h"
#include "forms/TestSeam.h"
#include "jet/Engine.h"
#include "jet/Error.h"
#include "station/Databases.h"
#include "station/ProgramFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

namespace {

struct Tables {
    const char* file;
    QStringList selects;   // every table with its columns, as the forms read them
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

// Every file of the folder with the checksum of its bytes.
std::map<std::string, std::string> Contents(const QString& folder)
{
    std::map<std::string, std::string> contents;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        contents[name.toStdString()] = Hash(QDir(folder).filePath(name)).toHex().toStdString();
    return contents;
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

} // namespace

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

// Each case spoils the files of a working folder; the start is refused with
// one text naming every spoilt file and its fault, and no file changes.
TEST(Databases, FilesThatCannotBeUsedAreNamedAndLeftByteForByte)
{
    struct Case {
        const char* what;
        std::function<void(const QDir&)> spoil;
        QStringList lines;   // %1 is the folder
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
        {"pages of MUSICA.MDB overwritten",
         [](const QDir& d) {
             FillCatalogue(d.filePath("MUSICA.MDB"));
             Overwrite(d.filePath("MUSICA.MDB"), 6 * 4096, QByteArray(4096, '\x5a'));
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        CreateMissingDatabases(folder.path());
        c.spoil(QDir(folder.path()));
        const auto before = Contents(folder.path());

        QString text;
        try {
            CreateMissingDatabases(folder.path());
        } catch (const jet::Error& error) {
            text = error.Text();
        }
        const QStringList lines = c.lines.join('\n').arg(folder.path()).split('\n');
        EXPECT_EQ(text.toStdString(),
                  (lines + QStringList{"El programa termina sin modificar ningún archivo."}).join('\n').toStdString());
        EXPECT_EQ(Contents(folder.path()), before);
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

// What the program does at start with a file it cannot use: the boxes it
// shows, answered by the seam, go to stderr, and it ends with its status.
void StartOnFolder(const QString& folder)
{
    int status = 0;
    {
        int argc = 1;
        char name[] = "traffic_tests";
        char* argv[] = {name, nullptr};
        forms::Application application(argc, argv);
        forms::test::Seam seam;
        status = application.Run([&folder] { CreateMissingDatabases(folder); });
        std::fprintf(stderr, "boxes: %zu\n", forms::test::Messages().size());
        for (const forms::test::Message& message : forms::test::Messages())
            std::fprintf(stderr, "box %d: %s\n", message.Buttons, qPrintable(message.Prompt));
    }
    std::exit(status);
}

TEST(DatabasesDeathTest, AFileThatIsNotADatabaseEndsTheProgramWithOneMessageAndIsLeftAsItWas)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir folder;
    Write(folder.filePath(QStringLiteral("Dorna.MDB")), "no es una base de datos");
    const auto before = Contents(folder.path());
    EXPECT_EXIT(StartOnFolder(folder.path()), ::testing::ExitedWithCode(1),
                "boxes: 1\nbox 16: El archivo «.*/Dorna.MDB» no es una base de datos.\n"
                "El programa termina sin modificar ningún archivo.\n");
    EXPECT_EQ(Contents(folder.path()), before);
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
