#include "traffic/Asignar.h"
#include "traffic/F_Publicidad.h"
#include "traffic/Periodo.h"

#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "support/StationFixture.h"

#include "forms/MsgBox.h"
#include "forms/TestSeam.h"
#include "jet/Engine.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using forms::test::Click;
using forms::test::CloseUp;

class AsignarTest : public StationFixture {
protected:
    static void Ejecutar(const QString& sql) { Execute(DornaPath(), sql); }

    static void Contrato(int orden, const QDate& periodo, const QDate& periodo2)
    {
        Ejecutar(QString("INSERT INTO PUBLICIDAD (ORDEN,CLIENTE,CLIENTE_NOMBRE,PERIODO,PERIODO2,EMISIONES) "
                         "VALUES (%1,1,'A',%2,%3,0)")
                     .arg(orden)
                     .arg(SqlFecha(periodo), SqlFecha(periodo2)));
    }

    static void Colocado(int orden, const char* bloque, const QDate& fecha1, const QDate& fecha2)
    {
        Ejecutar(QString("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,NUMERO,TIEMPO,FECHA1,FECHA2) "
                         "VALUES (%1,#%2#,2,30,%3,%4)")
                     .arg(orden)
                     .arg(bloque, SqlFecha(fecha1), SqlFecha(fecha2)));
    }

    static void Dia(int contrato, const QDate& dia)
    {
        Ejecutar(QString("INSERT INTO DIAS (CONTRATO,DIA) VALUES (%1,%2)").arg(contrato).arg(SqlFecha(dia)));
    }

    static std::vector<QDate> Dias(int contrato)
    {
        jet::Recordset rs =
            jet::DBEngine()
                .OpenDatabase(DornaPath())
                .OpenRecordset(QString("SELECT DIA FROM DIAS WHERE CONTRATO=%1 ORDER BY DIA").arg(contrato));
        std::vector<QDate> dias;
        for (; !rs.EOF(); rs.MoveNext())
            dias.push_back(rs.Fields("DIA").Value().toDate());
        return dias;
    }

    static std::vector<QDate> Columna(const QString& sql, const char* columna)
    {
        jet::Recordset rs = jet::DBEngine().OpenDatabase(DornaPath()).OpenRecordset(sql);
        std::vector<QDate> valores;
        for (; !rs.EOF(); rs.MoveNext())
            valores.push_back(rs.Fields(columna).Value().toDate());
        return valores;
    }

    // The days Asignar lists, as its grid shows them.
    static QStringList Listados(Asignar& asignar)
    {
        QStringList dias;
        for (int fila = 1; fila < asignar.LISTA.Rows(); ++fila)
            dias << asignar.LISTA.TextMatrix(fila, 2);
        return dias;
    }

    // Opens Asignar as the contracts form does for contract orden, lets the
    // user act, and closes it.
    static void Abrir(int orden, std::function<void(Asignar&)> usuario)
    {
        F_Publicidad& publicidad = forms::Get<F_Publicidad>();
        publicidad.T_Orden.Text(QString::number(orden));
        Asignar& asignar = forms::Get<Asignar>();
        asignar.L_Contrato.Caption(QString::number(orden));
        asignar.L_Nombre.Caption("cuña.mp3");
        forms::test::WhenShown<Asignar>(std::move(usuario));
        asignar.Show(forms::vbModal);
    }

    static int Mensajes(const char* texto) { return int(Prompts().count(QString::fromUtf8(texto))); }
};

