#include "EditorPrueba.h"

#include "programming/F_Programacion_Propiedades.h"

#include "forms/MsgBox.h"

namespace ft = forms::test;

namespace {

class F_Programacion_Propiedades_test : public EditorPrueba {
protected:
    // Opens programming P and moves its grid row fila to hacia through the dialog.
    static void Mover(int fila, const QTime& hacia)
    {
        F_Programacion& f = Abrir("P");
        ft::WhenShown<F_Programacion_Propiedades>([hacia](F_Programacion_Propiedades& p) {
            p.T_Inicio.Value(hacia);
            EXPECT_TRUE(ft::Click(p.Command1));
        });
        EXPECT_TRUE(ft::DblClick(f.LISTA, fila));
    }
};

TEST_F(F_Programacion_Propiedades_test, AceptarMovesTheRowAndMeasuresItsEnd)
{
    struct Caso {
        const char* nombre;
        int milisegundos;
        QTime hacia;
        const char* fila;
    };
    for (const Caso& c : {Caso{"halves rounded to even", 205500, QTime(10, 0), "P 10:00:00 00:03:00 10:03:26"},
                          Caso{"past midnight", 120000, QTime(23, 59), "P 23:59:00 00:03:00 00:01:00"}}) {
        SCOPED_TRACE(c.nombre);
        Sql("DELETE * FROM PROGRAMACION");
        Programacion("P");
        Fila("P", QTime(8, 0), "MUS", "Canción", "00:03:00", QTime(8, 3), Wav("c.wav", c.milisegundos));
        Mover(1, c.hacia);
        EXPECT_EQ(Filas("SELECT PROGRAMACION,HORA,TIEMPO_VER,FIN FROM PROGRAMACION"), QStringList({c.fila}));
        F_Programacion& f = forms::Get<F_Programacion>();
        ASSERT_EQ(f.LISTA.Rows(), 2);
        EXPECT_EQ(f.LISTA.TextMatrix(1, 1), c.hacia.toString("hh:mm:ss"));
        EXPECT_EQ(f.LISTA.FormatString(), "|<Inicio|<Tipo|<Descripción|>Tiempo|>Fin");
    }
}

TEST_F(F_Programacion_Propiedades_test, AStartUsedInTheProgrammingIsRefused)
{
    Programacion("P");
    Fila("P", QTime(8, 0), "ROT", "R", "Indefinido", QTime(8, 0), "ROTACION");
    Fila("P", QTime(9, 0), "ROT", "S", "Indefinido", QTime(9, 0), "ROTACION");
    for (const QTime& hacia : {QTime(9, 0), QTime(8, 0)}) {
        Mover(1, hacia);
        ASSERT_FALSE(ft::Messages().empty());
        EXPECT_EQ(ft::Messages().back().Prompt, "La hora de inicio ya existe");
        EXPECT_EQ(ft::Messages().back().Buttons, forms::vbOKOnly);
    }
    EXPECT_EQ(ft::Messages().size(), 2u);
    EXPECT_EQ(Filas("SELECT HORA FROM PROGRAMACION ORDER BY HORA"), QStringList({"08:00:00", "09:00:00"}));
}

TEST_F(F_Programacion_Propiedades_test, AStartUsedInAnotherProgrammingIsFree)
{
    Programacion("P");
    Fila("P", QTime(8, 0), "ROT", "R", "Indefinido", QTime(8, 0), "ROTACION");
    Fila("Otra", QTime(9, 0), "ROT", "S", "Indefinido", QTime(9, 0), "ROTACION");
    Mover(1, QTime(9, 0));
    EXPECT_TRUE(ft::Messages().empty());
    // A rotation holds no audio file: it ends where it starts.
    EXPECT_EQ(Filas("SELECT PROGRAMACION,HORA,FIN FROM PROGRAMACION ORDER BY PROGRAMACION"),
              QStringList({"Otra 09:00:00 09:00:00", "P 09:00:00 09:00:00"}));
}

TEST_F(F_Programacion_Propiedades_test, SalirWritesNothing)
{
    Programacion("P");
    Fila("P", QTime(8, 0), "ROT", "R", "Indefinido", QTime(8, 0), "ROTACION");
    F_Programacion& f = Abrir("P");
    ft::WhenShown<F_Programacion_Propiedades>([](F_Programacion_Propiedades& p) {
        p.T_Inicio.Value(QTime(12, 0));
        EXPECT_TRUE(ft::Click(p.Command2));
        EXPECT_FALSE(p.Loaded());
    });
    EXPECT_TRUE(ft::Click(f.Command7));
    EXPECT_EQ(Filas("SELECT HORA FROM PROGRAMACION"), QStringList({"08:00:00"}));
}

}  // namespace
