#include "DialogosPrueba.h"

#include "programming/F_Buscar_Programacion.h"

namespace {

namespace ft = forms::test;

using F_Buscar_ProgramacionTest = DialogosPrueba;

TEST_F(F_Buscar_ProgramacionTest, DoubleClickOpensTheNameInTheEditor)
{
    Programacion("Tardes");
    Programacion("L'Alba");
    Programacion("Mañanas");
    Fila("L'Alba", QTime(7, 0), "FIC");
    Fila("Tardes", QTime(16, 0), "FIC");
    F_Programacion& editor = forms::Get<F_Programacion>();

    ft::WhenShown<F_Buscar_Programacion>([](F_Buscar_Programacion& b) {
        EXPECT_EQ(b.Caption(), "Selecionar Programación");
        ASSERT_EQ(b.LISTA.Rows(), 4);
        EXPECT_EQ(b.LISTA.TextMatrix(0, 1), "Nombre");
        EXPECT_EQ(b.LISTA.ColWidth(1), 3500);
        EXPECT_EQ(b.LISTA.TextMatrix(1, 1), "L'Alba");
        EXPECT_EQ(b.LISTA.TextMatrix(2, 1), "Mañanas");
        EXPECT_EQ(b.LISTA.TextMatrix(3, 1), "Tardes");
        ASSERT_TRUE(ft::DblClick(b.LISTA, 1));
        EXPECT_FALSE(b.Loaded());
    });
    ASSERT_TRUE(ft::Click(editor.B_Buscar));

    EXPECT_EQ(ft::ShownModally(), std::vector<QString>{"F_Buscar_Programacion"});
    EXPECT_EQ(editor.Programacion_Nombre, "L'Alba");
    EXPECT_EQ(editor.Caption(), "Programación [L'Alba]");
    EXPECT_TRUE(editor.Frame2.Enabled());
    ASSERT_EQ(editor.LISTA.Rows(), 2);
    EXPECT_EQ(editor.LISTA.TextMatrix(1, 1), "07:00:00");
}

}  // namespace
