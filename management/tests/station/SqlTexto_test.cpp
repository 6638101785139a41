// Literals for statements: texts keep their apostrophes, times and days take
// the #...# forms, numbers their digits, and such literals find what was stored.
#include "jet/Engine.h"
#include "station/SqlTexto.h"
#include "support/StationFixture.h"

#include <gtest/gtest.h>

TEST(SqlTexto, LiteralsHaveTheirFixedForms)
{
    EXPECT_EQ(SqlTexto(QStringLiteral("L'Hospitalet")), QStringLiteral("'L''Hospitalet'"));
    EXPECT_EQ(SqlTexto(QString()), QStringLiteral("''"));
    EXPECT_EQ(SqlHora(QTime(8, 30)), QStringLiteral("#08:30:00#"));
    EXPECT_EQ(SqlHora(jet::Value::ParseDateTime(QStringLiteral("31/12/1899 00:10:00"))), QStringLiteral("#00:10:00#"));
    EXPECT_EQ(SqlFecha(QDate(2007, 3, 25)), QStringLiteral("#03/25/07#"));
    EXPECT_EQ(SqlFecha(jet::Value(QDate(2031, 1, 2))), QStringLiteral("#01/02/31#"));
}

TEST(SqlNumero, WritesDigitsNeverAnExponent)
{
    struct Caso {
        double numero;
        const char* sql;
    };
    const Caso casos[] = {
        {8, "8"},
        {-12, "-12"},
        {-0.0, "0"},
        {1e15, "1000000000000000"},
        {1234567890123456, "1234567890123456"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {1.0 / 3, "0.3333333333333333"},
        {1e-7, "0.0000001"},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(SqlNumero(caso.numero), QString::fromUtf8(caso.sql)) << caso.sql;
}

class NumbersInCriteria : public ProgramFolderFixture, public ::testing::WithParamInterface<double> {};

// Fifteen significant digits or six decimals would miss some of these rows.
// Whole-number columns take no fractions, so the rows are in a table of
// floating-point numbers made for the test.
TEST_P(NumbersInCriteria, FindTheNumberStored)
{
    jet::Database dorna = jet::DBEngine().OpenDatabase(Path(QStringLiteral("Dorna.MDB")));
    dorna.Execute(QStringLiteral("CREATE TABLE MEDIDAS (VALOR DOUBLE, NOMBRE TEXT)"));
    jet::Recordset medidas = dorna.OpenRecordset(QStringLiteral("SELECT * FROM MEDIDAS"));
    for (const double otro : {GetParam() + 1, GetParam() * 2 + 1}) {
        medidas.AddNew();
        medidas.Fields("VALOR") = otro;
        medidas.Update();
    }
    medidas.AddNew();
    medidas.Fields("VALOR") = GetParam();
    medidas.Fields("NOMBRE") = QStringLiteral("buscado");
    medidas.Update();
    medidas.FindFirst("VALOR=" + SqlNumero(GetParam()));
    ASSERT_FALSE(medidas.NoMatch());
    EXPECT_EQ(medidas.Fields("NOMBRE").Value().toString(), QStringLiteral("buscado"));
    EXPECT_EQ(dorna.OpenRecordset("SELECT * FROM MEDIDAS WHERE VALOR=" + SqlNumero(GetParam())).RecordCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumbersInCriteria,
                         ::testing::Values(7.0, -12.0, 1e15, 1234567890123456.0, -2.5, 1.0 / 3, 1e-7));

class QuotedNames : public ProgramFolderFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(QuotedNames, AreStoredAndFoundIntact)
{
    jet::Database dorna = jet::DBEngine().OpenDatabase(Path(QStringLiteral("Dorna.MDB")));
    const QString name = QString::fromUtf8(GetParam());
    dorna.Execute("INSERT INTO PROGRAMACION_NOMBRE (NOMBRE) VALUES (" + SqlTexto(name) + ")");
    jet::Recordset names = dorna.OpenRecordset(QStringLiteral("SELECT NOMBRE FROM PROGRAMACION_NOMBRE"));
    names.FindFirst("NOMBRE=" + SqlTexto(name));
    ASSERT_FALSE(names.NoMatch());
    EXPECT_EQ(names.Fields(QStringLiteral("NOMBRE")).Value().toString(), name);
    dorna.Execute("DELETE * FROM PROGRAMACION_NOMBRE WHERE NOMBRE=" + SqlTexto(name));
    EXPECT_EQ(dorna.OpenRecordset(QStringLiteral("SELECT * FROM PROGRAMACION_NOMBRE")).RecordCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Names, QuotedNames,
                         ::testing::Values("L'Hospitalet", "O'Neill", "''", "x' OR '1'='1", "Rock\"n\"Roll",
                                           "'); DROP TABLE PROGRAMACION; --", "#08:30:00#", "Mañana *"));
