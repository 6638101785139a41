// The program creates the databases it misses, with every table the forms
// use and their unique keys, and never touches a file that exists.
#include "Databases.h"
#include "ProgramFolder.h"
#include "jet/Engine.h"
#include "jet/Error.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    QFile::remove(folder.filePath(QStringLiteral("MUSICA.MDB")));
    QFile::rename(folder.filePath(QStringLiteral("Dorna.MDB")), folder.filePath(QStringLiteral("dorna.mdb")));
    QFile odd(folder.filePath(QStringLiteral("CONTINUIDAD.MDB")));
    ASSERT_TRUE(odd.open(QIODevice::WriteOnly | QIODevice::Truncate));
    odd.write("no es una base de datos");
    odd.close();
    const QByteArray dorna = Hash(folder.filePath(QStringLiteral("dorna.mdb")));
    const QByteArray continuidad = Hash(folder.filePath(QStringLiteral("CONTINUIDAD.MDB")));

    CreateMissingDatabases(folder.path());
    EXPECT_EQ(Hash(folder.filePath(QStringLiteral("dorna.mdb"))), dorna);
    EXPECT_EQ(Hash(folder.filePath(QStringLiteral("CONTINUIDAD.MDB"))), continuidad);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("Dorna.MDB"))));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("MUSICA.MDB"))));
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
