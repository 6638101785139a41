#include "DialogosPrueba.h"

#include "programming/F_Nueva_Programacion.h"

#include "forms/MsgBox.h"

namespace {

namespace ft = forms::test;

using F_Nueva_ProgramacionTest = DialogosPrueba;

TEST_F(F_Nueva_ProgramacionTest, CreatingStoresTheDaysAndOpensTheProgrammingInTheEditor)
{
    F_Programacion& editor = forms::Get<F_Programacion>();
    ft::WhenShown<F_Nueva_Programacion>([](F_Nueva_Programacion& d) {
        EXPECT_EQ(d.Caption(), "Crear Programacion");
        EXPECT_EQ(d.Text1.Text(), "");
        EXPECT_EQ(d.D.Caption(), "Domingos");
        ASSERT_TRUE(ft::Type(d.Text1, "Mañanas"));
        ASSERT_TRUE(ft::Click(d.L));
        ASSERT_TRUE(ft::Click(d.MI));
        ASSERT_TRUE(ft::Click(d.D));
        ASSERT_TRUE(ft::Click(d.Command1));
        EXPECT_FALSE(d.Loaded());
    });
    ASSERT_TRUE(ft::Click(editor.B_Añadir));
    EXPECT_EQ(ft::ShownModally(), std::vector<QString>{"F_Nueva_Programacion"});

    EXPECT_EQ(Filas("SELECT * FROM PROGRAMACION_NOMBRE"), QStringList{"Mañanas 1 0 1 0 0 0 1"});
    EXPECT_EQ(editor.Programacion_Nombre, "Mañanas");
    EXPECT_EQ(editor.Caption(), "Programacion [Mañanas]");
    const forms::CheckBox* dias[] = {&editor.L, &editor.M, &editor.MI, &editor.J, &editor.V, &editor.S, &editor.D};
    const int esperados[] = {1, 0, 1, 0, 0, 0, 1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(dias[i]->Value(), esperados[i]) << dias[i]->Caption().toStdString();
    EXPECT_TRUE(editor.Frame2.Enabled());
    EXPECT_TRUE(editor.B_Eliminar.Enabled());
    EXPECT_EQ(editor.LISTA.Rows(), 1);
    EXPECT_EQ(editor.LISTA.TextMatrix(0, 1), "Inicio");
    EXPECT_TRUE(Prompts().isEmpty());
}

TEST_F(F_Nueva_ProgramacionTest, EmptyOrStoredNamesAreRefusedAndTheDialogKeepsWhatWasTyped)
{
    struct Caso {
        const char* nombre;
        const char* typed;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"empty name", "", "Debe poner un nombre a la programación"},
        {"same name in other letter case", "MAÑANAS", "La programación ya existe"},
        {"same name with an apostrophe", "l'alba", "La programación ya existe"},
    };
    Programacion("mañanas");
    Programacion("L'Alba");
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        ft::WhenShown<F_Nueva_Programacion>([&](F_Nueva_Programacion& d) {
            ft::Type(d.Text1, QString::fromUtf8(caso.typed));
            ft::Click(d.S);
            ASSERT_TRUE(ft::Click(d.Command1));
            EXPECT_TRUE(d.Loaded());
            EXPECT_EQ(d.Text1.Text(), QString::fromUtf8(caso.typed));
            EXPECT_EQ(d.S.Value(), 1);
        });
        forms::Get<F_Nueva_Programacion>().Show(forms::vbModal);
        ASSERT_FALSE(ft::Messages().empty());
        EXPECT_EQ(ft::Messages().back().Prompt, QString::fromUtf8(caso.mensaje));
        EXPECT_EQ(ft::Messages().back().Buttons, forms::vbOKOnly);
    }
    EXPECT_EQ(Filas("SELECT NOMBRE FROM PROGRAMACION_NOMBRE ORDER BY NOMBRE"), (QStringList{"L'Alba", "mañanas"}));
    EXPECT_EQ(forms::Get<F_Programacion>().Programacion_Nombre, "");
}

TEST_F(F_Nueva_ProgramacionTest, NamesOfBlanksOrWithAnApostropheAreCreatedWithoutDays)
{
    for (const QString& nombre : {QString("   "), QString("L'Alba")}) {
        ft::WhenShown<F_Nueva_Programacion>([&](F_Nueva_Programacion& d) {
            ft::Type(d.Text1, nombre);
            ASSERT_TRUE(ft::Click(d.Command1));
        });
        forms::Get<F_Nueva_Programacion>().Show(forms::vbModal);
        EXPECT_EQ(Filas("SELECT LUNES,MARTES,MIERCOLES,JUEVES,VIERNES,SABADO,DOMINGO FROM PROGRAMACION_NOMBRE "
                        "WHERE NOMBRE="
                        + SqlTexto(nombre)),
                  QStringList{"0 0 0 0 0 0 0"});
        EXPECT_EQ(forms::Get<F_Programacion>().Caption(), "Programacion [" + nombre + "]");
    }
    EXPECT_TRUE(Prompts().isEmpty());
}

TEST_F(F_Nueva_ProgramacionTest, SalirWritesNothing)
{
    ft::WhenShown<F_Nueva_Programacion>([](F_Nueva_Programacion& d) {
        ft::Type(d.Text1, "Tardes");
        ASSERT_TRUE(ft::Click(d.Command2));
        EXPECT_FALSE(d.Loaded());
    });
    forms::Get<F_Nueva_Programacion>().Show(forms::vbModal);
    EXPECT_TRUE(Filas("SELECT NOMBRE FROM PROGRAMACION_NOMBRE").isEmpty());
    EXPECT_EQ(forms::Get<F_Programacion>().Caption(), "Programación [Ninguna]");
}

}  // namespace
