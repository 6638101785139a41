// Recordset semantics the forms rely on: position -1 when empty, FindFirst and
// NoMatch, writes visible to every later read, conversions by column type.
#include "StationFolder.h"

#include "jet/Engine.h"
#include "jet/Error.h"

#include <ostream>

using jet::Value;

using Recordsets = StationFolder;

TEST_F(Recordsets, EmptyRecordsetHasNoPosition)
{
    jet::Recordset blocks = dorna.OpenRecordset(QStringLiteral("SELECT HORA,TIEMPO,TIEMPO_VER FROM BLOQUES"));
    EXPECT_EQ(blocks.AbsolutePosition(), -1);
    EXPECT_TRUE(blocks.EOF());
    EXPECT_EQ(blocks.RecordCount(), 0);
    EXPECT_THROW(blocks.Fields(QStringLiteral("HORA")).Value(), jet::Error);
    blocks.MoveFirst();
    blocks.MoveLast();
    EXPECT_TRUE(blocks.EOF());
    EXPECT_THROW(blocks.MoveNext(), jet::Error);
}

TEST_F(Recordsets, SumOverNoRowsIsNull)
{
    jet::Recordset sum = dorna.OpenRecordset(
        QStringLiteral("SELECT Sum(TIEMPO) AS ToTal FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=#08:30:00#"));
    const Value total = sum.Fields(QStringLiteral("TOTAL")).Value();
    EXPECT_TRUE(total.IsNull());
    EXPECT_EQ(total.toDouble(), 0.0);
}

TEST_F(Recordsets, FindFirstMovesToTheFirstMatchInRecordsetOrder)
{
    dorna.Execute(QStringLiteral("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,NUMERO) VALUES "
                                 "(5,#09:00:00#,3), (5,#08:00:00#,1), (6,#08:00:00#,2)"));
    jet::Recordset spots =
        dorna.OpenRecordset(QStringLiteral("SELECT ORDEN,BLOQUE,NUMERO FROM PUBLICIDAD_CONTENIDO ORDER BY NUMERO"));
    spots.FindFirst(QStringLiteral("ORDEN=5"));
    EXPECT_FALSE(spots.NoMatch());
    EXPECT_EQ(spots.AbsolutePosition(), 0);
    spots.FindFirst(QStringLiteral("BLOQUE=#08:00:00#AND ORDEN=6"));
    EXPECT_EQ(spots.Fields(QStringLiteral("numero")).Value().toInt(), 2);
    spots.FindFirst(QStringLiteral("ORDEN=99"));
    EXPECT_TRUE(spots.NoMatch());
    EXPECT_EQ(spots.AbsolutePosition(), 1);
}

TEST_F(Recordsets, FindFirstOnAReadOnlyRecordset)
{
    dorna.Execute(QStringLiteral("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,TIEMPO) VALUES "
                                 "(5,#09:00:00#,30), (6,#08:00:00#,20), (7,#08:00:00#,10)"));
    jet::Recordset sums = dorna.OpenRecordset(QStringLiteral(
        "SELECT BLOQUE, Sum(TIEMPO) AS ToTal FROM PUBLICIDAD_CONTENIDO GROUP BY BLOQUE ORDER BY BLOQUE"));
    sums.FindFirst(QStringLiteral("ToTal=30 AND BLOQUE=#09:00:00#"));
    EXPECT_FALSE(sums.NoMatch());
    EXPECT_EQ(sums.AbsolutePosition(), 1);
    EXPECT_THROW(sums.Edit(), jet::Error);
}

TEST_F(Recordsets, WritesAreSeenByLaterReads)
{
    jet::Recordset clients = dorna.OpenRecordset(QStringLiteral("SELECT * FROM CLIENTES ORDER BY NUMERO"));
    for (int number : {3, 1}) {
        clients.AddNew();
        clients.Fields(QStringLiteral("NUMERO")) = number;
        clients.Fields(QStringLiteral("NOMBRE")) = QStringLiteral("Cliente %1").arg(number);
        clients.Update();
    }
    EXPECT_EQ(clients.RecordCount(), 2);
    clients.FindFirst(QStringLiteral("NUMERO=3"));
    clients.Edit();
    clients.Fields(QStringLiteral("TELEFONO")) = QStringLiteral("900 100 200");
    EXPECT_EQ(clients.Fields(QStringLiteral("TELEFONO")).Value().toString(), QStringLiteral("900 100 200"));
    clients.Update();
    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT NUMERO,NOMBRE,TELEFONO FROM CLIENTES ORDER BY NUMERO")),
              QStringList({"1|Cliente 1|", "3|Cliente 3|900 100 200"}));

    // New rows follow the rows read at opening, in the order they were added.
    clients.FindFirst(QStringLiteral("NUMERO=3"));
    EXPECT_EQ(clients.AbsolutePosition(), 0);
    clients.Delete();
    EXPECT_EQ(clients.AbsolutePosition(), -1);
    clients.MoveNext();  // the row after the deleted one
    EXPECT_EQ(clients.Fields(QStringLiteral("NUMERO")).Value().toInt(), 1);
    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT NUMERO FROM CLIENTES")), QStringList({"1"}));
}

