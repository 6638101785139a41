#include "CatalogoPrueba.h"
#include "music/F_Buscar_Musica.h"
#include "music/F_Musica.h"
#include "station/Control_busqueda.h"

#include "jet/Engine.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

namespace ft = forms::test;

namespace {

class F_Buscar_MusicaTest : public CatalogoPrueba {
protected:
    // Shows the search with Control_busqueda set, and no opener's receiver.
    static void Abrir(std::int16_t control_busqueda, std::function<void(F_Buscar_Musica&)> usuario)
    {
        Control_busqueda = control_busqueda;
        ft::WhenShown<F_Buscar_Musica>(std::move(usuario));
        forms::Get<F_Buscar_Musica>().Show(forms::vbModal);
    }

    // The catalogue editor opens the search, and the user works in it.
    static F_Musica& AbrirDesdeElEditor(std::function<void(F_Buscar_Musica&)> usuario)
    {
        F_Musica& editor = forms::Get<F_Musica>();
        ft::WhenShown<F_Buscar_Musica>(std::move(usuario));
        EXPECT_TRUE(ft::Click(editor.B_Buscar));
        return editor;
    }

    static bool Cargado(std::type_index form)
    {
        forms::Form* found = forms::detail::FindForm(form);
        return found && found->Loaded();
    }
};

TEST_F(F_Buscar_MusicaTest, ListsEverySongByCodeWithItsFourteenColumns)
{
    Cancion(12, {{"TITULO", "'Doce'"},
                 {"INTERPRETE", "'Ana'"},
                 {"ALBUN", "'Uno'"},
                 {"DURACION_VER", "'00:03:05'"},
                 {"AÑO", "1999"},
                 {"ESTILO", "'Pop'"},
                 {"TIPO", "'Lenta'"},
                 {"RITMO", "'Alto'"},
                 {"SLOT", "'S1'"},
                 {"FICHERO", "'/m/doce.mp3'"},
                 {"PRESENTACION1", "'/p/1.wav'"},
                 {"PRESENTACION2", "'/p/2.wav'"},
                 {"INTRO", "7"}});
    Cancion(3);
    QStringList fila, cabeceras, entradas, codigos;
    std::vector<int> anchos;
    int seleccionada = -1;
    Abrir(1, [&](F_Buscar_Musica& buscador) {
        EXPECT_EQ(buscador.Caption(), "Buscar");
        EXPECT_EQ(buscador.Label1.Caption(), "Buscar por");
        EXPECT_EQ(buscador.Command1.Caption(), "Salir");
        for (int i = 0; i < buscador.Combo.ListCount(); ++i)
            entradas << buscador.Combo.List(i);
        seleccionada = buscador.Combo.ListIndex();
        codigos = Columna1(buscador.LISTA);
        for (int columna = 0; columna <= 14; ++columna) {
            cabeceras << buscador.LISTA.TextMatrix(0, columna);
            anchos.push_back(buscador.LISTA.ColWidth(columna));
            fila << buscador.LISTA.TextMatrix(2, columna);
        }
    });
    EXPECT_EQ(entradas, QStringList({"Codigo", "Título", "Interprete", "Albún", "Año", "Estilo", "Tipo", "Ritmo",
                                     "Slot", "Presentacion 1", "Presentacion 2", "Intro"}));
    EXPECT_EQ(seleccionada, 0);
    EXPECT_EQ(codigos, QStringList({"3", "12"}));
    EXPECT_EQ(cabeceras,
              QStringList({"", "Código", "Título", "Interprete", "Albún", "Duración", "Año", "Estilo", "Tipo", "Ritmo",
                           "Slot", "Fichero", "Presentacion 1", "Presentacion 2", "Intro"}));
    EXPECT_EQ(anchos,
              std::vector<int>({1, 800, 4000, 4000, 4000, 800, 800, 800, 800, 800, 800, 4000, 4000, 4000, 800}));
    EXPECT_EQ(fila.mid(1), QStringList({"12", "Doce", "Ana", "Uno", "00:03:05", "1999", "Pop", "Lenta", "Alto", "S1",
                                        "/m/doce.mp3", "/p/1.wav", "/p/2.wav", "7"}));
    ExpectNoUntrappedErrors();
}

TEST_F(F_Buscar_MusicaTest, TypingListsTheSongsWhoseColumnBeginsWithTheTextSortedByIt)
{
    Cancion(1, {{"TITULO", "'ayer'"}, {"AÑO", "1999"}, {"INTRO", "15"}, {"ESTILO", "NULL"}});
    Cancion(10, {{"TITULO", "'Zorro'"}, {"AÑO", "2001"}, {"INTRO", "1"}, {"INTERPRETE", "'O''Hara'"}});
    Cancion(12, {{"TITULO", "'Amor'"}, {"AÑO", "1985"}, {"INTRO", "21"}, {"ESTILO", "'Pop'"}});
    Cancion(100, {{"TITULO", "'Alba'"}, {"AÑO", "2010"}, {"INTRO", "10"}, {"INTERPRETE", "'Oasis'"}});
    Cancion(2, {{"TITULO", "'Bravo'"}, {"AÑO", "1990"}, {"INTRO", "0"}, {"ESTILO", "'Rock'"}});
    struct Caso {
        int entrada;
        const char* tecleado;
        QStringList codigos;
    };
    const Caso casos[] = {
        {0, "1", {"1", "10", "12", "100"}},
        {1, "a", {"100", "12", "1"}},  // Alba, Amor, ayer
        {2, "o'", {"10"}},
        {2, "O", {"10", "100"}},  // O'Hara, Oasis
        {4, "19", {"12", "2", "1"}},  // 1985, 1990, 1999
        {11, "1", {"10", "100", "1"}},  // 1, 10, 15: not 21 nor 0
        {5, "", {"10", "100", "12", "2"}},  // a Null style does not match
        {1, "q", {}},
    };
    Abrir(1, [&](F_Buscar_Musica& buscador) {
        for (const Caso& caso : casos) {
            ASSERT_TRUE(ft::Choose(buscador.Combo, caso.entrada));
            ASSERT_TRUE(ft::Type(buscador.Text1, "-"));  // every case starts from a change
            ASSERT_TRUE(ft::Type(buscador.Text1, QString::fromUtf8(caso.tecleado)));
            EXPECT_EQ(Columna1(buscador.LISTA), caso.codigos) << caso.entrada << " " << caso.tecleado;
            EXPECT_EQ(buscador.LISTA.TextMatrix(0, 2), "Título");
            EXPECT_EQ(buscador.LISTA.ColWidth(0), 1);
        }
    });
    ExpectNoUntrappedErrors();
}

TEST_F(F_Buscar_MusicaTest, ChoosingAnotherColumnEmptiesTheBoxAndListsAgain)
{
    Cancion(1, {{"TITULO", "'Zeta'"}});
    Cancion(2, {{"TITULO", "'Alfa'"}});
    QStringList antes, despues;
    QString texto = "-";
    Abrir(1, [&](F_Buscar_Musica& buscador) {
        ASSERT_TRUE(ft::Type(buscador.Text1, "2"));
        antes = Columna1(buscador.LISTA);
        ASSERT_TRUE(ft::Choose(buscador.Combo, 1));
        texto = buscador.Text1.Text();
        despues = Columna1(buscador.LISTA);
    });
    EXPECT_EQ(antes, QStringList({"2"}));
    EXPECT_EQ(texto, "");
    EXPECT_EQ(despues, QStringList({"2", "1"}));  // every title, sorted by title
    ExpectNoUntrappedErrors();
}

TEST_F(F_Buscar_MusicaTest, APickFromTheCatalogueEditorShowsThatSongThere)
{
    Cancion(5, {{"TITULO", "'Cinco'"}});
    Cancion(6, {{"TITULO", "'Seis'"}});
    F_Musica& editor = forms::Get<F_Musica>();
    bool cerrado = false;
    ft::WhenShown<F_Buscar_Musica>([&](F_Buscar_Musica& buscador) {
        ASSERT_TRUE(ft::DblClick(buscador.LISTA, 2));
        cerrado = !buscador.Loaded();
    });
    ASSERT_TRUE(ft::Click(editor.B_Buscar));
    EXPECT_TRUE(cerrado);
    EXPECT_EQ(ft::ShownModally().back(), "F_Buscar_Musica");
    EXPECT_EQ(editor.T_Codigo.Text(), "6");
    EXPECT_EQ(editor.T_Titulo.Text(), "Seis");
    EXPECT_TRUE(editor.B_Eliminar.Enabled());
    ExpectNoUntrappedErrors();
}

TEST_F(F_Buscar_MusicaTest, APickWithAnyOtherRouteHandsTheSongToNobodyAndCloses)
{
    Cancion(8);
    Abrir(0, [](F_Buscar_Musica& buscador) { ASSERT_TRUE(ft::DblClick(buscador.LISTA, 1)); });
    EXPECT_FALSE(Cargado(typeid(F_Buscar_Musica)));
    EXPECT_FALSE(Cargado(typeid(F_Musica)));

    // Opened by the editor, which gave its receiver, and the value changed
    // before the pick: the editor gets nothing either.
    for (std::int16_t valor : {0, 3, -1}) {
        SCOPED_TRACE(valor);
        F_Musica& editor = AbrirDesdeElEditor([valor](F_Buscar_Musica& buscador) {
            Control_busqueda = valor;
            ASSERT_TRUE(ft::DblClick(buscador.LISTA, 1));
            EXPECT_FALSE(buscador.Loaded());
        });
        EXPECT_EQ(editor.T_Codigo.Text(), "");
        EXPECT_FALSE(editor.B_Eliminar.Enabled());
    }
    ExpectNoUntrappedErrors();
}

TEST_F(F_Buscar_MusicaTest, SalirClosesTheSearchHandingNothingOver)
{
    Cancion(8);
    bool cerrado = false;
    Abrir(1, [&](F_Buscar_Musica& buscador) {
        ASSERT_TRUE(ft::Click(buscador.Command1));
        cerrado = !buscador.Loaded();
    });
    EXPECT_TRUE(cerrado);
    EXPECT_FALSE(Cargado(typeid(F_Musica)));
    ExpectNoUntrappedErrors();
}

TEST_F(F_Buscar_MusicaTest, InALargeCatalogueTheEndKeyReachesTheLastSongAndADoubleClickPicksIt)
{
    // More songs than a list keeps at once.
    constexpr int canciones = 6000;
    jet::Database musica = jet::DBEngine().OpenDatabase(MusicaPath());
    musica.Execute("BEGIN");
    for (int primera = 1; primera <= canciones; primera += 1000) {
        QStringList filas;
        for (int codigo = primera; codigo < primera + 1000; ++codigo)
            filas << QStringLiteral("(%1,'Canción %1')").arg(codigo);
        musica.Execute("INSERT INTO CATALOGO (CODIGO,TITULO) VALUES " + filas.join(','));
    }
    musica.Execute("COMMIT");
    QStringList mostradas;
    AbrirDesdeElEditor([&](F_Buscar_Musica& buscador) {
        auto* vista = static_cast<QTableView*>(buscador.LISTA.Widget());
        QTest::keyClick(vista, Qt::Key_End);
        QApplication::processEvents();  // drawn: the last rows are read
        for (int fila = canciones - 3; fila <= canciones; ++fila)
            mostradas << vista->model()->data(vista->model()->index(fila - 1, 2)).toString();
        const QRect celda = vista->visualRect(vista->model()->index(canciones - 1, 2));
        ASSERT_TRUE(vista->viewport()->rect().contains(celda.center()));
        QTest::mouseDClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, celda.center());
    });
    EXPECT_EQ(mostradas, QStringList({"Canción 5997", "Canción 5998", "Canción 5999", "Canción 6000"}));
    EXPECT_FALSE(Cargado(typeid(F_Buscar_Musica)));
    EXPECT_EQ(forms::Get<F_Musica>().T_Codigo.Text(), "6000");
    EXPECT_EQ(forms::Get<F_Musica>().T_Titulo.Text(), "Canción 6000");
    ExpectNoUntrappedErrors();
}

TEST_F(F_Buscar_MusicaTest, EachShowingListsTheWholeCatalogueByCodeAgain)
{
    Cancion(2, {{"TITULO", "'B'"}});
    Cancion(1, {{"TITULO", "'A'"}});
    Abrir(1, [](F_Buscar_Musica& buscador) {
        ft::Choose(buscador.Combo, 1);
        ft::Type(buscador.Text1, "B");
    });
    QStringList codigos;
    int entrada = -1;
    Abrir(1, [&](F_Buscar_Musica& buscador) {
        codigos = Columna1(buscador.LISTA);
        entrada = buscador.Combo.ListIndex();
    });
    EXPECT_EQ(codigos, QStringList({"1", "2"}));
    EXPECT_EQ(entrada, 0);
    ExpectNoUntrappedErrors();
}

}  // namespace
