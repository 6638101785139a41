#include "ProgramasFixture.h"

#include "programming/F_Programa_Propiedades.h"
#include "programming/F_Programas.h"

#include "forms/MsgBox.h"

namespace {

namespace ft = forms::test;

const QTime Diez(10, 0);
const QTime Once(11, 0);

class F_Programa_PropiedadesTest : public ProgramasFixture {
protected:
    void SetUp() override
    {
        ProgramasFixture::SetUp();
        Programa(Diez, "Mañana", 0);
        Programa(Once, "Tarde", 0);
        Item(Diez, 1, "a.wav", 0);
        Item(Diez, 2, "b.wav", 0);
        Item(Once, 2, "c.wav", 0);
        QTime hora = Diez;
        forms::Get<F_Programas>().BuscarProgramas(hora);
    }

    // Opens the dialog on row 2 of the editor's list and lets the user act in it.
    static void Propiedades(std::function<void(F_Programa_Propiedades&)> script)
    {
        F_Programas& f = forms::Get<F_Programas>();
        ASSERT_TRUE(ft::Click(f.LISTA, 2));
        ft::WhenShown<F_Programa_Propiedades>(script);
        ASSERT_TRUE(ft::Click(f.Command3));
    }
};

TEST_F(F_Programa_PropiedadesTest, AceptarRenamesOnlyThatItemAndRelistsIt)
{
    bool cerrado = false;
    Propiedades([&](F_Programa_Propiedades& d) {
        EXPECT_EQ(d.Caption(), "Propiedades");
        ASSERT_TRUE(ft::Type(d.T_Nombre, "L'entrevista"));
        ASSERT_TRUE(ft::Click(d.Command1));
        cerrado = !d.Loaded();
    });
    EXPECT_TRUE(cerrado);
    EXPECT_EQ(Items(Diez), (QStringList{"1 a.wav", "2 L'entrevista"}));
    EXPECT_EQ(Items(Once), QStringList{"2 c.wav"});
    EXPECT_EQ(Filas("SELECT FICHERO,TIEMPO_VER FROM PROGRAMAS_CONTENIDO WHERE NOMBRE='L''entrevista'"),
              QStringList{"/audio/b.wav 00:00:00"});
    F_Programas& f = forms::Get<F_Programas>();
    EXPECT_EQ(f.LISTA.TextMatrix(2, 1), "L'entrevista");
    EXPECT_EQ(f.LISTA.FormatString(), "|<Nombre|>Duración|<HDD");
}

TEST_F(F_Programa_PropiedadesTest, AnEmptyNameIsRefusedAndTheDialogStaysOpen)
{
    bool abierto = false;
    Propiedades([&](F_Programa_Propiedades& d) {
        ASSERT_TRUE(ft::Type(d.T_Nombre, ""));
        ASSERT_TRUE(ft::Click(d.Command1));
        abierto = d.Visible();
    });
    EXPECT_TRUE(abierto);
    EXPECT_EQ(Prompts(), QStringList{"Debe poner un nombre"});
    EXPECT_EQ(ft::Messages().back().Buttons, forms::vbInformation);
    EXPECT_EQ(Items(Diez), (QStringList{"1 a.wav", "2 b.wav"}));
}

TEST_F(F_Programa_PropiedadesTest, SalirClosesWithoutAChange)
{
    Propiedades([&](F_Programa_Propiedades& d) {
        ASSERT_TRUE(ft::Type(d.T_Nombre, "otro"));
        ASSERT_TRUE(ft::Click(d.Command2));
        EXPECT_FALSE(d.Loaded());
    });
    EXPECT_EQ(Items(Diez), (QStringList{"1 a.wav", "2 b.wav"}));
}

TEST_F(F_Programa_PropiedadesTest, AnItemGoneMeanwhileIsNotFoundAndTheDialogStaysOpen)
{
    bool abierto = false;
    Propiedades([&](F_Programa_Propiedades& d) {
        Sql("DELETE * FROM PROGRAMAS_CONTENIDO WHERE NUMERO=2");
        ASSERT_TRUE(ft::Type(d.T_Nombre, "otro"));
        ASSERT_TRUE(ft::Click(d.Command1));
        abierto = d.Visible();
    });
    EXPECT_TRUE(abierto);
    EXPECT_TRUE(Prompts().isEmpty());
    EXPECT_EQ(Items(Diez), QStringList{"1 a.wav"});
}

}  // namespace
