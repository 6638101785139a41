#include "DialogosPrueba.h"

#include "programming/F_Buscar_Rotacion.h"
#include "programming/F_Rotacion.h"

namespace {

namespace ft = forms::test;

using F_Buscar_RotacionTest = DialogosPrueba;

TEST_F(F_Buscar_RotacionTest, EachDoubleClickOpensTheRotationDialogAtMidnight)
{
    Programacion("Tardes");
    Rotacion("Éxitos");
    Rotacion("Clásicos");
    Abrir("Tardes");

    ft::WhenShown<F_Buscar_Rotacion>([](F_Buscar_Rotacion& b) {
        EXPECT_EQ(b.Caption(), "Rotaciones");
        ASSERT_EQ(b.LISTA.Rows(), 3);
        EXPECT_EQ(b.LISTA.TextMatrix(0, 1), "Nombre");
        EXPECT_EQ(b.LISTA.ColWidth(1), 3700);
        EXPECT_EQ(b.LISTA.TextMatrix(1, 1), "Clásicos");
        EXPECT_EQ(b.LISTA.TextMatrix(2, 1), "Éxitos");
        for (const int fila : {1, 2}) {
            ft::WhenShown<F_Rotacion>([&](F_Rotacion& r) {
                EXPECT_EQ(r.L_Nombre.Caption(), b.LISTA.TextMatrix(fila, 1));
                EXPECT_EQ(r.T_hora.Value().time(), QTime(0, 0));
                r.T_hora.Value(QTime(fila, 0));
                ASSERT_TRUE(ft::Click(r.Command1));
            });
            ASSERT_TRUE(ft::DblClick(b.LISTA, fila));
            EXPECT_TRUE(b.Loaded());
        }
    });
    forms::Get<F_Buscar_Rotacion>().Show(forms::vbModal);

    EXPECT_EQ(Filas("SELECT HORA,DESCRIPCION FROM PROGRAMACION ORDER BY HORA"),
              (QStringList{"01:00:00 Clásicos", "02:00:00 Éxitos"}));
}

}  // namespace