TEST_F(Recordsets, NewRowOfAnEmptyRecordsetBecomesCurrent)
{
    jet::Recordset names = dorna.OpenRecordset(QStringLiteral("SELECT * FROM PROGRAMACION_NOMBRE"));
    names.AddNew();
    names.Fields(QStringLiteral("NOMBRE")) = QStringLiteral("Mañana");
    names.Fields(QStringLiteral("LUNES")) = 1;
    names.Update();
    EXPECT_EQ(names.AbsolutePosition(), 0);
    EXPECT_TRUE(names.Fields(QStringLiteral("MARTES")).Value().IsNull());
}

TEST_F(Recordsets, FieldsAreFoundWhateverTheCase)
{
    dorna.Execute(QStringLiteral("INSERT INTO PUBLICIDAD (ORDEN,CAMPAÑA) VALUES (1,'Navidad')"));
    jet::Recordset contracts = dorna.OpenRecordset(QStringLiteral("SELECT orden, campaña FROM publicidad"));
    EXPECT_EQ(contracts.Fields(QStringLiteral("CAMPAÑA")).Value().toString(), QStringLiteral("Navidad"));
    EXPECT_EQ(contracts.Fields(QStringLiteral("campaña")).Name(), QStringLiteral("CAMPAÑA"));
    EXPECT_THROW(contracts.Fields(QStringLiteral("CAMPANA")), jet::Error);
}

struct ColumnWrite {
    const char* name;
    const char* column;
    Value written;
    const char* criteria;  // must find the row afterwards
    const char* shown;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ColumnWrite& c, std::ostream* out)
{
    *out << c.name;
}

class ColumnWrites : public StationFolder, public ::testing::WithParamInterface<ColumnWrite> {};

