#include "CatalogoPrueba.h"
#include "music/F_Albun.h"
#include "music/F_Musica.h"

namespace ft = forms::test;

namespace {

class F_AlbunTest : public CatalogoPrueba {};

// The album list is the performer list's twin on ALBUN and the album box.
TEST_F(F_AlbunTest, ListsAndNarrowsTheAlbumsAndPutsThePickInTheAlbumBox)
{
    Nombres("ALBUN", {"Mondo", "avalancha", "Mar adentro"});
    Nombres("INTERPRETE", {"Monica"});
    F_Musica& editor = forms::Get<F_Musica>();
    ASSERT_TRUE(ft::Click(editor.B_Añadir));
    QStringList todos, filtrados;
    ft::WhenShown<F_Albun>([&](F_Albun& lista) {
        EXPECT_EQ(lista.Caption(), "Buscar albún");
        EXPECT_EQ(lista.LISTA.TextMatrix(0, 1), "Nombre");
        EXPECT_EQ(lista.LISTA.ColWidth(1), 5500);
        todos = Columna1(lista.LISTA);
        ASSERT_TRUE(ft::Type(lista.Text1, "MO"));
        filtrados = Columna1(lista.LISTA);
        ASSERT_TRUE(ft::DblClick(lista.LISTA, 1));
    });
    ASSERT_TRUE(ft::Click(editor.Command11));
    EXPECT_EQ(todos, QStringList({"avalancha", "Mar adentro", "Mondo"}));
    EXPECT_EQ(filtrados, QStringList({"Mondo"}));
    EXPECT_EQ(editor.T_Albun.Text(), "Mondo");
    EXPECT_EQ(editor.T_Interprete.Text(), "");
    EXPECT_EQ(ft::ShownModally().back(), "F_Albun");
    ExpectNoUntrappedErrors();
}

}  // namespace
