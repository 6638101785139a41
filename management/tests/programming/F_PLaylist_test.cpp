#include "DialogosPrueba.h"

#include "programming/F_PLaylist.h"

#include "forms/MsgBox.h"

namespace {

namespace ft = forms::test;

using F_PLaylistTest = DialogosPrueba;

const char* const FilasTardes = "SELECT HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO,LUNES,DOMINGO FROM PROGRAMACION "
                                "WHERE PROGRAMACION='Tardes' ORDER BY HORA";

// The dialog filled as the program list fills it, at start, then Aceptar.
void Insertar(const QString& nombre, const QTime& inicio)
{
    ft::WhenShown<F_PLaylist>([&](F_PLaylist& p) {
        p.L_Nombre.Caption(nombre);
        p.T_hora.Value(inicio);
        ASSERT_TRUE(ft::Click(p.Command1));
    });
    forms::Get<F_PLaylist>().Show(forms::vbModal);
}

TEST_F(F_PLaylistTest, AceptarInsertsTheProgramRowAndReloadsTheEditor)
{
    Programacion("Tardes");
    Programa(QTime(16, 0), "L'Hora del Te", 5400);
    Programa(QTime(23, 30), "Nocturno", 3600);
    F_Programacion& editor = Abrir("Tardes");

    ft::WhenShown<F_PLaylist>([](F_PLaylist& p) {
        EXPECT_EQ(p.Caption(), "Playlist");
        EXPECT_EQ(p.T_hora.Value().time(), QTime(0, 0));
        p.L_Nombre.Caption("L'Hora del Te");
        p.T_hora.Value(QTime(16, 0));
        ASSERT_TRUE(ft::Click(p.Command1));
        EXPECT_FALSE(p.Loaded());
    });
    forms::Get<F_PLaylist>().Show(forms::vbModal);
    Insertar("Nocturno", QTime(23, 30));

    // The day flags stay unwritten; an end after midnight is the time of day after it.
    EXPECT_EQ(Filas(FilasTardes), (QStringList{"16:00:00 PRO L'Hora del Te 01:30:00 17:30:00 PROGRAMA  ",
                                               "23:30:00 PRO Nocturno 01:00:00 00:30:00 PROGRAMA  "}));
    ASSERT_EQ(editor.LISTA.Rows(), 3);
    EXPECT_EQ(editor.LISTA.TextMatrix(0, 1), "Inicio");
    EXPECT_EQ(editor.LISTA.TextMatrix(2, 3), "Nocturno");
    EXPECT_TRUE(Prompts().isEmpty());
}

TEST_F(F_PLaylistTest, AStartTimeTakenInTheOpenProgrammingIsRefused)
{
    Programacion("Tardes");
    Programacion("Noches");
    Programa(QTime(16, 0), "Magazine", 600);
    Fila("Tardes", QTime(17, 0), "BLO");
    Fila("Noches", QTime(16, 0), "MUS");
    F_Programacion& editor = Abrir("Tardes");

    ft::WhenShown<F_PLaylist>([](F_PLaylist& p) {
        p.L_Nombre.Caption("Magazine");
        p.T_hora.Value(QTime(17, 0));
        ASSERT_TRUE(ft::Click(p.Command1));
        EXPECT_TRUE(p.Loaded());
        ASSERT_EQ(ft::Messages().size(), 1u);
        EXPECT_EQ(ft::Messages()[0].Prompt, "La hora de inicio ya existe");
        EXPECT_EQ(ft::Messages()[0].Buttons, forms::vbOKOnly);
        // Overlapping the block, and at a time only another programming uses: accepted.
        p.T_hora.Value(QTime(16, 0));
        ASSERT_TRUE(ft::Click(p.Command1));
        EXPECT_FALSE(p.Loaded());
    });
    forms::Get<F_PLaylist>().Show(forms::vbModal);

    EXPECT_EQ(Filas("SELECT HORA,TIPO,FIN FROM PROGRAMACION WHERE PROGRAMACION='Tardes' ORDER BY HORA"),
              (QStringList{"16:00:00 PRO 16:10:00", "17:00:00 BLO 17:01:00"}));
    EXPECT_EQ(editor.LISTA.Rows(), 3);
    EXPECT_EQ(Prompts().size(), 1);
}

TEST_F(F_PLaylistTest, TheFirstOfTwoProgramsOfOneNameGivesTheLength)
{
    Programacion("Tardes");
    Programa(QTime(9, 0), "Magazine", 600);
    Programa(QTime(10, 0), "Magazine", 1200);
    Abrir("Tardes");
    Insertar("Magazine", QTime(12, 0));
    EXPECT_EQ(Filas("SELECT TIEMPO_VER,FIN FROM PROGRAMACION"), QStringList{"00:10:00 12:10:00"});
}

TEST_F(F_PLaylistTest, WithoutAnOpenProgrammingTheRowHasNoProgrammingName)
{
    Programa(QTime(9, 0), "Magazine", 600);
    F_Programacion& editor = forms::Get<F_Programacion>();
    Insertar("Magazine", QTime(9, 0));
    EXPECT_EQ(Filas("SELECT PROGRAMACION,HORA FROM PROGRAMACION"), QStringList{" 09:00:00"});
    EXPECT_EQ(editor.LISTA.Rows(), 2);
}

TEST_F(F_PLaylistTest, AProgramNoLongerStoredInsertsNothing)
{
    Programacion("Tardes");
    Abrir("Tardes");
    ft::WhenShown<F_PLaylist>([](F_PLaylist& p) {
        p.L_Nombre.Caption("Borrado");
        ASSERT_TRUE(ft::Click(p.Command1));
    });
    forms::Get<F_PLaylist>().Show(forms::vbModal);
    EXPECT_TRUE(Filas("SELECT * FROM PROGRAMACION").isEmpty());
}

TEST_F(F_PLaylistTest, SalirWritesNothing)
{
    Programa(QTime(9, 0), "Magazine", 600);
    ft::WhenShown<F_PLaylist>([](F_PLaylist& p) {
        p.L_Nombre.Caption("Magazine");
        ASSERT_TRUE(ft::Click(p.Command2));
        EXPECT_FALSE(p.Loaded());
    });
    forms::Get<F_PLaylist>().Show(forms::vbModal);
    EXPECT_TRUE(Filas("SELECT * FROM PROGRAMACION").isEmpty());
}

}  // namespace