TEST_P(ColumnWrites, ValueIsStoredAsTheColumnsType)
{
    const ColumnWrite& c = GetParam();
    jet::Recordset contracts = dorna.OpenRecordset(QStringLiteral("SELECT * FROM PUBLICIDAD"));
    contracts.AddNew();
    contracts.Fields(QStringLiteral("ORDEN")) = 1;
    contracts.Fields(QString::fromUtf8(c.column)) = c.written;
    contracts.Update();
    jet::Recordset found = dorna.OpenRecordset(QStringLiteral("SELECT %1 FROM PUBLICIDAD WHERE %2")
                                                   .arg(QString::fromUtf8(c.column), QString::fromUtf8(c.criteria)));
    ASSERT_EQ(found.RecordCount(), 1) << c.criteria;
    EXPECT_EQ(found.ValueAt(0, 0).toString(), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, ColumnWrites,
    ::testing::Values(
        ColumnWrite{"DayFirstText", "PERIODO", QStringLiteral("25/03/07"), "PERIODO=#03/25/07#", "25/03/2007"},
        ColumnWrite{"DateOfAPicker", "PERIODO", QDate(2007, 3, 25), "PERIODO=#03/25/2007#", "25/03/2007"},
        ColumnWrite{"DigitsIntoANumber", "DURACION", QStringLiteral("45"), "DURACION=45", "45"},
        ColumnWrite{"EmptyTextIntoANumberIsNull", "EMISIONES", QStringLiteral(""), "EMISIONES IS NULL", ""},
        ColumnWrite{"NumberIntoText", "VOZ", 7, "VOZ='7'", "7"},
        ColumnWrite{"ApostropheAndSqlLookingText", "NOMBRE", QStringLiteral("O'Neill'); DROP TABLE CLIENTES;--"),
                    "NOMBRE='O''Neill''); DROP TABLE CLIENTES;--'", "O'Neill'); DROP TABLE CLIENTES;--"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// A whole-number column keeps whole numbers as integers, never as
// floating-point numbers, and refuses what is no whole number or does not fit.
TEST_F(Recordsets, WholeNumberColumnsStoreIntegersAndRefuseTheRest)
{
    struct Case {
        Value written;
        const char* stored;  // nullptr: refused
    };
    const Case cases[] = {
        {QStringLiteral("12"), "12"},
        {QStringLiteral(" 7 "), "7"},
        {12.0, "12"},
        {QStringLiteral("12.0"), "12"},
        {QStringLiteral("2147483647"), "2147483647"},
        {QStringLiteral("-2147483648"), "-2147483648"},
        {QStringLiteral("4.5"), nullptr},
        {4.5, nullptr},
        {QStringLiteral("99999999999999999999"), nullptr},
        {1e20, nullptr},
        {QStringLiteral("2147483648"), nullptr},
        {2147483648LL, nullptr},
    };
    for (const Case& c : cases) {
        const std::string what = c.written.toString().toStdString();
        dorna.Execute(QStringLiteral("DELETE * FROM CLIENTES"));
        jet::Recordset clients = dorna.OpenRecordset(QStringLiteral("SELECT * FROM CLIENTES"));
        clients.AddNew();
        try {
            clients.Fields(QStringLiteral("NUMERO")) = c.written;
            clients.Fields(QStringLiteral("NOMBRE")) = QStringLiteral("Uno");
            clients.Update();
            EXPECT_TRUE(c.stored) << what << " was stored";
        } catch (const jet::Error& error) {
            EXPECT_FALSE(c.stored) << what << ": " << error.what();
            EXPECT_TRUE(error.Text().contains(QStringLiteral("CLIENTES.NUMERO"))) << error.what();
            EXPECT_FALSE(error.Text().contains(QStringLiteral("SELECT"))) << error.what();
        }
        const QStringList expected = c.stored ? QStringList{QString::fromUtf8(c.stored) + "|integer"} : QStringList{};
        EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT NUMERO,typeof(NUMERO) FROM CLIENTES")), expected) << what;
    }
}

TEST_F(Recordsets, TimeWrittenAsTextComparesEqualToItsLiteral)
{
    jet::Recordset blocks = dorna.OpenRecordset(QStringLiteral("SELECT * FROM BLOQUES"));
    blocks.AddNew();
    blocks.Fields(QStringLiteral("HORA")) = QStringLiteral("08:30:00");
    blocks.Fields(QStringLiteral("DURACION")) = QTime(0, 5);
    blocks.Update();
    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT HORA,DURACION FROM BLOQUES WHERE HORA=#08:30:00#")),
              QStringList({"08:30:00|00:05:00"}));
}

TEST_F(Recordsets, TextThatIsNoDateIsRefusedNamingTheColumn)
{
    jet::Recordset days = dorna.OpenRecordset(QStringLiteral("SELECT * FROM DIAS"));
    days.AddNew();
    try {
        days.Fields(QStringLiteral("DIA")) = QStringLiteral("mañana");
        FAIL() << "a text that is no date was taken";
    } catch (const jet::Error& error) {
        EXPECT_TRUE(error.Text().contains(QStringLiteral("DIAS.DIA"))) << error.what();
    }
}

TEST_F(Recordsets, DuplicateKeyIsRefused)
{
    dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno')"));
    jet::Recordset clients = dorna.OpenRecordset(QStringLiteral("SELECT * FROM CLIENTES"));
    clients.AddNew();
    clients.Fields(QStringLiteral("NUMERO")) = 1;
    try {
        clients.Update();
        FAIL() << "a second client 1 was stored";
    } catch (const jet::Error& error) {
        EXPECT_TRUE(error.Text().contains(QStringLiteral("CLIENTES.NUMERO"))) << error.what();
    }
    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT NOMBRE FROM CLIENTES")), QStringList({"Uno"}));
}

TEST_F(Recordsets, RecordsetOutlivesItsDatabase)
{
    dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno')"));
    jet::Recordset clients = dorna.OpenRecordset(QStringLiteral("SELECT * FROM CLIENTES"));
    dorna.Close();
    clients.Edit();
    clients.Fields(QStringLiteral("NOMBRE")) = QStringLiteral("Uno bis");
    clients.Update();
    EXPECT_EQ(clients.Fields(QStringLiteral("NOMBRE")).Value().toString(), QStringLiteral("Uno bis"));
}

TEST_F(Recordsets, OpenRecordsetKeepsItsRowsWhileAnotherConnectionWrites)
{
    dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno'), (2,'Dos'), (3,'Tres')"));
    jet::Recordset clients = dorna.OpenRecordset(QStringLiteral("SELECT * FROM CLIENTES ORDER BY NUMERO"));
    jet::Database other = jet::DBEngine().OpenDatabase(Path(QStringLiteral("Dorna.MDB")));
    other.Execute(QStringLiteral("DELETE * FROM CLIENTES WHERE NUMERO>1"));
    EXPECT_EQ(clients.RecordCount(), 3);
    EXPECT_EQ(Rows(dorna, QStringLiteral("SELECT NUMERO FROM CLIENTES")), QStringList({"1"}));
}

TEST_F(Recordsets, RowAddedWhileRowsAreStillBeingReadIsListedOnce)
{
    dorna.Execute(QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno'), (2,'Dos')"));
    jet::Recordset clients = dorna.OpenRecordset(QStringLiteral("SELECT * FROM CLIENTES"));
    clients.AddNew();
    clients.Fields(QStringLiteral("NUMERO")) = 3;
    clients.Update();
    EXPECT_EQ(clients.RecordCount(), 3);
    clients.MoveLast();
    EXPECT_EQ(clients.Fields(QStringLiteral("NUMERO")).Value().toInt(), 3);
}
