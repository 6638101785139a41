#include "EditorPrueba.h"

#include "music/F_Buscar_Musica.h"
#include "music/F_Musica.h"
#include "programming/F_Programacion_Propiedades.h"
#include "station/Control_busqueda.h"

#include "jet/Engine.h"

#include "forms/MsgBox.h"

namespace ft = forms::test;

namespace {

class F_Programacion_test : public EditorPrueba {
protected:
    static QStringList Grid(F_Programacion& f)
    {
        QStringList filas;
        for (int r = 1; r < f.LISTA.Rows(); ++r) {
            QStringList celdas;
            for (int c = 1; c <= 5; ++c)
                celdas << f.LISTA.TextMatrix(r, c);
            filas << celdas.join('|');
        }
        return filas;
    }

    static const QString& Consulta()
    {
        static const QString sql = "SELECT PROGRAMACION,HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO FROM PROGRAMACION "
                                   "ORDER BY HORA,DESCRIPCION";
        return sql;
    }
};

TEST_F(F_Programacion_test, LoadsWithNothingOpen)
{
    F_Programacion& f = forms::Get<F_Programacion>();
    EXPECT_EQ(f.Caption(), "Programación [Ninguna]");
    EXPECT_TRUE(f.Programacion_Nombre.isEmpty());
    EXPECT_FALSE(f.Frame2.Enabled());
    EXPECT_FALSE(f.B_Eliminar.Enabled());
    EXPECT_FALSE(f.Command3.Visible());
    EXPECT_EQ(f.LISTA.Rows(), 1);
    EXPECT_EQ(f.LISTA.FormatString(), "|<Inicio|<Tipo|<Descripción|>Tiempo|>Fin");
    EXPECT_EQ(f.LISTA.ColWidth(3), 4900);
    EXPECT_EQ(f.LISTA.ColWidth(6), 1);
    // The day boxes lie below the frame's visible area.
    EXPECT_GE(f.L.Top(), f.Frame1.Height());
    EXPECT_FALSE(ft::Click(f.Command1));
}

TEST_F(F_Programacion_test, BuscarOpensAndRefreshesEveryProgramming)
{
    Programacion("Mañanas", "1,0,1,0,1,0,1");
    Sql("INSERT INTO PROGRAMAS (HORA,NOMBRE,REALIZACION,TIEMPO,TIEMPO_VER) VALUES "
        "(#10:00:00#,'Magazine','',3600,'01:00:00')");
    Sql("INSERT INTO BLOQUES (HORA,NOMBRE,DURACION,PRIORITARIO,TIEMPO,TIEMPO_VER) VALUES "
        "(#09:00:00#,'',#00:05:00#,0,0,'x')");
    const QString dentro_de_tres_dias = SqlFecha(QDate::currentDate().addDays(3));
    Sql("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,NUMERO,FICHERO,NOMBRE,TIEMPO,TIEMPO_VER,FECHA1,FECHA2) "
        "VALUES (1,#09:00:00#,1,'a.wav','a',45,'00:00:45',"
        + dentro_de_tres_dias + "," + dentro_de_tres_dias + ")");
    Fila("Mañanas", QTime(10, 0), "FIC", "suelto.wav", "00:00:10", QTime(10, 0, 10), "suelto.wav");
    Fila("Mañanas", QTime(9, 0), "BLO", "", "00:00:00", QTime(9, 0), "BLOQUE");
    Fila("Tardes", QTime(10, 0), "ROT", "Rock", "Indefinido", QTime(10, 0), "ROTACION");

    F_Programacion& f = Abrir("mañanas");
    EXPECT_EQ(f.Programacion_Nombre, "Mañanas");
    EXPECT_EQ(f.Caption(), "Programación [Mañanas]");
    EXPECT_TRUE(f.Frame2.Enabled());
    EXPECT_TRUE(f.B_Eliminar.Enabled());
    EXPECT_EQ(QList<int>({f.L.Value(), f.M.Value(), f.MI.Value(), f.J.Value(), f.V.Value(), f.S.Value(), f.D.Value()}),
              QList<int>({1, 0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(Grid(f), QStringList({"09:00:00|BLO||00:00:45|09:00:45", "10:00:00|FIC|suelto.wav|01:00:00|11:00:00"}));
    // The refresh joins on the start alone, in every programming.
    EXPECT_EQ(Filas("SELECT TIEMPO_VER,FIN FROM PROGRAMACION WHERE PROGRAMACION='Tardes'"),
              QStringList({"01:00:00 11:00:00"}));
}

TEST_F(F_Programacion_test, BuscarOfAnUnknownNameChangesNothing)
{
    Programacion("L'Alba");
    F_Programacion& f = Abrir("Otra");
    EXPECT_TRUE(f.Programacion_Nombre.isEmpty());
    EXPECT_FALSE(f.Frame2.Enabled());
    EXPECT_EQ(f.Caption(), "Programación [Ninguna]");
    Abrir("L'Alba");
    EXPECT_EQ(f.Programacion_Nombre, "L'Alba");
}

TEST_F(F_Programacion_test, DeletingTheProgrammingAsksThenLeavesNinguna)
{
    Programacion("L'Alba");
    Programacion("Tardes");
    Fila("L'Alba", QTime(8, 0), "ROT", "Rock", "Indefinido", QTime(8, 0), "ROTACION");
    Fila("Tardes", QTime(8, 0), "ROT", "Pop", "Indefinido", QTime(8, 0), "ROTACION");
    F_Programacion& f = Abrir("L'Alba");

    ft::AnswerMsgBox(forms::vbNo);
    EXPECT_TRUE(ft::Click(f.B_Eliminar));
    ASSERT_EQ(ft::Messages().size(), 1u);
    EXPECT_EQ(ft::Messages()[0].Prompt, "Esta operación eliminará toda la programación\r\nDesea continuar");
    EXPECT_EQ(ft::Messages()[0].Buttons, forms::vbYesNo + forms::vbCritical);
    EXPECT_EQ(Filas("SELECT NOMBRE FROM PROGRAMACION_NOMBRE ORDER BY NOMBRE").size(), 2);

    ft::AnswerMsgBox(forms::vbYes);
    EXPECT_TRUE(ft::Click(f.B_Eliminar));
    EXPECT_EQ(Filas("SELECT NOMBRE FROM PROGRAMACION_NOMBRE"), QStringList({"Tardes"}));
    EXPECT_EQ(Filas("SELECT PROGRAMACION FROM PROGRAMACION"), QStringList({"Tardes"}));
    EXPECT_EQ(f.Caption(), "Programacion [Ninguna]");
    EXPECT_EQ(f.LISTA.Rows(), 1);
    EXPECT_FALSE(f.B_Eliminar.Enabled());
    EXPECT_TRUE(f.Frame2.Enabled());

    // Rows added now are filed under "Ninguna".
    ft::ChooseFile(Wav("a.wav", 1000));
    EXPECT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(Filas("SELECT PROGRAMACION FROM PROGRAMACION WHERE TIPO='FIC'"), QStringList({"Ninguna"}));
}

TEST_F(F_Programacion_test, DeletingAnEmptyProgrammingDoesNothing)
{
    Programacion("Vacia");
    F_Programacion& f = Abrir("Vacia");
    EXPECT_TRUE(ft::Click(f.B_Eliminar));
    EXPECT_TRUE(ft::Messages().empty());
    EXPECT_EQ(Filas("SELECT NOMBRE FROM PROGRAMACION_NOMBRE"), QStringList({"Vacia"}));
}

TEST_F(F_Programacion_test, DeletingARowSelectsTheOneInItsPlace)
{
    struct Caso {
        const char* nombre;
        int filas, borrada, seleccionada;
    };
    for (const Caso& c :
         {Caso{"the only row", 1, 1, -1}, Caso{"the last of three", 3, 3, 2}, Caso{"a middle row", 3, 2, 2}}) {
        SCOPED_TRACE(c.nombre);
        Sql("DELETE * FROM PROGRAMACION");
        Programacion("P");
        for (int i = 0; i < c.filas; ++i)
            Fila("P", QTime(8 + i, 0), "ROT", QString("R%1").arg(i + 1), "Indefinido", QTime(8 + i, 0), "ROTACION");
        F_Programacion& f = Abrir("P");
        EXPECT_TRUE(ft::Click(f.LISTA, c.borrada));
        EXPECT_TRUE(ft::Click(f.Command4));
        EXPECT_EQ(f.LISTA.Rows(), c.filas);
        EXPECT_EQ(
            Filas("SELECT DESCRIPCION FROM PROGRAMACION WHERE DESCRIPCION=" + SqlTexto(QString("R%1").arg(c.borrada))),
            QStringList());
        if (c.seleccionada > 0) {
            EXPECT_EQ(f.LISTA.Row(), c.seleccionada);
            EXPECT_EQ(f.LISTA.Col(), 1);
            EXPECT_EQ(f.LISTA.ColSel(), 5);
        }
        f.Unload();
    }
    // With no rows the button does nothing.
    F_Programacion& f = Abrir("P");
    EXPECT_TRUE(ft::Click(f.Command4));
    EXPECT_TRUE(ft::Errors().empty());
}

TEST_F(F_Programacion_test, DeletingOneOfTwoRowsAtTheSameStartDeletesOne)
{
    Programacion("P");
    Fila("P", QTime(10, 0), "ROT", "A", "Indefinido", QTime(10, 0), "ROTACION");
    Fila("P", QTime(10, 0), "ROT", "B", "Indefinido", QTime(10, 0), "ROTACION");
    F_Programacion& f = Abrir("P");
    EXPECT_EQ(f.LISTA.Rows(), 3);
    EXPECT_TRUE(ft::Click(f.LISTA, 2));
    EXPECT_TRUE(ft::Click(f.Command4));
    EXPECT_EQ(Filas("SELECT HORA FROM PROGRAMACION").size(), 1);
}

TEST_F(F_Programacion_test, FicherosStartsAtTheEndOfTheRowLastUnderThePointer)
{
    Programacion("P", "1,1,0,0,0,0,1");
    F_Programacion& f = Abrir("P");
    const QString a = Wav("Cuña año.wav", 90000);
    ft::ChooseFile(a);
    EXPECT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(Grid(f), QStringList({"00:00:00|FIC|Cuña año.wav|00:01:30|00:01:30"}));
    EXPECT_EQ(Filas("SELECT FICHERO,LUNES,MARTES,MIERCOLES,DOMINGO FROM PROGRAMACION"), QStringList({a + " 1 1 0 1"}));

    // Twice over the same row: both start at its end, nothing refused.
    EXPECT_TRUE(ft::OLEDragOver(f.LISTA, {a}, 1));
    for (int i = 0; i < 2; ++i) {
        ft::ChooseFile(Wav("b.wav", 2000));
        EXPECT_TRUE(ft::Click(f.Command1));
    }
    EXPECT_EQ(Filas("SELECT HORA,FIN FROM PROGRAMACION WHERE DESCRIPCION='b.wav'"),
              QStringList({"00:01:30 00:01:32", "00:01:30 00:01:32"}));
    EXPECT_TRUE(ft::Messages().empty());
}

TEST_F(F_Programacion_test, FicherosEndsQuietlyOnCancelAndOnTheHeader)
{
    Programacion("P");
    Fila("P", QTime(8, 0), "ROT", "R", "Indefinido", QTime(8, 0), "ROTACION");
    Fila("P", QTime(9, 0), "FIC", "x", "00:00:10", QTime(9, 0, 10), "x");
    F_Programacion& f = Abrir("P");
    ft::CancelFileDialog();
    EXPECT_TRUE(ft::Click(f.Command1));
    // The header's "Fin" is no start time.
    EXPECT_TRUE(ft::OLEDragOver(f.LISTA, {}, 0));
    ft::ChooseFile(Wav("a.wav", 1000));
    EXPECT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(Filas("SELECT TIPO FROM PROGRAMACION"), QStringList({"ROT", "FIC"}));
    EXPECT_TRUE(ft::Messages().empty());
    EXPECT_TRUE(ft::Errors().empty());
}

TEST_F(F_Programacion_test, FicherosOfAnUnreadableFileAddsARowWithoutLength)
{
    Programacion("P");
    F_Programacion& f = Abrir("P");
    const QString ruta = Path("no es audio.wav");
    QFile texto(ruta);
    ASSERT_TRUE(texto.open(QIODevice::WriteOnly));
    texto.write("nada");
    texto.close();
    ft::ChooseFile(ruta);
    EXPECT_TRUE(ft::Click(f.Command1));
    ASSERT_EQ(ft::Messages().size(), 1u);
    EXPECT_EQ(ft::Messages()[0].Prompt, "Fichero invalido");
    EXPECT_EQ(Grid(f), QStringList({"00:00:00|FIC|no es audio.wav||00:00:00"}));
}

TEST_F(F_Programacion_test, AnEndPastMidnightIsTheTimeOfDayAfter)
{
    Programacion("P");
    Fila("P", QTime(23, 0), "ROT", "R", "Indefinido", QTime(23, 59), "ROTACION");
    F_Programacion& f = Abrir("P");
    EXPECT_TRUE(ft::OLEDragOver(f.LISTA, {}, 1));
    ft::ChooseFile(Wav("a.wav", 120000));
    EXPECT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(Filas("SELECT HORA,FIN FROM PROGRAMACION WHERE TIPO='FIC'"), QStringList({"23:59:00 00:01:00"}));
}

TEST_F(F_Programacion_test, DropAddsTheFirstFileUnlessTheStartIsTaken)
{
    Programacion("P");
    F_Programacion& f = Abrir("P");
    const QString a = Wav("a.wav", 90000), b = Wav("b.wav", 1000), c = Wav("c.wav", 1000);
    EXPECT_TRUE(ft::OLEDragDrop(f.LISTA, {a, b, c}, 1));
    EXPECT_EQ(Grid(f), QStringList({"00:00:00|FIC|a.wav|00:01:30|00:01:30"}));
    EXPECT_TRUE(ft::OLEDragDrop(f.LISTA, {b}, 1));
    EXPECT_EQ(Filas("SELECT HORA FROM PROGRAMACION WHERE DESCRIPCION='b.wav'"), QStringList({"00:01:30"}));

    // Another programming already has a row at 00:01:31, the end of b.
    Fila("Otra", QTime(0, 1, 31), "ROT", "R", "Indefinido", QTime(0, 1, 31), "ROTACION");
    EXPECT_TRUE(ft::OLEDragDrop(f.LISTA, {c}, 2));
    ASSERT_EQ(ft::Messages().size(), 1u);
    EXPECT_EQ(ft::Messages()[0].Prompt, "Imposible poner la misma hora de inicio");
    EXPECT_EQ(ft::Messages()[0].Buttons, forms::vbOKOnly);
    // The header row takes nothing.
    EXPECT_TRUE(ft::OLEDragDrop(f.LISTA, {c}, 0));
    EXPECT_EQ(Filas("SELECT HORA FROM PROGRAMACION WHERE DESCRIPCION='c.wav'"), QStringList());
    EXPECT_EQ(ft::Messages().size(), 1u);
}

TEST_F(F_Programacion_test, DragFeedbackShowsTheEndUnderThePointer)
{
    Programacion("P");
    Fila("P", QTime(8, 0), "ROT", "R", "Indefinido", QTime(8, 0, 5), "ROTACION");
    F_Programacion& f = Abrir("P");
    EXPECT_TRUE(ft::OLEDragOver(f.LISTA, {}, 1));
    EXPECT_EQ(f.Label1.Caption(), "08:00:05");
    EXPECT_TRUE(ft::DragOver(f.LISTA, f.LISTA, 0));
    EXPECT_EQ(f.Label1.Caption(), "Fin");
}

TEST_F(F_Programacion_test, MusicaAppendsAfterTheLastRowWithTheMeasuredEnd)
{
    Programacion("P");
    Fila("P", QTime(8, 0), "FIC", "x", "00:00:10", QTime(8, 0, 10), "x");
    Fila("P", QTime(9, 0), "ROT", "R", "Indefinido", QTime(9, 0), "ROTACION");
    const QString cancion = Wav("canción.wav", 185000);
    Execute(MusicaPath(), "INSERT INTO CATALOGO (CODIGO,TITULO,FICHERO,DURACION_VER) VALUES (12,'La del ''Pilar''',"
                              + SqlTexto(cancion) + ",'00:03:00')");
    F_Programacion& f = Abrir("P");
    double codigo = 12;
    f.Musica(codigo);
    EXPECT_EQ(Grid(f).last(), "09:00:00|MUS|La del 'Pilar'|00:03:00|09:03:05");
    EXPECT_EQ(Filas("SELECT FICHERO FROM PROGRAMACION WHERE TIPO='MUS'"), QStringList({cancion}));
    codigo = 13;
    f.Musica(codigo);
    EXPECT_EQ(f.LISTA.Rows(), 4);
}

TEST_F(F_Programacion_test, ASongAfterAProgramPastMidnightStartsAtItsTimeOfDay)
{
    Programacion("P");
    Sql("INSERT INTO PROGRAMAS (HORA,NOMBRE,REALIZACION,TIEMPO,TIEMPO_VER) VALUES "
        "(#23:30:00#,'Noche','',3600,'01:00:00')");
    Fila("P", QTime(23, 30), "PRO", "Noche", "01:00:00", QTime(0, 30), "PROGRAMA");
    Execute(MusicaPath(), "INSERT INTO CATALOGO (CODIGO,TITULO,FICHERO,DURACION_VER) VALUES (1,'Tema',"
                              + SqlTexto(Wav("t.wav", 60000)) + ",'00:01:00')");
    // The refresh stores the engine's own sum, a day after day zero.
    F_Programacion& f = Abrir("P");
    double codigo = 1;
    f.Musica(codigo);
    EXPECT_EQ(Filas("SELECT HORA,FIN FROM PROGRAMACION WHERE TIPO='MUS'"), QStringList({"00:30:00 00:31:00"}));
}

TEST_F(F_Programacion_test, BloquesReplacesTheBlockRowsOfTheOpenProgramming)
{
    Programacion("P");
    Fila("P", QTime(8, 0), "ROT", "R", "Indefinido", QTime(8, 0), "ROTACION");
    Fila("Otra", QTime(8, 0), "BLO", "", "00:00:00", QTime(8, 0), "BLOQUE");
    F_Programacion& f = Abrir("P");
    // After the opening's refresh, which would total these spotless blocks to zero.
    Sql("INSERT INTO BLOQUES (HORA,NOMBRE,DURACION,PRIORITARIO,TIEMPO,TIEMPO_VER) VALUES "
        "(#08:00:00#,'Mañana',#00:05:00#,0,90,'00:01:30')");
    Sql("INSERT INTO BLOQUES (HORA,NOMBRE,DURACION,PRIORITARIO,TIEMPO,TIEMPO_VER) VALUES "
        "(#23:59:00#,'',#00:05:00#,0,120,'00:02:00')");
    ft::Click(f.L);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(ft::Click(f.Command2));
    EXPECT_EQ(Filas("SELECT PROGRAMACION,HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO,LUNES,MARTES FROM PROGRAMACION "
                    "WHERE TIPO='BLO' ORDER BY PROGRAMACION,HORA"),
              QStringList({"Otra 08:00:00 BLO  00:00:00 08:00:00 BLOQUE  ",
                           "P 08:00:00 BLO Mañana 00:01:30 08:01:30 BLOQUE 1 0",
                           "P 23:59:00 BLO  00:02:00 00:01:00 BLOQUE 1 0"}));
    EXPECT_EQ(Filas("SELECT TIPO FROM PROGRAMACION WHERE PROGRAMACION='P' AND TIPO='ROT'").size(), 1);

    Sql("DELETE * FROM BLOQUES WHERE HORA=#23:59:00#");
    EXPECT_TRUE(ft::Click(f.Command2));
    EXPECT_EQ(Filas("SELECT HORA FROM PROGRAMACION WHERE PROGRAMACION='P' AND TIPO='BLO'"), QStringList({"08:00:00"}));
}

TEST_F(F_Programacion_test, PropiedadesOpensTheMoveDialogExceptForBlocksAndPrograms)
{
    Programacion("P");
    Fila("P", QTime(8, 0), "BLO", "", "00:01:00", QTime(8, 1), "BLOQUE");
    Fila("P", QTime(9, 0), "PRO", "Magazine", "01:00:00", QTime(10, 0), "PROGRAMA");
    Fila("P", QTime(11, 0), "MUS", "Canción", "00:03:00", QTime(11, 3), "c.wav");
    F_Programacion& f = Abrir("P");
    for (int fila : {1, 2}) {
        EXPECT_TRUE(ft::Click(f.LISTA, fila));
        EXPECT_TRUE(ft::Click(f.Command7));
    }
    EXPECT_TRUE(ft::ShownModally().empty());

    ft::WhenShown<F_Programacion_Propiedades>([](F_Programacion_Propiedades& p) {
        EXPECT_EQ(p.L_Nombre.Caption(), "Canción");
        EXPECT_EQ(p.T_Inicio.Value().time(), QTime(11, 0));
        EXPECT_EQ(p.L_Duracion.Caption(), "00:03:00");
        EXPECT_EQ(p.L_Fin.Caption(), "11:03:00");
        EXPECT_EQ(p.Inicio_Anterior, QTime(11, 0));
    });
    EXPECT_TRUE(ft::DblClick(f.LISTA, 3));
    ASSERT_EQ(ft::ShownModally().size(), 1u);
    EXPECT_EQ(ft::ShownModally()[0], "F_Programacion_Propiedades");
}

TEST_F(F_Programacion_test, MusicaButtonRoutesTheSearchToThisForm)
{
    Programacion("P");
    F_Programacion& f = Abrir("P");
    EXPECT_TRUE(ft::Click(f.Command5));
    EXPECT_EQ(Control_busqueda, 2);
    ASSERT_EQ(ft::ShownModally().size(), 1u);
    EXPECT_EQ(ft::ShownModally()[0], "F_Buscar_Musica");
}

TEST_F(F_Programacion_test, ASongPickedInTheMusicSearchIsAddedHereAndLeavesTheCatalogueEditorAlone)
{
    Execute(MusicaPath(), "INSERT INTO CATALOGO (CODIGO,TITULO,FICHERO,DURACION_VER) "
                          "VALUES (8,'Ocho','-Vacio-','00:02:00')");
    Programacion("Mañanas", "1,1,1,1,1,0,0");
    F_Programacion& programacion = Abrir("Mañanas");
    Control_busqueda = 1;
    ft::WhenShown<F_Buscar_Musica>([](F_Buscar_Musica& buscador) { ASSERT_TRUE(ft::DblClick(buscador.LISTA, 1)); });
    ASSERT_TRUE(ft::Click(programacion.Command5));  // "Música"
    EXPECT_EQ(Control_busqueda, 2);
    for (std::type_index form : {std::type_index(typeid(F_Buscar_Musica)), std::type_index(typeid(F_Musica))}) {
        forms::Form* cargado = forms::detail::FindForm(form);
        EXPECT_FALSE(cargado && cargado->Loaded());
    }
    jet::Recordset filas = jet::DBEngine()
                               .OpenDatabase(DornaPath())
                               .OpenRecordset("SELECT * FROM PROGRAMACION WHERE PROGRAMACION='Mañanas'");
    ASSERT_EQ(filas.RecordCount(), 1);
    EXPECT_EQ(filas.Fields("DESCRIPCION").Value().toString(), "Ocho");
    EXPECT_EQ(filas.Fields("TIPO").Value().toString(), "MUS");
}

TEST_F(F_Programacion_test, ASongPickedForTheCatalogueEditorAddsNothingHere)
{
    Execute(MusicaPath(), "INSERT INTO CATALOGO (CODIGO,TITULO,FICHERO,DURACION_VER) "
                          "VALUES (8,'Ocho','-Vacio-','00:02:00')");
    Programacion("Mañanas");
    F_Programacion& programacion = Abrir("Mañanas");
    // Both editors have opened the search once, each giving its receiver.
    ASSERT_TRUE(ft::Click(programacion.Command5));
    F_Musica& catalogo = forms::Get<F_Musica>();
    ft::WhenShown<F_Buscar_Musica>([](F_Buscar_Musica& buscador) { ASSERT_TRUE(ft::DblClick(buscador.LISTA, 1)); });
    ASSERT_TRUE(ft::Click(catalogo.B_Buscar));
    EXPECT_EQ(Control_busqueda, 1);
    EXPECT_EQ(catalogo.T_Titulo.Text(), "Ocho");
    EXPECT_TRUE(Filas("SELECT HORA FROM PROGRAMACION").isEmpty());
}

}  // namespace
