// Other programs open the database files through SQLite alone, with the
// extension varnook_es loaded: it sorts and compares texts as the engine
// does, so an index written by either one is read right by the other.
#include "CodePoints.h"
#include "StationFolder.h"

#include <QFile>
#include <QProcess>
#include <algorithm>
#include <optional>
#include <ostream>
#include <sqlite3.h>

namespace {

// A connection of the SQLite library alone, as another program has it.
class PlainSqlite {
public:
    explicit PlainSqlite(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~PlainSqlite() { sqlite3_close_v2(db_); }
    PlainSqlite(const PlainSqlite&) = delete;
    PlainSqlite& operator=(const PlainSqlite&) = delete;

    // Empty when loaded, else SQLite's message.
    QString LoadExtension()
    {
        sqlite3_enable_load_extension(db_, 1);
        char* message = nullptr;
        const bool loaded = sqlite3_load_extension(db_, VARNOOK_ES_EXTENSION, nullptr, &message) == SQLITE_OK;
        const QString problem = loaded ? QString() : QString::fromUtf8(message ? message : "?");
        sqlite3_free(message);
        return problem;
    }

    // Every row as "value|value|..."; a failure ends the list with "error: ...".
    QStringList Rows(const QString& sql)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            return {QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(db_))};
        QStringList rows;
        int result;
        while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
            QStringList values;
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
            rows << values.join(QLatin1Char('|'));
        }
        if (result != SQLITE_DONE)
            rows << QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(statement);
        return rows;
    }

private:
    sqlite3* db_ = nullptr;
};

class SqliteExtension : public StationFolder {
protected:
    void SetUp() override
    {
        StationFolder::SetUp();
        plainDorna.emplace(Path(QStringLiteral("Dorna.MDB")));
        plainMusica.emplace(Path(QStringLiteral("MUSICA.MDB")));
        ASSERT_EQ(plainDorna->LoadExtension(), QString());
        ASSERT_EQ(plainMusica->LoadExtension(), QString());
    }

    std::optional<PlainSqlite> plainDorna;
    std::optional<PlainSqlite> plainMusica;
};

TEST_F(SqliteExtension, WithoutItTextColumnsCannotBeSorted)
{
    PlainSqlite bare(Path(QStringLiteral("Dorna.MDB")));
    EXPECT_EQ(bare.Rows(QStringLiteral("SELECT NOMBRE FROM CLIENTES ORDER BY NOMBRE")),
              QStringList({"error: no such collation sequence: ES"}));
}

TEST_F(SqliteExtension, NamesWrittenByTheEngineSortAsInTheEngine)
{
    musica.Execute(QStringLiteral("INSERT INTO INTERPRETE (NOMBRE) VALUES ('Zapata'), ('ñandú'), ('Nube'), "
                                  "('árbol'), ('Oso'), ('abeto'), ('Ávila'), ('nata'), ('Ñu'), ('Nuñez'), "
                                  "('Nunez'), ('arbol'), ('Ópera'), ('ópalo'), ('Ana')"));
    const QStringList expected = {"abeto", "Ana",   "arbol", "árbol", "Ávila", "nata", "Nube",  "Nunez",
                                  "Nuñez", "ñandú", "Ñu",    "ópalo", "Ópera", "Oso",  "Zapata"};
    const QString sorted = QStringLiteral("SELECT NOMBRE FROM INTERPRETE ORDER BY NOMBRE");
    EXPECT_EQ(Rows(musica, sorted), expected);
    EXPECT_EQ(plainMusica->Rows(sorted), expected);
    // The engine's index on NOMBRE, checked entry by entry in the extension's order.
    EXPECT_EQ(plainMusica->Rows(QStringLiteral("PRAGMA integrity_check")), QStringList({"ok"}));
}

// Both are built from one table of weights: a stale or second copy of it
// would set some character apart.
TEST_F(SqliteExtension, EveryCharacterOfTheBasicPlaneSortsAsInTheEngine)
{
    const QStringList sorted = plainMusica->Rows(
        QStringLiteral("WITH RECURSIVE c(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM c WHERE n < 65535) "
                       "SELECT n FROM c WHERE n < 55296 OR n > 57343 ORDER BY char(n) COLLATE ES, n"));
    QStringList expected;
    for (const char32_t code : CodePointsInOrder(0xFFFF))
        expected << QString::number(code);
    ASSERT_EQ(sorted.size(), expected.size());
    const auto [found, wanted] = std::mismatch(sorted.begin(), sorted.end(), expected.begin());
    EXPECT_TRUE(found == sorted.end()) << "at place " << (found - sorted.begin()) << " the extension has "
                                       << found->toStdString() << ", the engine " << wanted->toStdString();
}

struct Comparison {
    const char* left;
    const char* right;
    int order;  // of left against right: -1, 0 or 1
};

void PrintTo(const Comparison& c, std::ostream* out)
{
    *out << c.left << " against " << c.right;
}

class Comparisons : public SqliteExtension, public ::testing::WithParamInterface<Comparison> {
protected:
    // The order of left against right as a WHERE on the stored left sees it.
    template <typename RowsOf>
    static int OrderIn(RowsOf rows, const QString& right)
    {
        if (!rows(QStringLiteral("SELECT NOMBRE FROM ALBUN WHERE NOMBRE = '%1'").arg(right)).isEmpty())
            return 0;
        return rows(QStringLiteral("SELECT NOMBRE FROM ALBUN WHERE NOMBRE < '%1'").arg(right)).isEmpty() ? 1 : -1;
    }
};