TEST_F(AsignarTest, AddsRefusesADuplicateAndDeletesDaysUnderItsHeading)
{
    Contrato(12, QDate(2007, 1, 1), QDate(2007, 12, 31));
    Dia(13, QDate(2007, 3, 25));  // another contract's day is no duplicate
    QStringList tras_anadir, tras_borrar;
    QString cabecera;
    Abrir(12, [&](Asignar& a) {
        EXPECT_EQ(a.Caption(), "Asignar Días");
        EXPECT_EQ(a.DTPicker1.Value().date(), QDate::currentDate());
        EXPECT_EQ(a.LISTA.Rows(), 1);
        EXPECT_TRUE(CloseUp(a.DTPicker1, QDate(2007, 3, 25)));
        EXPECT_TRUE(CloseUp(a.DTPicker1, QDate(2007, 4, 3)));
        EXPECT_TRUE(CloseUp(a.DTPicker1, QDate(2007, 3, 4)));
        EXPECT_TRUE(CloseUp(a.DTPicker1, QDate(2007, 4, 3)));
        tras_anadir = Listados(a);
        cabecera = a.LISTA.TextMatrix(0, 2);
        EXPECT_EQ(a.LISTA.ColWidth(2), 1300);
        EXPECT_EQ(a.LISTA.ColWidth(1), 1);
        EXPECT_TRUE(Click(a.LISTA, 2));  // 25/03/2007
        EXPECT_TRUE(Click(a.Command1));
        tras_borrar = Listados(a);
        EXPECT_EQ(a.LISTA.TextMatrix(0, 2), "Días de emisión");
    });
    EXPECT_EQ(Mensajes("El dia yá está asignado"), 1);
    EXPECT_EQ(forms::test::Messages().back().Buttons, forms::vbOKOnly);
    EXPECT_EQ(tras_anadir, QStringList({"04/03/2007", "25/03/2007", "03/04/2007"}));
    EXPECT_EQ(cabecera, "Días de emisión");
    EXPECT_EQ(tras_borrar, QStringList({"04/03/2007", "03/04/2007"}));
    EXPECT_EQ(Dias(12), std::vector<QDate>({QDate(2007, 3, 4), QDate(2007, 4, 3)}));
    EXPECT_EQ(Dias(13), std::vector<QDate>({QDate(2007, 3, 25)}));
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(AsignarTest, ADayIsStoredDayFirstAndFoundMonthFirst)
{
    // Days whose two readings differ, and one whose month-first reading is impossible.
    const QDate dias[] = {QDate(2007, 3, 25), QDate(2007, 4, 3), QDate(2007, 3, 4), QDate(2026, 12, 31),
                          QDate(2027, 1, 1)};
    Abrir(5, [&](Asignar& a) {
        for (const QDate& dia : dias)
            EXPECT_TRUE(CloseUp(a.DTPicker1, dia));
        for (const QDate& dia : dias)  // each one found again as a duplicate
            EXPECT_TRUE(CloseUp(a.DTPicker1, dia));
    });
    EXPECT_EQ(Mensajes("El dia yá está asignado"), 5);
    EXPECT_EQ(Dias(5), std::vector<QDate>({QDate(2007, 3, 4), QDate(2007, 3, 25), QDate(2007, 4, 3),
                                           QDate(2026, 12, 31), QDate(2027, 1, 1)}));
    for (const QDate& dia : dias) {
        SCOPED_TRACE(dia.toString().toStdString());
        EXPECT_EQ(Columna("SELECT DIA FROM DIAS WHERE DIA=" + SqlFecha(dia), "DIA"), std::vector<QDate>({dia}));
    }
    EXPECT_EQ(SqlFecha(QDate(2007, 3, 25)), "#03/25/07#");
}

TEST_F(AsignarTest, ClosingWritesTheLastDayIntoThePeriodThePlacementsAndTheContractsForm)
{
    const QDate antes(2000, 1, 1), fin(2030, 6, 30);
    Contrato(12, antes, fin);
    Contrato(13, antes, fin);
    Colocado(12, "08:30:00", antes, fin);
    Colocado(12, "10:00:00", antes, fin);
    Colocado(13, "08:30:00", antes, fin);
    Dia(12, QDate(2026, 5, 20));
    Dia(12, QDate(2026, 5, 10));
    Dia(13, QDate(2027, 1, 1));

    Abrir(12, [](Asignar&) {});

    const QDate ultimo(2026, 5, 20);
    EXPECT_EQ(Columna("SELECT PERIODO FROM PUBLICIDAD ORDER BY ORDEN", "PERIODO"), std::vector<QDate>({ultimo, antes}));
    EXPECT_EQ(Columna("SELECT PERIODO2 FROM PUBLICIDAD ORDER BY ORDEN", "PERIODO2"), std::vector<QDate>({fin, fin}));
    EXPECT_EQ(Columna("SELECT FECHA1 FROM PUBLICIDAD_CONTENIDO ORDER BY ORDEN, BLOQUE", "FECHA1"),
              std::vector<QDate>({ultimo, ultimo, antes}));
    EXPECT_EQ(Columna("SELECT FECHA2 FROM PUBLICIDAD_CONTENIDO ORDER BY ORDEN, BLOQUE", "FECHA2"),
              std::vector<QDate>({fin, fin, fin}));
    EXPECT_EQ(forms::Get<F_Publicidad>().T_Periodo1.Value().date(), ultimo);
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(AsignarTest, ClosingWithoutDaysWritesNothing)
{
    const QDate antes(2026, 2, 1);
    Contrato(12, antes, antes);
    Colocado(12, "08:30:00", antes, antes);
    Dia(12, QDate(2026, 5, 10));
    F_Publicidad& publicidad = forms::Get<F_Publicidad>();
    publicidad.T_Periodo1.Value(antes);
    Abrir(12, [](Asignar& a) {
        EXPECT_TRUE(Click(a.LISTA, 1));
        EXPECT_TRUE(Click(a.Command1));
        EXPECT_EQ(a.LISTA.Rows(), 1);
        EXPECT_TRUE(Click(a.Command1));  // on an empty list: nothing
    });
    EXPECT_TRUE(Dias(12).empty());
    EXPECT_EQ(Columna("SELECT PERIODO FROM PUBLICIDAD", "PERIODO"), std::vector<QDate>({antes}));
    EXPECT_EQ(Columna("SELECT FECHA1 FROM PUBLICIDAD_CONTENIDO", "FECHA1"), std::vector<QDate>({antes}));
    EXPECT_EQ(publicidad.T_Periodo1.Value().date(), antes);
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(AsignarTest, ARangeReplacesEveryDayOfTheContract)
{
    const QDate hoy = QDate::currentDate();
    struct Caso {
        const char* nombre;
        QDate inicio, final;
        std::vector<QDate> esperados;
    };
    const Caso casos[] = {
        {"3rd to 5th", QDate(2026, 3, 3), QDate(2026, 3, 5), {QDate(2026, 3, 3), QDate(2026, 3, 4), QDate(2026, 3, 5)}},
        {"over a month and a year end",
         QDate(2026, 12, 30),
         QDate(2027, 1, 2),
         {QDate(2026, 12, 30), QDate(2026, 12, 31), QDate(2027, 1, 1), QDate(2027, 1, 2)}},
        {"one day", QDate(2027, 2, 28), QDate(2027, 2, 28), {QDate(2027, 2, 28)}},
        {"both left at today", QDate(), QDate(), {hoy}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Ejecutar("DELETE * FROM DIAS");
        Ejecutar("DELETE * FROM PUBLICIDAD");
        Contrato(12, QDate(2000, 1, 1), QDate(2030, 1, 1));
        Dia(12, QDate(2026, 3, 4));  // also in the first range: no duplicate is made
        Dia(12, QDate(2026, 8, 1));
        Dia(13, QDate(2026, 8, 1));
        QStringList listados;
        QString cabecera;
        Abrir(12, [&](Asignar& a) {
            forms::test::WhenShown<Periodo>([&](Periodo& p) {
                EXPECT_EQ(p.T_Inicio.Value().date(), hoy);
                EXPECT_EQ(p.T_Final.Value().date(), hoy);
                if (caso.inicio.isValid()) {
                    p.T_Inicio.Value(caso.inicio);
                    p.T_Final.Value(caso.final);
                }
                EXPECT_TRUE(Click(p.Command1));
                EXPECT_FALSE(p.Loaded());
            });
            EXPECT_TRUE(Click(a.Command3));
            listados = Listados(a);
            cabecera = a.LISTA.TextMatrix(0, 2);
        });
        QStringList esperados;
        for (const QDate& dia : caso.esperados)
            esperados << dia.toString("dd/MM/yyyy");
        EXPECT_EQ(listados, esperados);
        EXPECT_EQ(cabecera, "Días de emisión");
        EXPECT_EQ(Dias(12), caso.esperados);
        EXPECT_EQ(Dias(13), std::vector<QDate>({QDate(2026, 8, 1)}));
        EXPECT_EQ(Columna("SELECT PERIODO FROM PUBLICIDAD", "PERIODO"), std::vector<QDate>({caso.esperados.back()}));
    }
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(AsignarTest, ARangeEndingBeforeItStartsOrLeftWithSalirKeepsTheDays)
{
    Dia(12, QDate(2026, 3, 4));
    Dia(12, QDate(2026, 8, 1));
    bool abierto = false;
    Abrir(12, [&](Asignar& a) {
        forms::test::WhenShown<Periodo>([&](Periodo& p) {
            p.T_Inicio.Value(QDate(2026, 5, 10));
            p.T_Final.Value(QDate(2026, 5, 9));
            EXPECT_TRUE(Click(p.Command1));
            abierto = p.Loaded();
        });
        EXPECT_TRUE(Click(a.Command3));
        forms::test::WhenShown<Periodo>([](Periodo& p) {
            p.T_Inicio.Value(QDate(2026, 5, 1));
            EXPECT_TRUE(Click(p.Command2));
        });
        EXPECT_TRUE(Click(a.Command3));
        EXPECT_EQ(Listados(a), QStringList({"04/03/2026", "01/08/2026"}));
    });
    EXPECT_TRUE(abierto);
    EXPECT_EQ(Mensajes("La fecha final es anterior a la inicial"), 1);
    EXPECT_EQ(Dias(12), std::vector<QDate>({QDate(2026, 3, 4), QDate(2026, 8, 1)}));
}

TEST_F(AsignarTest, TheContractsFormOpensItForASavedContractAndShowsTheLastDay)
{
    Contrato(12, QDate(2000, 1, 1), QDate(2030, 1, 1));
    F_Publicidad& publicidad = forms::Get<F_Publicidad>();
    std::int32_t doce = 12;
    publicidad.Buscar(doce);
    QString contrato;
    forms::test::WhenShown<Asignar>([&](Asignar& a) {
        contrato = a.L_Contrato.Caption();
        EXPECT_TRUE(CloseUp(a.DTPicker1, QDate(2027, 3, 25)));
        EXPECT_TRUE(Click(a.Command2));
    });
    ASSERT_TRUE(Click(publicidad.Command3));
    EXPECT_EQ(contrato, "12");
    EXPECT_EQ(publicidad.T_Periodo1.Value().date(), QDate(2027, 3, 25));
    EXPECT_EQ(Columna("SELECT PERIODO FROM PUBLICIDAD", "PERIODO"), std::vector<QDate>({QDate(2027, 3, 25)}));
    EXPECT_TRUE(forms::test::Errors().empty());
}

}  // namespace
