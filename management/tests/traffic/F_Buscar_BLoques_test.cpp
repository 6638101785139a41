#include "BloquesFixture.h"

#include "traffic/F_BLoques.h"
#include "traffic/F_Buscar_BLoques.h"

namespace {

namespace ft = forms::test;

using F_Buscar_BLoquesTest = BloquesFixture;

TEST_F(F_Buscar_BLoquesTest, DoubleClickLoadsTheBlockIntoTheBlocksForm)
{
    Bloque(QTime(8, 0), 30);
    Bloque(QTime(10, 0), 90);
    Sql("UPDATE BLOQUES SET PRIORITARIO=1, DURACION=#00:02:00# WHERE HORA=#10:00:00#");
    Colocar(QTime(10, 0), 7, 1, 90);
    F_BLoques& f = forms::Get<F_BLoques>();

    ft::WhenShown<F_Buscar_BLoques>([](F_Buscar_BLoques& b) {
        EXPECT_EQ(b.Caption(), "Busqueda de bloques publicitarios");
        ASSERT_EQ(b.LISTA.Rows(), 3);
        EXPECT_EQ(b.LISTA.TextMatrix(0, 1), "Bloque");
        EXPECT_EQ(b.LISTA.TextMatrix(1, 1), "08:00:00");
        EXPECT_EQ(b.LISTA.TextMatrix(2, 1), "10:00:00");
        EXPECT_EQ(b.LISTA.TextMatrix(2, 2), "00:01:30");
        ASSERT_TRUE(ft::DblClick(b.LISTA, 2));
        EXPECT_FALSE(b.Loaded());
    });
    ASSERT_TRUE(ft::Click(f.B_Buscar));

    EXPECT_EQ(ft::ShownModally(), std::vector<QString>{"F_Buscar_BLoques"});
    EXPECT_EQ(f.T_hora.Value().time(), QTime(10, 0));
    EXPECT_EQ(f.T_Duracion.Value().time(), QTime(0, 2));
    EXPECT_EQ(f.C_Prioritario.Value(), 1);
    EXPECT_EQ(f.L_Total.Caption(), "00:01:30");
    EXPECT_EQ(f.LISTA.Rows(), 2);
    EXPECT_EQ(f.LISTA.TextMatrix(1, 1), "7");
    EXPECT_FALSE(f.T_hora.Enabled());
    EXPECT_TRUE(f.B_Eliminar.Enabled());
    EXPECT_TRUE(f.B_Guardar.Enabled());
}

}  // namespace
