// Literals for statements: texts keep their apostrophes, times and days take
// the #...# forms, and such texts are stored and found intact.
#include "support/StationFixture.h"
#include "station/SqlTexto.h"
#include "jet/Engine.h"

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
