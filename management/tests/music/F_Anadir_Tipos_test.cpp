#include "CatalogoPrueba.h"
#include "music/F_Anadir_Tipos.h"
#include "music/F_Musica.h"

#include "forms/MsgBox.h"

namespace ft = forms::test;

namespace {

class F_Añadir_TiposTest : public CatalogoPrueba {
protected:
    void SetUp() override
    {
        CatalogoPrueba::SetUp();
        Nombres("ESTILOS", {"Rock", "Pop"});
        Nombres("TIPO", {"Lenta", "Rápida"});
        Nombres("RITMO", {"Bajo", "Alto"});
    }

    // The editor in the new state: its "+/-" buttons usable.
    static F_Musica& Editor()
    {
        F_Musica& editor = forms::Get<F_Musica>();
        EXPECT_TRUE(ft::Click(editor.B_Añadir));
        return editor;
    }

    struct Boton {
        const char* tabla;
        const char* cual;
        forms::CommandButton F_Musica::*boton;
        forms::ComboBox F_Musica::*combo;
    };
    static constexpr Boton botones[] = {
        {"ESTILOS", " NOMBRE FROM ESTILOS ORDER BY NOMBRE", &F_Musica::Command5, &F_Musica::T_Estilo},
        {"RITMO", " NOMBRE FROM RITMO ORDER BY NOMBRE", &F_Musica::Command6, &F_Musica::T_Ritmo},
        {"TIPO", " NOMBRE FROM TIPO ORDER BY NOMBRE", &F_Musica::Command7, &F_Musica::T_Tipo},
    };
};

TEST_F(F_Añadir_TiposTest, EachButtonAddsToItsOwnListAndTheEditorRefillsAllThree)
{
    for (const Boton& lista : botones) {
        F_Musica& editor = Editor();
        ASSERT_TRUE(ft::Choose(editor.*lista.combo, 1));
        QString cual, eliminar;
        ft::WhenShown<F_Añadir_Tipos>([&](F_Añadir_Tipos& dialogo) {
            EXPECT_EQ(dialogo.Caption(), "Añadir");
            cual = dialogo.Cual;
            eliminar = dialogo.L_Eliminar.Caption();
            ASSERT_TRUE(ft::Type(dialogo.Text1, "Aaa"));
            ASSERT_TRUE(ft::Click(dialogo.Command1));
            EXPECT_FALSE(dialogo.Loaded());
        });
        const QString mostrado = (editor.*lista.combo).Text();
        ASSERT_TRUE(ft::Click(editor.*lista.boton));
        EXPECT_EQ(cual, lista.cual);
        EXPECT_EQ(eliminar, mostrado);
        EXPECT_EQ(Lista(lista.tabla).count("Aaa"), 1) << lista.tabla;
        // Refilled: the new name first, and the first entry of every list selected.
        EXPECT_EQ((editor.*lista.combo).List(0), "Aaa");
        EXPECT_EQ(editor.T_Estilo.ListIndex(), 0);
        EXPECT_EQ(editor.T_Tipo.ListIndex(), 0);
        EXPECT_EQ(editor.T_Ritmo.ListIndex(), 0);
        editor.Unload();
    }
    EXPECT_EQ(Lista("ESTILOS").size(), 3);
    EXPECT_EQ(Lista("TIPO").size(), 3);
    EXPECT_EQ(Lista("RITMO").size(), 3);
    ExpectNoUntrappedErrors();
}

TEST_F(F_Añadir_TiposTest, AnEmptyNameIsRefusedAndTheDialogStaysOpen)
{
    F_Musica& editor = Editor();
    bool abierto = false;
    ft::WhenShown<F_Añadir_Tipos>([&](F_Añadir_Tipos& dialogo) {
        ASSERT_TRUE(ft::Click(dialogo.Command1));
        abierto = dialogo.Loaded();
    });
    ASSERT_TRUE(ft::Click(editor.Command5));
    EXPECT_TRUE(abierto);
    ASSERT_EQ(ft::Messages().size(), 1u);
    EXPECT_EQ(ft::Messages()[0].Prompt, "Debe poner algun nombre");
    EXPECT_EQ(ft::Messages()[0].Buttons, forms::vbInformation);
    EXPECT_EQ(Lista("ESTILOS").size(), 2);
    ExpectNoUntrappedErrors();
}

TEST_F(F_Añadir_TiposTest, ANameTheListHoldsIsAddedASecondTime)
{
    F_Musica& editor = Editor();
    ft::WhenShown<F_Añadir_Tipos>([](F_Añadir_Tipos& dialogo) {
        ft::Type(dialogo.Text1, "Rock");
        ft::Click(dialogo.Command1);
    });
    ASSERT_TRUE(ft::Click(editor.Command5));
    EXPECT_EQ(Lista("ESTILOS").count("Rock"), 2);
    EXPECT_EQ(editor.T_Estilo.ListCount(), 3);
    ExpectNoUntrappedErrors();
}

TEST_F(F_Añadir_TiposTest, EliminarDeletesTheNameShownInTheEditorsList)
{
    Nombres("RITMO", {"D'Alto"});
    F_Musica& editor = Editor();
    ASSERT_TRUE(ft::Choose(editor.T_Ritmo, 1));  // Alto, Bajo, D'Alto
    ASSERT_EQ(editor.T_Ritmo.Text(), "Bajo");
    ft::WhenShown<F_Añadir_Tipos>([](F_Añadir_Tipos& dialogo) { ft::Click(dialogo.Command3); });
    ASSERT_TRUE(ft::Click(editor.Command6));
    EXPECT_EQ(Lista("RITMO"), QStringList({"Alto", "D'Alto"}));
    EXPECT_EQ(editor.T_Ritmo.ListCount(), 2);
    EXPECT_EQ(editor.T_Ritmo.ListIndex(), 0);

    // A name with an apostrophe is found and deleted like any other.
    ASSERT_TRUE(ft::Choose(editor.T_Ritmo, 1));
    ft::WhenShown<F_Añadir_Tipos>([](F_Añadir_Tipos& dialogo) { ft::Click(dialogo.Command3); });
    ASSERT_TRUE(ft::Click(editor.Command6));
    EXPECT_EQ(Lista("RITMO"), QStringList({"Alto"}));
    EXPECT_EQ(Lista("ESTILOS").size(), 2);
    EXPECT_EQ(Lista("TIPO").size(), 2);
    ExpectNoUntrappedErrors();
}

TEST_F(F_Añadir_TiposTest, ANameNotInTheListDeletesNothingButRefillsAndCloses)
{
    F_Musica& editor = Editor();
    ASSERT_TRUE(ft::Choose(editor.T_Tipo, 1));
    bool cerrado = false;
    ft::WhenShown<F_Añadir_Tipos>([&](F_Añadir_Tipos& dialogo) {
        dialogo.L_Eliminar.Caption("Ninguna");
        ft::Click(dialogo.Command3);
        cerrado = !dialogo.Loaded();
    });
    ASSERT_TRUE(ft::Click(editor.Command7));
    EXPECT_TRUE(cerrado);
    EXPECT_EQ(Lista("TIPO").size(), 2);
    EXPECT_EQ(editor.T_Tipo.ListIndex(), 0);  // refilled
    ExpectNoUntrappedErrors();
}

TEST_F(F_Añadir_TiposTest, DeletingFromAnEmptyListOnlyCloses)
{
    Ejecutar("DELETE * FROM TIPO");
    F_Musica& editor = Editor();
    editor.T_Estilo.ListIndex(1);
    bool cerrado = false;
    ft::WhenShown<F_Añadir_Tipos>([&](F_Añadir_Tipos& dialogo) {
        ft::Click(dialogo.Command3);
        cerrado = !dialogo.Loaded();
    });
    ASSERT_TRUE(ft::Click(editor.Command7));
    EXPECT_TRUE(cerrado);
    EXPECT_EQ(editor.T_Estilo.ListIndex(), 1);  // not refilled
    ExpectNoUntrappedErrors();
}

TEST_F(F_Añadir_TiposTest, CancelarClosesAndChangesNothing)
{
    F_Musica& editor = Editor();
    editor.T_Estilo.ListIndex(1);
    ft::WhenShown<F_Añadir_Tipos>([](F_Añadir_Tipos& dialogo) {
        ft::Type(dialogo.Text1, "Nuevo");
        ft::Click(dialogo.Command2);
        EXPECT_FALSE(dialogo.Loaded());
    });
    ASSERT_TRUE(ft::Click(editor.Command5));
    EXPECT_EQ(Lista("ESTILOS").size(), 2);
    EXPECT_EQ(editor.T_Estilo.ListIndex(), 1);
    ExpectNoUntrappedErrors();
}

}  // namespace
