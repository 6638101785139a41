#include "DialogosPrueba.h"

#include "programming/F_Buscar_Programa.h"
#include "programming/F_PLaylist.h"
#include "programming/F_Programas.h"

namespace {

namespace ft = forms::test;

using F_Buscar_ProgramaTest = DialogosPrueba;

TEST_F(F_Buscar_ProgramaTest, EachDoubleClickProposesTheProgramAndTheListStaysOpen)
{
    Programacion("Tardes");
    Programa(QTime(18, 0), "Deportes", 1800);
    Programa(QTime(16, 0), "L'Hora del Te", 5400);
    F_Programacion& editor = Abrir("Tardes");

    ft::WhenShown<F_Buscar_Programa>([](F_Buscar_Programa& b) {
        EXPECT_EQ(b.Caption(), "Buscar Playlist");
        ASSERT_EQ(b.LISTA.Rows(), 3);
        EXPECT_EQ(b.LISTA.TextMatrix(0, 3), "Realización");
        EXPECT_EQ(b.LISTA.ColWidth(2), 2500);
        EXPECT_EQ(b.LISTA.TextMatrix(1, 2), "L'Hora del Te");
        EXPECT_EQ(b.LISTA.TextMatrix(2, 4), "00:30:00");

        ft::WhenShown<F_PLaylist>([](F_PLaylist& p) {
            EXPECT_EQ(p.L_Nombre.Caption(), "L'Hora del Te");
            EXPECT_EQ(p.T_hora.Value().time(), QTime(16, 0));
            ASSERT_TRUE(ft::Click(p.Command1));
        });
        ASSERT_TRUE(ft::DblClick(b.LISTA, 1));
        EXPECT_TRUE(b.Loaded());

        // The proposed start changed in the dialog.
        ft::WhenShown<F_PLaylist>([](F_PLaylist& p) {
            EXPECT_EQ(p.L_Nombre.Caption(), "Deportes");
            EXPECT_EQ(p.T_hora.Value().time(), QTime(18, 0));
            p.T_hora.Value(QTime(20, 0));
            ASSERT_TRUE(ft::Click(p.Command1));
        });
        ASSERT_TRUE(ft::DblClick(b.LISTA, 2));
        EXPECT_TRUE(b.Loaded());
    });
    ASSERT_TRUE(ft::Click(editor.Command9));

    EXPECT_EQ(ft::ShownModally(), (std::vector<QString>{"F_Buscar_Programa", "F_PLaylist", "F_PLaylist"}));
    EXPECT_EQ(Filas("SELECT HORA,DESCRIPCION,FIN FROM PROGRAMACION ORDER BY HORA"),
              (QStringList{"16:00:00 L'Hora del Te 17:30:00", "20:00:00 Deportes 20:30:00"}));
    EXPECT_EQ(editor.LISTA.Rows(), 3);
}

TEST_F(F_Buscar_ProgramaTest, TheProgramEditorsBuscarInsertsIntoTheOpenProgramming)
{
    Programacion("Tardes");
    Programa(QTime(16, 0), "Magazine", 600);
    Abrir("Tardes");
    F_Programas& programas = forms::Get<F_Programas>();
    ft::WhenShown<F_Buscar_Programa>([](F_Buscar_Programa& b) {
        ft::WhenShown<F_PLaylist>([](F_PLaylist& p) { ASSERT_TRUE(ft::Click(p.Command1)); });
        ASSERT_TRUE(ft::DblClick(b.LISTA, 1));
    });
    ASSERT_TRUE(ft::Click(programas.B_Buscar));
    EXPECT_EQ(Filas("SELECT PROGRAMACION,HORA,DESCRIPCION FROM PROGRAMACION"), QStringList{"Tardes 16:00:00 Magazine"});
    EXPECT_TRUE(programas.T_Nombre.Text().isEmpty());
}

TEST_F(F_Buscar_ProgramaTest, FromTheProgramEditorAloneTheProgrammingEditorIsNotCreated)
{
    Programa(QTime(16, 0), "Magazine", 600);
    ft::WhenShown<F_Buscar_Programa>([](F_Buscar_Programa& b) {
        ft::WhenShown<F_PLaylist>([](F_PLaylist& p) { ASSERT_TRUE(ft::Click(p.Command1)); });
        ASSERT_TRUE(ft::DblClick(b.LISTA, 1));
    });
    ASSERT_TRUE(ft::Click(forms::Get<F_Programas>().B_Buscar));
    EXPECT_EQ(Filas("SELECT PROGRAMACION,HORA FROM PROGRAMACION"), QStringList{" 16:00:00"});
    // A hidden programming editor would keep the program running after the menu closes.
    const forms::Form* editor = forms::detail::FindForm(typeid(F_Programacion));
    EXPECT_TRUE(editor == nullptr || !editor->Loaded());
}

}  // namespace
