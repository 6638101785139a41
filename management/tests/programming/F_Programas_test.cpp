#include "ProgramasFixture.h"

#include "programming/F_Programa_Propiedades.h"
#include "programming/F_Programas.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"

#include <vector>

namespace {

namespace ft = forms::test;

const QTime Nueve(9, 30);
const QTime Diez(10, 0);
const QTime Once(11, 0);

class F_ProgramasTest : public ProgramasFixture {
protected:
    // The editor showing the program at hora, as BuscarProgramas loads it.
    static F_Programas& Mostrar(QTime hora)
    {
        F_Programas& f = forms::Get<F_Programas>();
        f.BuscarProgramas(hora);
        return f;
    }

    // The editor after "Añadir" with the time and name typed, before "Guardar".
    static F_Programas& Nuevo(const QTime& hora, const QString& nombre)
    {
        F_Programas& f = forms::Get<F_Programas>();
        EXPECT_TRUE(ft::Click(f.B_Añadir));
        f.T_hora.Value(hora);
        ft::Type(f.T_Nombre, nombre);
        ft::Type(f.T_Realizacion, "Luis");
        return f;
    }

    // The item names listed, top to bottom.
    static QStringList Listados(F_Programas& f)
    {
        QStringList nombres;
        for (int fila = 1; fila < f.LISTA.Rows(); ++fila)
            nombres << f.LISTA.TextMatrix(fila, 1);
        return nombres;
    }

    // A programming row of the given kind and length at hora, ending at fin.
    static void FilaProgramacion(const QString& tipo, const QTime& hora, const QTime& fin)
    {
        Sql("INSERT INTO PROGRAMACION (PROGRAMACION,HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO) VALUES "
            "('Mañana',"
            + SqlHora(hora) + "," + SqlTexto(tipo) + ",'x','00:03:00'," + SqlHora(fin) + ",'/a.mp3')");
    }

