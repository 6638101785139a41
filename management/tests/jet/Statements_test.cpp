// Every statement text the traffic, programming and music forms run, on a
// small fixture of the real schema, checked by reading the rows back.
#include "StationFolder.h"

#include <QDate>
#include <ostream>

namespace {

struct StatementCase {
    const char* name;
    QStringList setup;  // {AYER} {HOY} {MAÑANA} stand for #MM/dd/yyyy# dates
    QString statement;  // executed, or read when check is empty
    QString check;
    QStringList expected;
    bool musica = false;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const StatementCase& c, std::ostream* out)
{
    *out << c.name;
}

const QString spots =
    QStringLiteral("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,NUMERO,NOMBRE,TIEMPO,FECHA1) VALUES "
                   "(12,#08:30:00#,2,'a.mp3',30,{AYER}), (13,#08:30:00#,3,'b.mp3',60,{HOY}), "
                   "(12,#10:00:00#,2,'a.mp3',30,{MAÑANA})");
const QString blocks = QStringLiteral("INSERT INTO BLOQUES (HORA,TIEMPO,TIEMPO_VER) VALUES (#08:30:00#,90,'00:01:30'), "
                                      "(#10:00:00#,90,'00:01:30'), (#23:59:00#,120,'00:02:00')");
const QString programming =
    QStringLiteral("INSERT INTO PROGRAMACION (PROGRAMACION,HORA,TIPO,TIEMPO_VER,FIN) VALUES "
                   "('Mañana',#10:00:00#,'FIC','00:00:10',#10:00:10#), ('Tarde',#10:00:00#,'BLO','',#10:00:00#), "
                   "('Mañana',#23:59:00#,'BLO','',#23:59:00#), ('Mañana',#11:00:00#,'PRO','00:30:00',#11:30:00#)");
const QString contracts = QStringLiteral(
    "INSERT INTO PUBLICIDAD (ORDEN,NOMBRE,CAMPAÑA,PERIODO,PERIODO2,CUÑA,DURACION,DURACION_MOSTRAR) VALUES "
    "(1,'uno','Verano',{AYER},{MAÑANA},'/a/1.mp3',10,'00:00:10'), "
    "(2,'dos','verde',{HOY},{MAÑANA},'/a/2.mp3',20,'00:00:20'), "
    "(10,'diez','Otoño',{MAÑANA},{MAÑANA},'/a/10.mp3',30,'00:00:30'), "
    "(12,'doce','Verbena',#03/01/2007#,#03/31/07#,'/nuevo/12.mp3',45,'00:00:45'), "
    "(21,'veintiuno','Invierno',{MAÑANA},{MAÑANA},'/a/21.mp3',5,'00:00:05')");

const StatementCase cases[] = {
    {"PurgeKeepsTodaysPlacements",
     {spots},
     "DELETE * FROM PUBLICIDAD_CONTENIDO WHERE FECHA1 < Date()",
     "SELECT ORDEN,BLOQUE FROM PUBLICIDAD_CONTENIDO ORDER BY BLOQUE",
     {"13|08:30:00", "12|10:00:00"}},
    {"SumOfABlocksSpots",
     {spots},
     "SELECT Sum(TIEMPO) AS ToTal FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=#08:30:00#",
     "",
     {"90"}},
    {"BlockLengthAndEndReachEveryProgrammingRowAtItsTime",
     {blocks, programming},
     "UPDATE PROGRAMACION,BLOQUES SET PROGRAMACION.TIEMPO_VER = BLOQUES.TIEMPO_VER, "
     "PROGRAMACION.FIN =  DateAdd('s', BLOQUES.TIEMPO, Format(BLOQUES.HORA, 'hh:mm:ss'))  "
     "WHERE PROGRAMACION.HORA=BLOQUES.HORA",
     "SELECT PROGRAMACION,HORA,TIEMPO_VER,FIN FROM PROGRAMACION ORDER BY HORA, PROGRAMACION",
     {"Mañana|10:00:00|00:01:30|10:01:30", "Tarde|10:00:00|00:01:30|10:01:30", "Mañana|11:00:00|00:30:00|11:30:00",
      "Mañana|23:59:00|00:02:00|31/12/1899 00:01:00"}},
    {"ProgramLengthReachesRowsAtItsTime",
     {programming,
      "INSERT INTO PROGRAMAS (HORA,NOMBRE,TIEMPO,TIEMPO_VER) VALUES (#11:00:00#,'Magazine',5400,'01:30:00')"},
     "UPDATE PROGRAMACION,PROGRAMAS SET PROGRAMACION.TIEMPO_VER = PROGRAMAS.TIEMPO_VER WHERE "
     "PROGRAMACION.HORA=PROGRAMAS.HORA",
     "SELECT HORA,TIEMPO_VER FROM PROGRAMACION WHERE PROGRAMACION='Mañana' ORDER BY HORA",
     {"10:00:00|00:00:10", "11:00:00|01:30:00", "23:59:00|"}},
    {"ProgramEndIsStartPlusSeconds",
     {programming,
      "INSERT INTO PROGRAMAS (HORA,NOMBRE,TIEMPO,TIEMPO_VER) VALUES (#11:00:00#,'Magazine',5400,'01:30:00')"},
     "UPDATE PROGRAMACION,PROGRAMAS SET PROGRAMACION.FIN =DateAdd('s', PROGRAMAS.TIEMPO,PROGRAMAS.HORA) "
     "WHERE PROGRAMACION.HORA=PROGRAMAS.HORA",
     "SELECT FIN FROM PROGRAMACION WHERE HORA=#11:00:00#",
     {"12:30:00"}},
    {"DateAddIntervalsInAnyCase",
     {programming},
     "UPDATE PROGRAMACION SET FIN = DateAdd('d', 1, DateAdd('H', 1, DateAdd('n', 2, DateAdd('S', 3, HORA)))) "
     "WHERE TIPO='FIC'",
     "SELECT FIN FROM PROGRAMACION WHERE TIPO='FIC'",
     {"31/12/1899 11:02:03"}},
    {"ContractLengthChangeReachesItsBlocks",
     {blocks, spots},
     "UPDATE BLOQUES,PUBLICIDAD_CONTENIDO SET BLOQUES.TIEMPO = BLOQUES.TIEMPO - PUBLICIDAD_CONTENIDO.TIEMPO +45 "
     "WHERE PUBLICIDAD_CONTENIDO.ORDEN = 12 AND PUBLICIDAD_CONTENIDO.BLOQUE = BLOQUES.HORA",
     "SELECT HORA,TIEMPO FROM BLOQUES ORDER BY HORA",
     {"08:30:00|105", "10:00:00|105", "23:59:00|120"}},
    {"ContractColumnsReachItsPlacements",
     {spots, contracts},
     "UPDATE PUBLICIDAD_CONTENIDO,PUBLICIDAD SET PUBLICIDAD_CONTENIDO.FICHERO=PUBLICIDAD.CUÑA,"
     "PUBLICIDAD_CONTENIDO.NOMBRE=PUBLICIDAD.NOMBRE,PUBLICIDAD_CONTENIDO.TIEMPO=PUBLICIDAD.DURACION,"
     "PUBLICIDAD_CONTENIDO.FECHA1=PUBLICIDAD.PERIODO,PUBLICIDAD_CONTENIDO.FECHA2=PUBLICIDAD.PERIODO2,"
     "PUBLICIDAD_CONTENIDO.TIEMPO_VER=PUBLICIDAD.DURACION_MOSTRAR WHERE PUBLICIDAD_CONTENIDO.ORDEN = 12 AND "
     "PUBLICIDAD.ORDEN=12",
     "SELECT ORDEN,FICHERO,NOMBRE,TIEMPO,TIEMPO_VER,FECHA1,FECHA2 FROM PUBLICIDAD_CONTENIDO WHERE ORDEN=12",
     {"12|/nuevo/12.mp3|doce|45|00:00:45|01/03/2007|31/03/2007",
      "12|/nuevo/12.mp3|doce|45|00:00:45|01/03/2007|31/03/2007"}},
    {"RemovedContractLeavesItsBlocks",
     {blocks, spots},
     "UPDATE BLOQUES,PUBLICIDAD_CONTENIDO SET BLOQUES.TIEMPO = BLOQUES.TIEMPO -30 "
     "WHERE PUBLICIDAD_CONTENIDO.ORDEN = 12 AND PUBLICIDAD_CONTENIDO.BLOQUE = BLOQUES.HORA",
     "SELECT TIEMPO FROM BLOQUES ORDER BY HORA",
     {"60", "60", "120"}},
    {"ContractPlacementsDeleted",
     {spots},
     "DELETE * FROM PUBLICIDAD_CONTENIDO WHERE ORDEN=12",
     "SELECT ORDEN FROM PUBLICIDAD_CONTENIDO",
     {"13"}},
    {"ContractDaysDeleted",
     {"INSERT INTO DIAS (CONTRATO,DIA) VALUES (12,#03/25/07#), (13,#03/26/07#)"},
     "DELETE * FROM DIAS WHERE CONTRATO=12",
     "SELECT * FROM DIAS",
     {"13|26/03/2007"}},
    {"NumberPrefixMatchesItsDigits",
     {contracts},
     "SELECT ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ FROM PUBLICIDAD WHERE ORDEN LIKE '1*' ORDER BY ORDEN",
     "",
     {"1|uno|00:00:10|Verano|", "10|diez|00:00:30|Otoño|", "12|doce|00:00:45|Verbena|"}},
    {"TextPrefixIgnoresCase",
     {contracts},
     "SELECT ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ FROM PUBLICIDAD WHERE CAMPAÑA LIKE 'ver*' ORDER BY CAMPAÑA",
     "",
     {"1|uno|00:00:10|Verano|", "12|doce|00:00:45|Verbena|", "2|dos|00:00:20|verde|"}},
    {"FinishedContractsOldestFirst",
     {contracts},
     "SELECT  ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ FROM PUBLICIDAD WHERE PERIODO < DATE() ORDER BY PERIODO ",
     "",
     {"12|doce|00:00:45|Verbena|", "1|uno|00:00:10|Verano|"}},
    {"FinishedContractsDeleted",
     {contracts},
     "DELETE * FROM PUBLICIDAD WHERE PERIODO < DATE()",
     "SELECT ORDEN FROM PUBLICIDAD ORDER BY ORDEN",
     {"2", "10", "21"}},
    {"PastBroadcastDaysDeleted",
     {"INSERT INTO DIAS (CONTRATO,DIA) VALUES (1,{AYER}), (1,{HOY}), (2,{MAÑANA})"},
     "DELETE * FROM DIAS WHERE DIA< DATE()",
     "SELECT CONTRATO FROM DIAS ORDER BY DIA",
     {"1", "2"}},
    {"EmptySelectionWithDoubleQuotedText",
     {spots},
     "SELECT BLOQUE FROM PUBLICIDAD_CONTENIDO WHERE NOMBRE =\"[\" ORDER BY BLOQUE",
     "",
     {}},
    {"BlocksInTimeOrder",
     {blocks},
     "SELECT HORA,TIEMPO_VER,TIEMPO FROM BLOQUES ORDER BY  HORA",
     "",
     {"08:30:00|00:01:30|90", "10:00:00|00:01:30|90", "23:59:00|00:02:00|120"}},
    {"SpotsOfABlockWithoutBlankBeforeOrder",
     {spots},
     "SELECT ORDEN,NOMBRE,TIEMPO_VER FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE =#08:30:00#ORDER BY NUMERO",
     "",
     {"12|a.mp3|", "13|b.mp3|"}},
    {"ClosingSemicolon",
     {spots},
     "SELECT ORDEN,NUMERO,NOMBRE FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=#08:30:00#ORDER BY NUMERO;",
     "",
     {"12|2|a.mp3", "13|3|b.mp3"}},
    {"LastBroadcastDayBecomesThePeriod",
     {contracts},
     "UPDATE PUBLICIDAD SET PERIODO=#03/25/07# WHERE ORDEN=12",
     "SELECT ORDEN FROM PUBLICIDAD WHERE PERIODO=#03/25/2007#",
     {"12"}},
    {"BlockDeletionRemovesItsRowsEverywhere",
     {programming},
     "DELETE  FROM PROGRAMACION WHERE TIPO='BLO' AND HORA=#10:00:00#",
     "SELECT PROGRAMACION,TIPO FROM PROGRAMACION WHERE HORA=#10:00:00#",
     {"Mañana|FIC"}},
    {"BlockRowsOfOneProgrammingDeleted",
     {programming},
     "DELETE * FROM PROGRAMACION WHERE TIPO = 'BLO'AND PROGRAMACION='Mañana'",
     "SELECT PROGRAMACION,TIPO FROM PROGRAMACION ORDER BY HORA, PROGRAMACION",
     {"Mañana|FIC", "Tarde|BLO", "Mañana|PRO"}},
    {"ProgrammingRowsFoundWhateverTheCase",
     {programming},
     "SELECT HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO FROM PROGRAMACION WHERE PROGRAMACION = 'MAÑANA' ORDER BY "
     "HORA",
     "",
     {"10:00:00|FIC||00:00:10|10:00:10|", "11:00:00|PRO||00:30:00|11:30:00|", "23:59:00|BLO|||23:59:00|"}},
    {"ClientsByNumber",
     {"INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (7,'Siete'), (2,'Dos')"},
     "SELECT * FROM CLIENTES ORDER BY  NUMERO",
     "",
     {"2|Dos|||||", "7|Siete|||||"}},
    {"SongPrefixOnANumberColumnSkipsNull",
     {"INSERT INTO CATALOGO (CODIGO,TITULO,AÑO) VALUES (1,'A',1999), (2,'B',2001), (3,'C',NULL), (4,'D',1985)"},
     "SELECT CODIGO,TITULO,AÑO FROM CATALOGO WHERE AÑO LIKE '19*' ORDER BY AÑO",
     "",
     {"4|D|1985", "1|A|1999"},
     true},
    {"PerformerPrefixWithAnApostrophe",
     {"INSERT INTO INTERPRETE (NOMBRE) VALUES ('O''Neill'), ('Olé'), ('o''brien')"},
     "SELECT NOMBRE FROM INTERPRETE WHERE NOMBRE LIKE 'o''*' ORDER BY NOMBRE",
     "",
     {"o'brien", "O'Neill"},
     true},
};

class Statements : public StationFolder, public ::testing::WithParamInterface<StatementCase> {};

// "#MM/dd/yyyy#" of today plus some days.
QString SqlDay(int daysFromToday)
{
    return QLatin1Char('#') + QDate::currentDate().addDays(daysFromToday).toString(QStringLiteral("MM/dd/yyyy"))
           + QLatin1Char('#');
}

QString WithDays(QString sql)
{
    return sql.replace(QStringLiteral("{AYER}"), SqlDay(-1))
        .replace(QStringLiteral("{HOY}"), SqlDay(0))
        .replace(QStringLiteral("{MAÑANA}"), SqlDay(1));
}

}  // namespace

TEST_P(Statements, GiveTheRowsTheFormsExpect)
{
    const StatementCase& c = GetParam();
    jet::Database& database = c.musica ? musica : dorna;
    for (const QString& sql : c.setup)
        database.Execute(WithDays(sql));
    QStringList rows;
    if (c.check.isEmpty()) {
        rows = Rows(database, WithDays(c.statement));
    } else {
        database.Execute(WithDays(c.statement));
        rows = Rows(database, c.check);
    }
    EXPECT_EQ(rows, c.expected) << c.statement.toStdString();
}

INSTANTIATE_TEST_SUITE_P(FormStatements, Statements, ::testing::ValuesIn(cases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });
