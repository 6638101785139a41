#include "menu/F_Menu.h"
#include "programming/F_Programacion.h"
#include "programming/F_Programas.h"
#include "traffic/F_Buscar_Clientes.h"
#include "traffic/F_Clientes.h"
#include "traffic/Reajuste_Bloques.h"

#include "station/Control_busqueda.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "support/StationFixture.h"

#include "forms/TestSeam.h"
#include "jet/Error.h"

#include <QDate>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ft = forms::test;

namespace {

class F_MenuTest : public StationFixture {
protected:
    static void Ejecutar(const QString& sql) { Execute(DornaPath(), sql); }
    static QStringList Filas(const QString& sql) { return Rows(DornaPath(), sql); }

    static void Bloque(const char* hora, int tiempo, const char* tiempoVer)
    {
        Ejecutar(QString("INSERT INTO BLOQUES (HORA,NOMBRE,DURACION,PRIORITARIO,TIEMPO,TIEMPO_VER) "
                         "VALUES (#%1#,'Bloque',#00:05:00#,0,%2,'%3')")
                     .arg(hora)
                     .arg(tiempo)
                     .arg(tiempoVer));
    }

    static void Cuña(int orden, const char* bloque, int tiempo, const QDate& fecha1)
    {
        Ejecutar(QString("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,NUMERO,FICHERO,NOMBRE,TIEMPO,TIEMPO_VER,"
                         "FECHA1,FECHA2) VALUES (%1,#%2#,1,'c.mp3','c.mp3',%3,'',%4,%4)")
                     .arg(orden)
                     .arg(bloque)
                     .arg(tiempo)
                     .arg(SqlFecha(fecha1)));
    }

    static void Fila(const char* programacion, const char* hora, const char* tipo)
    {
        Ejecutar(QString("INSERT INTO PROGRAMACION (PROGRAMACION,HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO) "
                         "VALUES ('%1',#%2#,'%3','fila','viejo',#%2#,'f.mp3')")
                     .arg(programacion)
                     .arg(hora)
                     .arg(tipo));
    }

    static QDate Hoy() { return QDate::currentDate(); }
    static QDate Ayer() { return QDate::currentDate().addDays(-1); }
};

TEST_F(F_MenuTest, StartPurgesPlacementsOfYesterdayButNotOfToday)
{
    Cuña(1, "08:30:00", 10, Ayer());
    Cuña(2, "08:30:00", 20, Hoy());
    Cuña(3, "09:00:00", 30, Hoy().addDays(1));
    forms::Get<F_Menu>();
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD_CONTENIDO ORDER BY ORDEN"), QStringList({"2", "3"}));
}

TEST_F(F_MenuTest, WithoutBlocksOrProgrammingRowsThePurgeAndTheTotalsStillHappen)
{
    struct Case {
        const char* what;
        bool bloques;
        bool programacion;
    };
    const Case cases[] = {
        {"no blocks", false, true},
        {"no programming rows", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Ejecutar("DELETE FROM BLOQUES");
        Ejecutar("DELETE FROM PROGRAMACION");
        Ejecutar("DELETE FROM PUBLICIDAD_CONTENIDO");
        if (c.bloques)
            Bloque("08:30:00", 30, "00:00:30");
        if (c.programacion)
            Fila("Lunes", "08:30:00", "FIC");
        Cuña(1, "08:30:00", 30, Ayer());
        Reajuste_Bloques();
        EXPECT_TRUE(Filas("SELECT ORDEN FROM PUBLICIDAD_CONTENIDO").isEmpty());
        if (c.bloques) {
            // The purged spot's length is gone from the block it left.
            EXPECT_EQ(Filas("SELECT TIEMPO,TIEMPO_VER FROM BLOQUES"), QStringList({"0|00:00:00"}));
        }
        if (c.programacion) {
            EXPECT_EQ(Filas("SELECT TIEMPO_VER,FIN FROM PROGRAMACION"), QStringList({"viejo|08:30:00"}));
        }
    }
}

TEST_F(F_MenuTest, BlockTotalsAreRecomputedFromTheSpotsThatRemain)
{
    Bloque("08:30:00", 999, "00:16:39");
    Bloque("09:00:00", 30, "00:00:30");
    Bloque("23:00:00", 0, "");
    Cuña(1, "08:30:00", 20, Hoy());
    Cuña(2, "08:30:00", 25, Hoy());
    Cuña(3, "09:00:00", 30, Ayer());  // all of the 09:00 block is purged
    Cuña(4, "23:00:00", 3600, Hoy());
    Fila("Lunes", "12:00:00", "PRO");
    forms::Get<F_Menu>();
    EXPECT_EQ(Filas("SELECT HORA,TIEMPO,TIEMPO_VER FROM BLOQUES ORDER BY HORA"),
              QStringList({"08:30:00|45|00:00:45", "09:00:00|0|00:00:00", "23:00:00|3600|01:00:00"}));
}

TEST_F(F_MenuTest, EveryRowAtABlocksTimeGetsItsLengthAndEnd)
{
    Bloque("10:00:00", 0, "");
    Bloque("11:00:00", 0, "");
    Cuña(1, "10:00:00", 60, Hoy());
    Cuña(2, "10:00:00", 30, Hoy());
    for (const char* tipo : {"FIC", "MUS", "ROT", "PRO", "BLO"})
        Fila("Lunes", "10:00:00", tipo);
    Fila("Domingo", "10:00:00", "FIC");
    Fila("Lunes", "10:30:00", "MUS");
    forms::Get<F_Menu>();
    EXPECT_EQ(
        Filas("SELECT PROGRAMACION,TIPO,TIEMPO_VER,FIN FROM PROGRAMACION WHERE HORA=#10:00:00# "
              "ORDER BY PROGRAMACION,TIPO"),
        QStringList({"Domingo|FIC|00:01:30|10:01:30", "Lunes|BLO|00:01:30|10:01:30", "Lunes|FIC|00:01:30|10:01:30",
                     "Lunes|MUS|00:01:30|10:01:30", "Lunes|PRO|00:01:30|10:01:30", "Lunes|ROT|00:01:30|10:01:30"}));
    EXPECT_EQ(Filas("SELECT TIEMPO_VER,FIN FROM PROGRAMACION WHERE HORA=#10:30:00#"), QStringList({"viejo|10:30:00"}));
}

// The readjustment in a process of its own, killed as by a power cut while it
// writes the n-th row of a table: the file keeps the old totals, purge and
// programming rows; only a run to the end leaves the new ones.
TEST_F(F_MenuTest, AStartKilledMidwayLeavesTheOldTotalsOrTheNewOnes)
{
    struct Case {
        const char* table;
        int row;  // 0: not killed
    };
    const Case cases[] = {
        {"PUBLICIDAD_CONTENIDO", 1}, {"PUBLICIDAD_CONTENIDO", 2}, {"BLOQUES", 1}, {"BLOQUES", 2}, {"BLOQUES", 3},
        {"PROGRAMACION", 1},         {"PROGRAMACION", 3},         {"-", 0},
    };
    const QStringList before = {"08:30:00|999|00:16:39",
                                "09:00:00|30|00:00:30",
                                "10:00:00|0|",
                                "1",
                                "2",
                                "3",
                                "4",
                                "5",
                                "Lunes|08:30:00|viejo|08:30:00",
                                "Lunes|10:00:00|viejo|10:00:00",
                                "Martes|09:00:00|viejo|09:00:00",
                                "Martes|12:00:00|viejo|12:00:00"};
    const QStringList after = {"08:30:00|45|00:00:45",
                               "09:00:00|0|00:00:00",
                               "10:00:00|60|00:01:00",
                               "1",
                               "2",
                               "4",
                               "Lunes|08:30:00|00:00:45|08:30:45",
                               "Lunes|10:00:00|00:01:00|10:01:00",
                               "Martes|09:00:00|00:00:00|09:00:00",
                               "Martes|12:00:00|viejo|12:00:00"};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + " " + std::to_string(c.row));
        // Each case on a folder of its own: a killed start leaves its file behind.
        QTemporaryDir folder;
        ASSERT_NO_FATAL_FAILURE(MakeProgramFolder(folder.path()));
        Bloque("08:30:00", 999, "00:16:39");
        Bloque("09:00:00", 30, "00:00:30");
        Bloque("10:00:00", 0, "");
        Cuña(1, "08:30:00", 20, Hoy());
        Cuña(2, "08:30:00", 25, Hoy());
        Cuña(3, "09:00:00", 30, Ayer());
        Cuña(4, "10:00:00", 60, Hoy());
        Cuña(5, "10:00:00", 10, Ayer());
        Fila("Lunes", "08:30:00", "BLO");
        Fila("Lunes", "10:00:00", "BLO");
        Fila("Martes", "09:00:00", "BLO");
        Fila("Martes", "12:00:00", "PRO");

        QProcess program;
        program.start(QStringLiteral(READJUST_UNTIL_KILLED), {c.table, QString::number(c.row)});
        ASSERT_TRUE(program.waitForFinished(60000)) << program.errorString().toStdString();
        const bool killed = program.exitStatus() == QProcess::CrashExit;
        EXPECT_EQ(killed, c.row > 0) << program.readAllStandardError().toStdString();
        const QStringList state =
            Filas("SELECT HORA,TIEMPO,TIEMPO_VER FROM BLOQUES ORDER BY HORA")
            + Filas("SELECT ORDEN FROM PUBLICIDAD_CONTENIDO ORDER BY ORDEN")
            + Filas("SELECT PROGRAMACION,HORA,TIEMPO_VER,FIN FROM PROGRAMACION ORDER BY PROGRAMACION,HORA");
        EXPECT_EQ(state.join('\n').toStdString(), (killed ? before : after).join('\n').toStdString());
    }
}