    // TIEMPO_VER and FIN (as hh:mm:ss) of the programming rows, by start time.
    static QStringList Programacion()
    {
        jet::Recordset rs = jet::DBEngine()
                                .OpenDatabase(DornaPath())
                                .OpenRecordset("SELECT TIEMPO_VER,FIN FROM PROGRAMACION ORDER BY HORA");
        QStringList filas;
        for (; !rs.EOF(); rs.MoveNext())
            filas << rs.Fields("TIEMPO_VER").Value().toString() + " " + rs.Fields("FIN").Value().toTimeText();
        return filas;
    }
};

TEST_F(F_ProgramasTest, ShownModallyTheEditorIsEmpty)
{
    forms::Get<F_Programas>().Show(forms::vbModal);
    EXPECT_EQ(ft::ShownModally(), std::vector<QString>{"F_Programas"});
    F_Programas& f = forms::Get<F_Programas>();
    EXPECT_EQ(f.Caption(), "Programas");
    EXPECT_EQ(f.T_hora.Value().time(), QTime(0, 0));
    EXPECT_EQ(f.L_Total.Caption(), "00:00:00");
    EXPECT_TRUE(f.T_hora.Enabled());
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_FALSE(f.B_Eliminar.Enabled());
    EXPECT_FALSE(f.Frame.Enabled());
    EXPECT_EQ(f.LISTA.FormatString(), "|<Nombre|>Duración|<HDD");
}

struct Rechazo {
    const char* nombre;
    QString programa;
    QTime hora;
    QString mensaje;
};

class RefusedNewPrograms : public F_ProgramasTest, public ::testing::WithParamInterface<Rechazo> {};

TEST_P(RefusedNewPrograms, ShowTheirMessageAndWriteNothing)
{
    const Rechazo& c = GetParam();
    Programa(Diez, "Mañana", 0);
    Programa(Nueve, "Temprano", 0);
    Bloque(Once, 0);
    Bloque(Nueve, 0);
    F_Programas& f = Nuevo(c.hora, c.programa);
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    EXPECT_EQ(Prompts(), QStringList{c.mensaje});
    EXPECT_EQ(ft::Messages().back().Buttons, forms::vbOKOnly);
    EXPECT_EQ(Filas("SELECT NOMBRE FROM PROGRAMAS ORDER BY HORA"), (QStringList{"Temprano", "Mañana"}));
    EXPECT_TRUE(f.B_Guardar.Enabled());
    EXPECT_TRUE(f.T_hora.Enabled());
    EXPECT_FALSE(f.Frame.Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Saving, RefusedNewPrograms,
    ::testing::Values(Rechazo{"EmptyNameIsTestedFirst", "", Diez, "El nombre es incorrecto"},
                      Rechazo{"TimeOfAProgram", "Tarde", Diez, "La hora  ya existe"},
                      Rechazo{"TimeOfABlock", "Tarde", Once, "La hora  ya existe En bloques publicitarios"},
                      Rechazo{"TimeOfBothShowsOnlyThePrograms", "Tarde", Nueve, "La hora  ya existe"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(F_ProgramasTest, NewProgramInsideAnotherOnesSpanIsStoredEmptyAndShown)
{
    Programa(Nueve, "Temprano", 3600);
    F_Programas& f = Nuevo(Diez, "L'Hora del té");
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    EXPECT_TRUE(Prompts().isEmpty());
    EXPECT_EQ(Filas("SELECT NOMBRE,REALIZACION,TIEMPO,TIEMPO_VER FROM PROGRAMAS WHERE HORA=" + SqlHora(Diez)),
              QStringList{"L'Hora del té Luis 0 00:00:00"});
    EXPECT_FALSE(f.T_hora.Enabled());
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_TRUE(f.B_Eliminar.Enabled());
    EXPECT_TRUE(f.Frame.Enabled());
    EXPECT_EQ(f.LISTA.Rows(), 1);
}

TEST_F(F_ProgramasTest, LoadingAProgramShowsItAndSavingRewritesNameAndProducerOnly)
{
    Programa(Diez, "Mañana", 125);
    Item(Diez, 1, "a.wav", 125);
    F_Programas& f = forms::Get<F_Programas>();
    QTime nada(12, 0);
    f.BuscarProgramas(nada);
    EXPECT_EQ(f.T_Nombre.Text(), "");
    EXPECT_FALSE(f.Frame.Enabled());

    Mostrar(Diez);
    EXPECT_EQ(f.T_hora.Value().time(), Diez);
    EXPECT_EQ(f.T_Nombre.Text(), "Mañana");
    EXPECT_EQ(f.T_Realizacion.Text(), "Ana");
    EXPECT_EQ(f.L_Total.Caption(), "00:02:05");
    EXPECT_EQ(Listados(f), QStringList{"a.wav"});
    EXPECT_TRUE(f.Frame.Enabled());

    ft::Type(f.T_Nombre, "Mañana's");
    ft::Type(f.T_Realizacion, "");
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    EXPECT_EQ(Filas("SELECT NOMBRE,REALIZACION,TIEMPO FROM PROGRAMAS"), QStringList{"Mañana's  125"});
    EXPECT_TRUE(Prompts().isEmpty());
}

TEST_F(F_ProgramasTest, DeletingAsksThenRemovesTheProgramAndAllItsItems)
{
    Programa(Diez, "Mañana", 0);
    Programa(Once, "Tarde", 0);
    Item(Diez, 1, "a.wav", 1);
    Item(Diez, 5, "b.wav", 1);
    Item(Once, 1, "c.wav", 1);
    F_Programas& f = Mostrar(Diez);

    ft::AnswerMsgBox(forms::vbNo);
    ASSERT_TRUE(ft::Click(f.B_Eliminar));
    EXPECT_EQ(ft::Messages().back().Prompt, "¿Desea eliminar el progrma Y su contenido?");
    EXPECT_EQ(ft::Messages().back().Buttons, forms::vbYesNo + forms::vbQuestion);
    EXPECT_EQ(Items(Diez).size(), 2);

    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.B_Eliminar));
    EXPECT_EQ(Filas("SELECT NOMBRE FROM PROGRAMAS"), QStringList{"Tarde"});
    EXPECT_TRUE(Items(Diez).isEmpty());
    EXPECT_EQ(Items(Once), QStringList{"1 c.wav"});
    EXPECT_EQ(f.LISTA.Rows(), 1);
    EXPECT_EQ(f.T_Nombre.Text(), "");
    EXPECT_FALSE(f.Frame.Enabled());
    EXPECT_FALSE(f.T_hora.Enabled());
}

TEST_F(F_ProgramasTest, AfterTerminarTheStillEnabledDeleteRemovesTheLastProgram)
{
    Programa(Diez, "Mañana", 0);
    F_Programas& f = Mostrar(Diez);
    ASSERT_TRUE(ft::Click(f.B_Terminar));
    EXPECT_EQ(f.T_Nombre.Text(), "");
    EXPECT_EQ(f.L_Total.Caption(), "00:00:00");
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_FALSE(f.Frame.Enabled());
    EXPECT_EQ(f.T_hora.Value().time(), Diez);
    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.B_Eliminar));
    EXPECT_TRUE(Filas("SELECT NOMBRE FROM PROGRAMAS").isEmpty());
}

TEST_F(F_ProgramasTest, ClosingCopiesEachProgramsLengthAndEndIntoRowsAtItsTime)
{
    Programa(Diez, "Mañana", 1800);
    Programa(Once, "Vacío", 0);
    FilaProgramacion("MUS", Diez, QTime(10, 3));
    FilaProgramacion("FIC", Once, QTime(11, 3));
    FilaProgramacion("FIC", QTime(12, 0), QTime(12, 3));
    F_Programas& f = forms::Get<F_Programas>();
    ASSERT_TRUE(ft::Click(f.B_Salir));
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(Programacion(), (QStringList{"00:30:00 10:30:00", "00:00:00 11:00:00", "00:03:00 12:03:00"}));
}

TEST_F(F_ProgramasTest, ClosingWithoutProgramsChangesNoProgrammingRow)
{
    FilaProgramacion("MUS", Diez, QTime(10, 3));
    ft::Close(forms::Get<F_Programas>());
    EXPECT_EQ(Programacion(), QStringList{"00:03:00 10:03:00"});
}

TEST_F(F_ProgramasTest, AddingAFileAppendsItAfterTheItemCountAndAddsItsSeconds)
{
    Programa(Diez, "Mañana", 7);
    Item(Diez, 1, "a.wav", 3);
    Item(Diez, 4, "b.wav", 4);
    F_Programas& f = Mostrar(Diez);
    const QString fichero = Wav("Sintonía año.wav", 5000);
    ft::ChooseFile(fichero);
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_TRUE(Prompts().isEmpty());
    EXPECT_EQ(Filas("SELECT NUMERO,NOMBRE,FICHERO,TIEMPO,TIEMPO_VER FROM PROGRAMAS_CONTENIDO WHERE NUMERO=3"),
              QStringList{"3 Sintonía año.wav " + fichero + " 5 00:00:05"});
    EXPECT_EQ(Total(Diez), "12 00:00:12");
    EXPECT_EQ(f.L_Total.Caption(), "00:00:12");
    EXPECT_EQ(Listados(f), (QStringList{"a.wav", "Sintonía año.wav", "b.wav"}));
}

TEST_F(F_ProgramasTest, CancellingTheFileDialogChangesNothing)
{
    Programa(Diez, "Mañana", 0);
    F_Programas& f = Mostrar(Diez);
    ft::CancelFileDialog();
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_TRUE(Prompts().isEmpty());
    EXPECT_TRUE(Items(Diez).isEmpty());
    EXPECT_EQ(Total(Diez), "0 00:00:00");
}

TEST_F(F_ProgramasTest, AnUnreadableFileIsAddedWithoutLengthNorTheLastFilesSeconds)
{
    Programa(Diez, "Mañana", 0);
    F_Programas& f = Mostrar(Diez);
    ft::ChooseFile(Wav("a.wav", 6000));
    ASSERT_TRUE(ft::Click(f.Command1));
    QFile roto(Path("roto.wav"));
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
    roto.write("no audio");
    roto.close();
    ft::ChooseFile(roto.fileName());
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(Prompts(), QStringList{"Fichero invalido"});
    EXPECT_EQ(Filas("SELECT NOMBRE,TIEMPO,TIEMPO_VER FROM PROGRAMAS_CONTENIDO WHERE NUMERO=2"),
              QStringList{"roto.wav 0 "});
    EXPECT_EQ(Total(Diez), "6 00:00:06");
}

TEST_F(F_ProgramasTest, DroppedFilesAreAppendedInTheirOrderWhateverTheRow)
{
    Programa(Diez, "Mañana", 1);
    Item(Diez, 1, "a.wav", 1);
    Item(Diez, 2, "b.wav", 0);
    F_Programas& f = Mostrar(Diez);
    ASSERT_TRUE(ft::OLEDragDrop(f.LISTA, {Wav("z.wav", 2000), Wav("y.wav", 3000), Wav("x.wav", 4000)}, 1));
    EXPECT_EQ(Items(Diez), (QStringList{"1 a.wav", "2 b.wav", "3 z.wav", "4 y.wav", "5 x.wav"}));
    EXPECT_EQ(Total(Diez), "10 00:00:10");
    EXPECT_EQ(f.L_Total.Caption(), "00:00:10");

    ASSERT_TRUE(ft::OLEDragDrop(f.LISTA, {}, 2));
    EXPECT_EQ(Items(Diez).size(), 5);
    EXPECT_EQ(Total(Diez), "10 00:00:10");
}

TEST_F(F_ProgramasTest, RemovingAnItemAsksAndSubtractsItsSeconds)
{
    Programa(Diez, "Mañana", 9);
    for (int n = 1; n <= 4; ++n)
        Item(Diez, n, QString("%1.wav").arg(n), n - 1 + (n == 1));
    F_Programas& f = Mostrar(Diez);
    ASSERT_TRUE(ft::Click(f.LISTA, 2));

    ft::AnswerMsgBox(forms::vbNo);
    ASSERT_TRUE(ft::Click(f.Command2));
    EXPECT_EQ(ft::Messages().back().Prompt, "Desea eliminar el corte");
    EXPECT_EQ(ft::Messages().back().Buttons, forms::vbYesNo + forms::vbQuestion);
    EXPECT_EQ(Items(Diez).size(), 4);

    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.Command2));
    EXPECT_EQ(Items(Diez), (QStringList{"1 1.wav", "3 3.wav", "4 4.wav"}));
    EXPECT_EQ(Total(Diez), "8 00:00:08");
    EXPECT_EQ(f.L_Total.Caption(), "00:00:08");

    // The next item takes the count + 1, a position already in use.
    ft::ChooseFile(Wav("5.wav", 2000));
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(Items(Diez), (QStringList{"1 1.wav", "3 3.wav", "4 4.wav", "4 5.wav"}));
    EXPECT_EQ(Total(Diez), "10 00:00:10");
}

TEST_F(F_ProgramasTest, RemovingTheOnlyItemLeavesTheProgramAtZero)
{
    Programa(Diez, "Mañana", 30);
    Item(Diez, 1, "a.wav", 30);
    F_Programas& f = Mostrar(Diez);
    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.Command2));
    EXPECT_EQ(Total(Diez), "0 00:00:00");
    EXPECT_EQ(f.LISTA.Rows(), 1);

    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.Command2));
    EXPECT_EQ(Total(Diez), "0 00:00:00");
}

struct Arrastre {
    const char* nombre;
    int desde, hasta;
    QStringList orden;
};

class DraggedItems : public F_ProgramasTest, public ::testing::WithParamInterface<Arrastre> {};

TEST_P(DraggedItems, AreRenumberedInTheNewOrder)
{
    const Arrastre& c = GetParam();
    Programa(Diez, "Mañana", 0);
    Item(Diez, 1, "a", 0);
    Item(Diez, 3, "b", 0);
    Item(Diez, 4, "c", 0);
    Item(Diez, 6, "d", 0);
    Item(Once, 3, "otro", 0);
    F_Programas& f = Mostrar(Diez);
    ASSERT_TRUE(ft::MouseDown(f.LISTA, c.desde));
    ASSERT_TRUE(ft::DragDrop(f.LISTA, f.LISTA, c.hasta));
    EXPECT_EQ(Items(Diez), c.orden);
    EXPECT_EQ(Items(Once), QStringList{"3 otro"});
    if (c.hasta >= 1 && c.hasta != c.desde) {
        EXPECT_EQ(f.LISTA.Row(), c.hasta);
        EXPECT_EQ(f.LISTA.Col(), 0);
        EXPECT_EQ(f.LISTA.ColSel(), 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Dragging, DraggedItems,
                         ::testing::Values(Arrastre{"LastOntoFirst", 4, 1, {"1 d", "2 a", "3 b", "4 c"}},
                                           Arrastre{"FirstOntoLast", 1, 4, {"1 b", "2 c", "3 d", "4 a"}},
                                           Arrastre{"OntoItself", 2, 2, {"1 a", "3 b", "4 c", "6 d"}},
                                           Arrastre{"OntoTheHeader", 2, 0, {"1 a", "3 b", "4 c", "6 d"}}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(F_ProgramasTest, DraggingKeepsItemsThatSharedAPositionApart)
{
    Programa(Diez, "Mañana", 0);
    Item(Diez, 1, "a", 0);
    Item(Diez, 2, "b", 0);
    Item(Diez, 2, "c", 0);
    F_Programas& f = Mostrar(Diez);
    ASSERT_TRUE(ft::MouseDown(f.LISTA, 1));
    ASSERT_TRUE(ft::DragDrop(f.LISTA, f.LISTA, 3));
    EXPECT_EQ(Filas("SELECT NUMERO FROM PROGRAMAS_CONTENIDO ORDER BY NUMERO"), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Listados(f).last(), "a");
}

TEST_F(F_ProgramasTest, ItemsGoToTheListedProgramWhileANewTimeIsTyped)
{
    Programa(Diez, "Mañana", 0);
    F_Programas& f = Mostrar(Diez);
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    f.T_hora.Value(Once);
    ASSERT_TRUE(ft::OLEDragDrop(f.LISTA, {Wav("a.wav", 2000)}, 1));
    EXPECT_EQ(Items(Diez), QStringList{"1 a.wav"});
    EXPECT_TRUE(Items(Once).isEmpty());
    EXPECT_EQ(Total(Diez), "2 00:00:02");
}

TEST_F(F_ProgramasTest, DoubleClickOpensTheItemDialogFilledFromTheRow)
{
    Programa(Diez, "Mañana", 0);
    Item(Diez, 1, "a.wav", 0);
    Item(Diez, 7, "b.wav", 65);
    F_Programas& f = Mostrar(Diez);
    bool mostrado = false;
    ft::WhenShown<F_Programa_Propiedades>([&](F_Programa_Propiedades& d) {
        mostrado = true;
        EXPECT_EQ(d.Caption(), "Propiedades");
        EXPECT_EQ(d.Numero, 7);
        EXPECT_EQ(d.T_Nombre.Text(), "b.wav");
        EXPECT_EQ(d.L_Duracion.Caption(), "00:01:05");
        EXPECT_EQ(d.L_Hdd.Caption(), "/audio/b.wav");
    });
    ASSERT_TRUE(ft::DblClick(f.LISTA, 2));
    EXPECT_TRUE(mostrado);
}

}  // namespace