TEST_P(Comparisons, AgreeWithTheEngine)
{
    const QString left = QString::fromUtf8(GetParam().left);
    const QString right = QString::fromUtf8(GetParam().right);
    musica.Execute(QStringLiteral("INSERT INTO ALBUN (NOMBRE) VALUES ('%1')").arg(left));
    EXPECT_EQ(OrderIn([this](const QString& sql) { return Rows(musica, sql); }, right), GetParam().order);
    EXPECT_EQ(OrderIn([this](const QString& sql) { return plainMusica->Rows(sql); }, right), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(SpanishNames, Comparisons,
                         ::testing::Values(Comparison{"CANCIÓN", "canción", 0}, Comparison{"MAÑANA", "mañana", 0},
                                           Comparison{"Canción", "Cancion", 1}, Comparison{"mañana", "manana", 1},
                                           Comparison{"ñu", "Nz", 1}, Comparison{"Ñ", "O", -1},
                                           Comparison{"é", "f", -1}, Comparison{"Éa", "eb", -1},
                                           Comparison{"ab", "abc", -1}, Comparison{"", "a", -1}),
                         [](const auto& testCase) { return "Case" + std::to_string(testCase.index); });

TEST_F(SqliteExtension, ProgrammingRowsWrittenByAnotherProgramAreReadByVarnook)
{
    const QStringList inserts = {
        "INSERT INTO PROGRAMACION_NOMBRE (NOMBRE,LUNES,MARTES,MIERCOLES,JUEVES,VIERNES,SABADO,DOMINGO) VALUES "
        "('Tarde',1,1,1,1,1,0,0), ('Mañana',1,1,1,1,1,0,0), ('Ágora',0,0,0,0,0,1,1), ('noche',1,1,1,1,1,1,1), "
        "('Madrugada',0,0,0,0,0,1,1)",
        "INSERT INTO PROGRAMACION (PROGRAMACION,HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO) VALUES "
        "('Tarde','1899-12-30 16:00:00','PRO','Magacín','02:00:00','1899-12-30 18:00:00',''), "
        "('Mañana','1899-12-30 09:00:00','FIC','Sintonía','00:00:30','1899-12-30 09:00:30','/audio/sintonía.mp3'), "
        "('Ágora','1899-12-30 12:00:00','ROT','Éxitos','Indefinido','1899-12-30 12:00:00',''), "
        "('MAÑANA','1899-12-30 08:00:00','BLO','Bloque','00:01:30','1899-12-30 08:01:30','BLOQUE'), "
        "('noche','1899-12-30 23:00:00','MUS','Canción','00:03:10','1899-12-30 23:03:10','/música/c.mp3'), "
        "('Madrugada','1899-12-30 02:00:00','FIC','Señal','00:00:05','1899-12-30 02:00:05','/audio/s.mp3'), "
        "('Manana','1899-12-30 07:00:00','FIC','Otra','00:00:05','1899-12-30 07:00:05','/audio/o.mp3')",
    };
    for (const QString& insert : inserts)
        ASSERT_EQ(plainDorna->Rows(insert), QStringList());

    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT NOMBRE FROM PROGRAMACION_NOMBRE ORDER BY NOMBRE")),
              QStringList({"Ágora", "Madrugada", "Mañana", "noche", "Tarde"}));
    // The editor's row query, answered through the index the other program wrote.
    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO FROM PROGRAMACION "
                                         "WHERE PROGRAMACION = 'Mañana' ORDER BY HORA")),
              QStringList({"08:00:00|BLO|Bloque|00:01:30|08:01:30|BLOQUE",
                           "09:00:00|FIC|Sintonía|00:00:30|09:00:30|/audio/sintonía.mp3"}));
    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT DESCRIPCION FROM PROGRAMACION WHERE PROGRAMACION = 'ágora'")),
              QStringList({"Éxitos"}));
    EXPECT_EQ(plainDorna->Rows(QStringLiteral("PRAGMA integrity_check")), QStringList({"ok"}));
}

TEST_F(SqliteExtension, TheSqliteShellLoadsIt)
{
    dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Zapatería Ñandú'), "
                                 "(2,'Óptica Norte'), (3,'ñoquis'), (4,'bar Nuevo'), (5,'Álvarez')"));
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"),
                {QStringLiteral("-cmd"), QStringLiteral(".load ") + QFile::decodeName(VARNOOK_ES_EXTENSION),
                 Path(QStringLiteral("Dorna.MDB")), QStringLiteral("SELECT NOMBRE FROM CLIENTES ORDER BY NOMBRE;")});
    ASSERT_TRUE(shell.waitForFinished(30000)) << shell.errorString().toStdString();
    EXPECT_EQ(QString::fromUtf8(shell.readAllStandardError()), QString());
    EXPECT_EQ(QString::fromUtf8(shell.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              QStringList({"Álvarez", "bar Nuevo", "ñoquis", "Óptica Norte", "Zapatería Ñandú"}));
}

}  // namespace
