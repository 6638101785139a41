#include "CatalogoPrueba.h"
#include "music/F_Interprete.h"
#include "music/F_Musica.h"

namespace ft = forms::test;

namespace {

class F_InterpreteTest : public CatalogoPrueba {
protected:
    // The editor in the new state (its data frame usable), then its "+"
    // button with what the user does in the pick list.
    static F_Musica& Elegir(std::function<void(F_Interprete&)> usuario)
    {
        F_Musica& editor = forms::Get<F_Musica>();
        EXPECT_TRUE(ft::Click(editor.B_Añadir));
        ft::WhenShown<F_Interprete>(std::move(usuario));
        EXPECT_TRUE(ft::Click(editor.Command10));
        return editor;
    }
};

TEST_F(F_InterpreteTest, ListsEveryPerformerInOrderUnderOneHeading)
{
    Nombres("INTERPRETE", {"Zoe", "alaska", "Bunbury"});
    QStringList listados;
    Elegir([&](F_Interprete& lista) {
        EXPECT_EQ(lista.Caption(), "Interpretes");
        EXPECT_EQ(lista.Label1.Caption(), "Buscar");
        EXPECT_EQ(lista.LISTA.TextMatrix(0, 1), "Nombre");
        EXPECT_EQ(lista.LISTA.ColWidth(0), 1);
        EXPECT_EQ(lista.LISTA.ColWidth(1), 5500);
        listados = Columna1(lista.LISTA);
    });
    EXPECT_EQ(listados, QStringList({"alaska", "Bunbury", "Zoe"}));
    EXPECT_EQ(ft::ShownModally().back(), "F_Interprete");
    ExpectNoUntrappedErrors();
}

TEST_F(F_InterpreteTest, TypingNarrowsToNamesThatBeginWithTheTextInAnyCase)
{
    Nombres("INTERPRETE", {"Maná", "Emma", "madonna", "MALÚ", "O'Connor", "Alaska"});
    struct Caso {
        const char* tecleado;
        QStringList listados;
    };
    const Caso casos[] = {
        {"ma", {"madonna", "MALÚ", "Maná"}},
        {"MAN", {"Maná"}},
        {"o'", {"O'Connor"}},
        {"x", {}},
        {"", {"Alaska", "Emma", "madonna", "MALÚ", "Maná", "O'Connor"}},
    };
    Elegir([&](F_Interprete& lista) {
        for (const Caso& caso : casos) {
            ASSERT_TRUE(ft::Type(lista.Text1, QString::fromUtf8(caso.tecleado)));
            EXPECT_EQ(Columna1(lista.LISTA), caso.listados) << caso.tecleado;
            EXPECT_EQ(lista.LISTA.TextMatrix(0, 1), "Nombre") << caso.tecleado;
            EXPECT_EQ(lista.LISTA.ColWidth(0), 1) << caso.tecleado;
        }
    });
    ExpectNoUntrappedErrors();
}

TEST_F(F_InterpreteTest, ADoubleClickPutsTheNameInThePerformerBoxAndCloses)
{
    Nombres("INTERPRETE", {"Bunbury", "L'Arc"});
    F_Musica& editor = Elegir([](F_Interprete& lista) {
        ASSERT_TRUE(ft::DblClick(lista.LISTA, 2));
        EXPECT_FALSE(lista.Loaded());
    });
    EXPECT_EQ(editor.T_Interprete.Text(), "L'Arc");
    EXPECT_EQ(editor.T_Albun.Text(), "");
    ExpectNoUntrappedErrors();
}

TEST_F(F_InterpreteTest, ClosingTheListChangesNothingAndTheNextShowingListsAllAgain)
{
    Nombres("INTERPRETE", {"Bunbury", "Alaska"});
    F_Musica& editor = Elegir([](F_Interprete& lista) { ft::Type(lista.Text1, "B"); });
    EXPECT_EQ(editor.T_Interprete.Text(), "");
    QStringList listados;
    ft::WhenShown<F_Interprete>([&](F_Interprete& lista) {
        EXPECT_EQ(lista.Text1.Text(), "");
        listados = Columna1(lista.LISTA);
    });
    ASSERT_TRUE(ft::Click(editor.Command10));
    EXPECT_EQ(listados, QStringList({"Alaska", "Bunbury"}));
    ExpectNoUntrappedErrors();
}

}  // namespace