TEST_F(F_MenuTest, AStartWithoutTheManagementDatabaseFailsWithItsPath)
{
    ASSERT_TRUE(QFile::remove(DornaPath()));
    try {
        forms::Get<F_Menu>();
        FAIL() << "no error";
    } catch (const jet::Error& e) {
        EXPECT_TRUE(e.Text().contains("Dorna.MDB")) << e.what();
    }
}

TEST_F(F_MenuTest, CaptionsVisibilityAndTheFourByThreeGrid)
{
    F_Menu& menu = forms::Get<F_Menu>();
    EXPECT_EQ(menu.Caption(), "Varnook V 1.1 Beta");
    EXPECT_EQ(Control_busqueda, 0);
    struct Case {
        forms::CommandButton& button;
        const char* caption;
        int column;  // -1: hidden
        int line;
    };
    const Case cases[] = {
        {menu.Command1, "Clientes", 0, 0},      {menu.Command4, "Bloques Publicitarios", 1, 0},
        {menu.Command3, "Publicidad", 2, 0},    {menu.Command10, "Herramientas", 3, 0},
        {menu.Command8, "Música", 0, 1},        {menu.Command12, "Informes", 1, 1},
        {menu.Command7, "Ayuda", 2, 1},         {menu.Command11, "Acerca de..", 3, 1},
        {menu.Command5, "Salir", 3, 2},         {menu.Command2, "Programas", -1, 0},
        {menu.Command6, "Programacion", -1, 0}, {menu.Command9, "Programación Música", -1, 0},
    };
    menu.Show();
    const int left0 = menu.Command1.Left();
    const int top0 = menu.Command1.Top();
    const int dx = menu.Command4.Left() - left0;
    const int dy = menu.Command8.Top() - top0;
    ASSERT_GT(dx, 0);
    ASSERT_GT(dy, 0);
    int lowestVisible = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(c.button.Caption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(c.button.Visible(), c.column >= 0);
        EXPECT_EQ(c.button.Widget()->isVisible(), c.column >= 0);
        if (c.column < 0) {
            EXPECT_GT(c.button.Top(), lowestVisible);  // below the grid
            continue;
        }
        EXPECT_EQ(c.button.Left(), left0 + c.column * dx);
        EXPECT_EQ(c.button.Top(), top0 + c.line * dy);
        lowestVisible = std::max(lowestVisible, c.button.Top() + c.button.Height());
    }
}

TEST_F(F_MenuTest, PictureAndCreditLine)
{
    F_Menu& menu = forms::Get<F_Menu>();
    const QPixmap picture = static_cast<QLabel*>(menu.Image1.Widget())->pixmap();
    EXPECT_EQ(picture.size(), QSize(400, 400));
    // 24-bit colour, no alpha.
    EXPECT_EQ(QImage(":/menu/menu.png").format(), QImage::Format_RGB32);
    EXPECT_TRUE(menu.Label1.Caption().contains("Varnook"));
}

TEST_F(F_MenuTest, ButtonsWithoutActionDoNothingAndHiddenOnesCannotBeReached)
{
    F_Menu& menu = forms::Get<F_Menu>();
    menu.Show();
    for (forms::CommandButton* button : {&menu.Command7, &menu.Command10, &menu.Command11, &menu.Command12})
        EXPECT_TRUE(ft::Click(*button)) << button->Caption().toStdString();
    for (forms::CommandButton* button : {&menu.Command2, &menu.Command6, &menu.Command9})
        EXPECT_FALSE(ft::Click(*button)) << button->Caption().toStdString();
    EXPECT_TRUE(menu.Visible());
    EXPECT_TRUE(ft::Messages().empty());
    EXPECT_TRUE(ft::ShownModally().empty());
    EXPECT_TRUE(ft::Errors().empty());
}

TEST_F(F_MenuTest, OpeningButtonsShowTheirFormModallyTheHiddenOnesOnceShown)
{
    F_Menu& menu = forms::Get<F_Menu>();
    menu.Show();
    struct Case {
        forms::CommandButton& button;
        const char* form;
        bool hidden;
    };
    const Case cases[] = {
        {menu.Command1, "F_Clientes", false}, {menu.Command3, "F_Publicidad", false},
        {menu.Command4, "F_BLoques", false},  {menu.Command8, "F_Musica", false},
        {menu.Command2, "F_Programas", true}, {menu.Command6, "F_Programacion", true},
    };
    for (const Case& c : cases) {
        if (c.hidden)
            c.button.Visible(true);
        ASSERT_TRUE(ft::Click(c.button)) << c.form;
        ASSERT_FALSE(ft::ShownModally().empty()) << c.form;
        EXPECT_EQ(ft::ShownModally().back(), c.form);
        EXPECT_TRUE(menu.Visible());
    }
    EXPECT_EQ(ft::ShownModally().size(), std::size(cases));
    EXPECT_TRUE(ft::Errors().empty()) << ft::Errors().front().toStdString();
}

TEST_F(F_MenuTest, AnAdvertiserFoundFromTheMenuAndSalirLeaveNoFormLoaded)
{
    Ejecutar("INSERT INTO CLIENTES (NUMERO,NOMBRE,TELEFONO,DIRECCION,NIF,POBLACION,COMENTARIO) "
             "VALUES (1,'Alfa','t1','d1','n1','p1','c1')");
    F_Menu& menu = forms::Get<F_Menu>();
    QString mostrado;
    ft::WhenShown<F_Clientes>([&mostrado](F_Clientes& f) {
        ft::WhenShown<F_Buscar_Clientes>([](F_Buscar_Clientes& buscador) { ft::DblClick(buscador.LISTA, 1); });
        EXPECT_TRUE(ft::Click(f.B_Buscar));
        mostrado = f.T_Nombre.Text();
    });
    ASSERT_TRUE(ft::Click(menu.Command1));
    EXPECT_EQ(mostrado, "Alfa");
    EXPECT_EQ(ft::ShownModally(), std::vector<QString>({"F_Clientes", "F_Buscar_Clientes"}));
    ASSERT_TRUE(ft::Click(menu.Command5));
    for (std::type_index form : {std::type_index(typeid(F_Menu)), std::type_index(typeid(F_Clientes)),
                                 std::type_index(typeid(F_Buscar_Clientes))}) {
        forms::Form* cargado = forms::detail::FindForm(form);
        EXPECT_FALSE(cargado && cargado->Loaded());
    }
}

TEST_F(F_MenuTest, SalirUnloadsTheMenuAndAHiddenLoadedForm)
{
    F_Menu& menu = forms::Get<F_Menu>();
    menu.Show();
    F_Clientes& clientes = forms::Get<F_Clientes>();
    clientes.Enabled(false);
    ASSERT_TRUE(ft::Click(menu.Command5));
    EXPECT_FALSE(menu.Loaded());
    EXPECT_FALSE(clientes.Loaded());
    EXPECT_TRUE(ft::Errors().empty());
}

}  // namespace
