#include "DialogosPrueba.h"

#include "programming/F_Rotacion.h"

namespace {

namespace ft = forms::test;

using F_RotacionTest = DialogosPrueba;

TEST_F(F_RotacionTest, AceptarInsertsARotationThatEndsWhereItStarts)
{
    Programacion("Tardes");
    Fila("Tardes", QTime(16, 0), "FIC");
    F_Programacion& editor = Abrir("Tardes");

    ft::WhenShown<F_Rotacion>([](F_Rotacion& r) {
        EXPECT_EQ(r.Caption(), "Rotación");
        EXPECT_EQ(r.Label1.Caption(), "Hora de inicio");
        r.L_Nombre.Caption("Éxitos d'ahir");
        // At the start time of the file row: refused, the dialog stays for another time.
        r.T_hora.Value(QTime(16, 0));
        ASSERT_TRUE(ft::Click(r.Command1));
        EXPECT_TRUE(r.Loaded());
        r.T_hora.Value(QTime(16, 0, 30));
        ASSERT_TRUE(ft::Click(r.Command1));
        EXPECT_FALSE(r.Loaded());
    });
    forms::Get<F_Rotacion>().Show(forms::vbModal);

    EXPECT_EQ(Prompts(), QStringList{"La hora de inicio ya existe"});
    EXPECT_EQ(Filas("SELECT HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO,LUNES FROM PROGRAMACION "
                    "WHERE TIPO='ROT'"),
              QStringList{"16:00:30 ROT Éxitos d'ahir Indefinido 16:00:30 ROTACION "});
    ASSERT_EQ(editor.LISTA.Rows(), 3);
    EXPECT_EQ(editor.LISTA.TextMatrix(2, 4), "Indefinido");
    EXPECT_EQ(editor.LISTA.ColWidth(3), 4900);
}

TEST_F(F_RotacionTest, SalirWritesNothing)
{
    ft::WhenShown<F_Rotacion>([](F_Rotacion& r) {
        r.L_Nombre.Caption("Éxitos");
        ASSERT_TRUE(ft::Click(r.Command2));
        EXPECT_FALSE(r.Loaded());
    });
    forms::Get<F_Rotacion>().Show(forms::vbModal);
    EXPECT_TRUE(Filas("SELECT * FROM PROGRAMACION").isEmpty());
}

}  // namespace
