#include "CatalogoPrueba.h"
#include "music/F_Musica.h"
#include "station/Control_busqueda.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"

#include <QElapsedTimer>
#include <QThread>

#include <optional>

namespace ft = forms::test;

namespace {

const QStringList columnas = {
    "CODIGO",      "TITULO",     "INTERPRETE", "ALBUN",        "AÑO",    "SLOT",          "TIPO",
    "RITMO",       "ESTILO",     "FICHERO",    "DURACION_VER", "INTRO",  "PRESENTACION1", "PRESENTACION2",
    "radiaciones", "COMENTARIO", "estilo_n",   "ritmo_n",      "tipo_n",
};

class F_MusicaTest : public CatalogoPrueba {
protected:
    // The stored song as text, or nothing when no row has the code.
    static std::optional<Fila> Guardada(int codigo)
    {
        jet::Recordset rs = jet::DBEngine()
                                .OpenDatabase(MusicaPath())
                                .OpenRecordset("SELECT * FROM CATALOGO WHERE CODIGO=" + QString::number(codigo));
        if (rs.EOF())
            return std::nullopt;
        Fila fila;
        for (const QString& columna : columnas)
            fila[columna] = rs.Fields(columna).Value().toString();
        return fila;
    }

    static int Filas(const QString& tabla)
    {
        return jet::DBEngine().OpenDatabase(MusicaPath()).OpenRecordset("SELECT * FROM " + tabla).RecordCount();
    }

    static void ExpectReposo(F_Musica& f)
    {
        EXPECT_FALSE(f.Frame2.Enabled());
        EXPECT_TRUE(f.B_Añadir.Enabled());
        EXPECT_TRUE(f.B_Buscar.Enabled());
        EXPECT_FALSE(f.B_Guardar.Enabled());
        EXPECT_FALSE(f.B_Eliminar.Enabled());
        EXPECT_EQ(f.T_Codigo.Text(), "");
        EXPECT_EQ(f.T_Titulo.Text(), "");
        EXPECT_EQ(f.L_Fichero.Caption(), "-Vacio-");
        EXPECT_EQ(f.L_Duracion.Caption(), "0");
    }
};

TEST_F(F_MusicaTest, OpensIdleWithTheListsFilledAndTheMixEditorHidden)
{
    Nombres("ESTILOS", {"Rock", "Pop"});
    Nombres("TIPO", {"Lenta"});
    Nombres("RITMO", {"Alto", "Bajo"});
    F_Musica& f = forms::Get<F_Musica>();
    EXPECT_EQ(f.Caption(), "Catálogo Musical");
    EXPECT_FALSE(f.Command12.Visible());
    EXPECT_FALSE(f.Frame2.Enabled());
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_FALSE(f.B_Eliminar.Enabled());
    ASSERT_EQ(f.T_Estilo.ListCount(), 2);
    EXPECT_EQ(f.T_Estilo.List(0), "Pop");
    EXPECT_EQ(f.T_Estilo.ListIndex(), 0);
    EXPECT_EQ(f.T_Tipo.ListIndex(), 0);
    EXPECT_EQ(f.T_Ritmo.Text(), "Alto");
    EXPECT_EQ(f.T_Año.Value().date().year(), 2006);
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, ShownModallyTheEditorStaysUntilSalir)
{
    bool visto = false;
    ft::WhenShown<F_Musica>([&visto](F_Musica& f) {
        visto = f.Visible();
        EXPECT_TRUE(ft::Click(f.Command4));
        EXPECT_FALSE(f.Loaded());
    });
    forms::Get<F_Musica>().Show(forms::vbModal);
    EXPECT_TRUE(visto);
    ASSERT_FALSE(ft::ShownModally().empty());
    EXPECT_EQ(ft::ShownModally().back(), "F_Musica");
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, AnEmptyListLeavesTheLaterListsEmptyAndNothingSelected)
{
    Nombres("ESTILOS", {"Rock"});
    Nombres("RITMO", {"Alto"});
    F_Musica& f = forms::Get<F_Musica>();
    EXPECT_EQ(f.T_Estilo.ListCount(), 1);
    EXPECT_EQ(f.T_Estilo.ListIndex(), -1);
    EXPECT_EQ(f.T_Tipo.ListCount(), 0);
    EXPECT_EQ(f.T_Ritmo.ListCount(), 0);
}

TEST_F(F_MusicaTest, ProposesTheLastCodePlusOneOrOneOnAnEmptyCatalogue)
{
    const struct {
        std::vector<int> codigos;
        QString propuesto;
    } casos[] = {{{}, "1"}, {{1, 2, 41}, "42"}, {{7}, "8"}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.propuesto.toStdString());
        Ejecutar("DELETE FROM CATALOGO");
        for (int codigo : caso.codigos)
            Cancion(codigo);
        forms::Get<F_Musica>().Unload();
        F_Musica& f = forms::Get<F_Musica>();
        ASSERT_TRUE(ft::Click(f.B_Añadir));
        EXPECT_EQ(f.T_Codigo.Text(), caso.propuesto);
        EXPECT_TRUE(f.Frame2.Enabled());
        EXPECT_TRUE(f.T_Codigo.Enabled());
        EXPECT_FALSE(f.B_Buscar.Enabled());
        EXPECT_FALSE(f.B_Eliminar.Enabled());
        EXPECT_TRUE(f.B_Guardar.Enabled());
    }
}

TEST_F(F_MusicaTest, NewSongIsSavedWithEveryColumnAndTheFormClears)
{
    Nombres("ESTILOS", {"Pop", "Rock"});
    Nombres("TIPO", {"Lenta", "Rápida"});
    Nombres("RITMO", {"Alto", "Bajo"});
    Nombres("INTERPRETE", {"Ana"});
    Nombres("ALBUN", {"Uno"});
    const QString cancion = Wav("Canción.wav", 2000);
    F_Musica& f = forms::Get<F_Musica>();

    ASSERT_TRUE(ft::Click(f.B_Añadir));
    ft::ChooseFile(cancion);
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(f.T_Titulo.Text(), "Canción");
    EXPECT_EQ(f.L_Duracion.Caption(), "00:00:02");
    ft::ChooseFile("/voces/entrada.wav");
    ASSERT_TRUE(ft::Click(f.Command2));
    ft::Type(f.T_Interprete, "Ana");
    ft::Type(f.T_Albun, "Uno");
    ASSERT_TRUE(ft::CloseUp(f.T_Año, QDate(1999, 5, 1)));
    ft::Type(f.T_Slot, "A1");
    ft::Choose(f.T_Estilo, 1);
    ft::Choose(f.T_Ritmo, 1);
    ft::Type(f.T_Intro, "12");
    ft::Type(f.T_Comentario, "nota");
    ASSERT_TRUE(ft::Click(f.B_Guardar));

    EXPECT_TRUE(Prompts().isEmpty()) << Prompts().join('|').toStdString();
    const Fila esperada = {
        {"CODIGO", "1"},
        {"TITULO", "Canción"},
        {"INTERPRETE", "Ana"},
        {"ALBUN", "Uno"},
        {"AÑO", "1999"},
        {"SLOT", "A1"},
        {"TIPO", "Lenta"},
        {"RITMO", "Bajo"},
        {"ESTILO", "Rock"},
        {"FICHERO", cancion},
        {"DURACION_VER", "00:00:02"},
        {"INTRO", "12"},
        {"PRESENTACION1", "/voces/entrada.wav"},
        {"PRESENTACION2", "-Vacio-"},
        {"radiaciones", "0"},
        {"COMENTARIO", "nota"},
        {"estilo_n", "1"},
        {"ritmo_n", "1"},
        {"tipo_n", "0"},
    };
    EXPECT_EQ(Guardada(1), esperada);
    ExpectReposo(f);
    EXPECT_EQ(f.T_Intro.Text(), "");
    // The year and the lists keep what the user chose.
    EXPECT_EQ(f.T_Año.Value().date().year(), 1999);
    EXPECT_EQ(f.T_Estilo.ListIndex(), 1);
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, SongWithoutFilesOrIntroStoresTheEmptyMarks)
{
    F_Musica& f = forms::Get<F_Musica>();
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    ft::Type(f.T_Titulo, "Sin ficheros");
    ft::Type(f.T_Intro, "");
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    const std::optional<Fila> fila = Guardada(1);
    ASSERT_TRUE(fila);
    EXPECT_EQ(fila->at("FICHERO"), "-Vacio-");
    EXPECT_EQ(fila->at("PRESENTACION1"), "-Vacio-");
    EXPECT_EQ(fila->at("PRESENTACION2"), "-Vacio-");
    EXPECT_EQ(fila->at("DURACION_VER"), "0");
    EXPECT_EQ(fila->at("INTRO"), "0");
    // Empty lists: no position chosen.
    EXPECT_EQ(fila->at("estilo_n"), "-1");
    EXPECT_EQ(fila->at("ESTILO"), "");
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, LoadingShowsTheSongAndSavingRewritesAllButCodeAndAirplays)
{
    Nombres("ESTILOS", {"Pop", "Rock"});
    Nombres("TIPO", {"Lenta"});
    Nombres("RITMO", {"Alto", "Bajo"});
    Cancion(7, {{"TITULO", "'Viejo'"},
                {"AÑO", "1987"},
                {"radiaciones", "5"},
                {"INTRO", "9"},
                {"estilo_n", "1"},
                {"ritmo_n", "1"},
                {"FICHERO", "'/m/v.mp3'"},
                {"DURACION_VER", "'00:03:10'"},
                {"COMENTARIO", "'c'"}});
    F_Musica& f = forms::Get<F_Musica>();

    // The search's choice arrives through Buscar after "Buscar" was pressed.
    ASSERT_TRUE(ft::Click(f.B_Buscar));
    EXPECT_EQ(Control_busqueda, 1);
    double ninguno = 8;
    f.Buscar(ninguno);
    EXPECT_FALSE(f.Frame2.Enabled());

    double codigo = 7;
    f.Buscar(codigo);
    EXPECT_EQ(f.T_Codigo.Text(), "7");
    EXPECT_FALSE(f.T_Codigo.Enabled());
    EXPECT_EQ(f.T_Titulo.Text(), "Viejo");
    EXPECT_EQ(f.T_Año.Value().date().year(), 1987);
    EXPECT_EQ(f.T_Estilo.Text(), "Rock");
    EXPECT_EQ(f.T_Ritmo.Text(), "Bajo");
    EXPECT_EQ(f.L_Fichero.Caption(), "/m/v.mp3");
    EXPECT_EQ(f.L_Duracion.Caption(), "00:03:10");
    EXPECT_EQ(f.T_Intro.Text(), "9");
    EXPECT_EQ(f.L_Radiaciones.Caption(), "5");
    EXPECT_TRUE(f.B_Eliminar.Enabled());
    EXPECT_TRUE(f.B_Guardar.Enabled());

    ft::Type(f.T_Titulo, "Nuevo título");
    ft::Type(f.T_Intro, "");
    ft::Choose(f.T_Estilo, 0);
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    const std::optional<Fila> fila = Guardada(7);
    ASSERT_TRUE(fila);
    EXPECT_EQ(fila->at("TITULO"), "Nuevo título");
    EXPECT_EQ(fila->at("ESTILO"), "Pop");
    EXPECT_EQ(fila->at("estilo_n"), "0");
    EXPECT_EQ(fila->at("INTRO"), "0");
    EXPECT_EQ(fila->at("AÑO"), "1987");
    EXPECT_EQ(fila->at("radiaciones"), "5");
    EXPECT_EQ(Filas("CATALOGO"), 1);
    // The song stays shown, still being edited.
    EXPECT_EQ(f.T_Titulo.Text(), "Nuevo título");
    EXPECT_EQ(f.T_Intro.Text(), "0");
    EXPECT_TRUE(f.B_Eliminar.Enabled());
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, AddingWhileASongIsShownSavesACopyUnderTheNextCode)
{
    Nombres("ESTILOS", {"Pop"});
    Nombres("TIPO", {"Lenta"});
    Nombres("RITMO", {"Alto"});
    Cancion(7, {{"TITULO", "'Viejo'"},
                {"AÑO", "1987"},
                {"radiaciones", "5"},
                {"INTRO", "9"},
                {"FICHERO", "'/m/v.mp3'"},
                {"DURACION_VER", "'00:03:10'"},
                {"ESTILO", "'Pop'"},
                {"TIPO", "'Lenta'"},
                {"RITMO", "'Alto'"}});
    F_Musica& f = forms::Get<F_Musica>();
    double codigo = 7;
    f.Buscar(codigo);

    ASSERT_TRUE(ft::Click(f.B_Añadir));
    EXPECT_EQ(f.T_Codigo.Text(), "8");
    EXPECT_EQ(f.T_Titulo.Text(), "Viejo");
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    std::optional<Fila> copia = Guardada(8);
    ASSERT_TRUE(copia);
    Fila original = *Guardada(7);
    // Only the code and the airplays of a new song differ.
    EXPECT_EQ(copia->at("radiaciones"), "0");
    for (const char* columna : {"CODIGO", "radiaciones"}) {
        copia->erase(columna);
        original.erase(columna);
    }
    EXPECT_EQ(copia, original);
    ExpectReposo(f);

    // The song just saved is the new last row.
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    EXPECT_EQ(f.T_Codigo.Text(), "9");
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, DeletingAsksFirstThenRemovesTheSongAndClearsTheForm)
{
    for (int codigo : {1, 2, 41})
        Cancion(codigo);
    F_Musica& f = forms::Get<F_Musica>();
    double codigo = 2;
    f.Buscar(codigo);

    ft::AnswerMsgBox(forms::vbNo);
    ASSERT_TRUE(ft::Click(f.B_Eliminar));
    EXPECT_TRUE(Guardada(2));
    ASSERT_EQ(ft::Messages().size(), 1u);
    EXPECT_EQ(ft::Messages()[0].Prompt, "Desea eliminar el registro");
    EXPECT_EQ(ft::Messages()[0].Buttons, forms::vbYesNo + forms::vbQuestion);

    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.B_Eliminar));
    EXPECT_FALSE(Guardada(2));
    EXPECT_EQ(Filas("CATALOGO"), 2);
    ExpectReposo(f);

    // The proposal after a deletion still follows the songs that remain.
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    EXPECT_EQ(f.T_Codigo.Text(), "42");
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, RefusedCodeTitleOrIntroSaysWhyAndWritesNothing)
{
    Cancion(5);
    const struct {
        QString codigo, titulo, intro, mensaje;
    } casos[] = {
        {"12a", "T", "0", "El codigo no es correcto"},
        {"", "T", "0", "El codigo no es correcto"},
        {"4.5", "T", "0", "El codigo no es correcto"},
        {"99999999999999999999", "T", "0", "El codigo no es correcto"},
        {"5", "T", "0", "El codigo ya existe"},
        {"-5", "T", "0", "El codigo ya existe"},
        {"6", "", "0", "El título no es correcto"},
        {"6", "T", "1.5", "La intro debe ser un número entero de segundos"},
        {"6", "T", "99999999999999999999", "La intro debe ser un número entero de segundos"},
        {"6", "T", "abc", "La intro debe ser un número entero de segundos"},
        {"6", "T", "-3", "La intro debe ser un número entero de segundos"},
        {"6", "T", "12 s", "La intro debe ser un número entero de segundos"},
    };
    F_Musica& f = forms::Get<F_Musica>();
    size_t vistos = 0;
    for (const auto& caso : casos) {
        SCOPED_TRACE((caso.codigo + "/" + caso.titulo + "/" + caso.intro).toStdString());
        ASSERT_TRUE(ft::Click(f.B_Añadir));
        ft::Type(f.T_Codigo, caso.codigo);
        ft::Type(f.T_Titulo, caso.titulo);
        ft::Type(f.T_Intro, caso.intro);
        ASSERT_TRUE(ft::Click(f.B_Guardar));
        ASSERT_EQ(ft::Messages().size(), vistos + 1);
        EXPECT_EQ(ft::Messages().back().Prompt, caso.mensaje);
        EXPECT_EQ(ft::Messages().back().Buttons, forms::vbInformation);
        vistos = ft::Messages().size();
        EXPECT_EQ(Filas("CATALOGO"), 1);
        // A failed check keeps the new-song state.
        EXPECT_TRUE(f.B_Guardar.Enabled());
    }
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, MissingPerformerOrAlbumIsCreatedOnlyWhenTheUserAgrees)
{
    const QString preguntaInterprete =
        "El interprete Nadie no existe\r\nAsegurese de que el nombre está escrito correctamente\r\n¿Desea Crearlo?";
    const QString preguntaAlbun =
        "El albún Ninguno no existe\r\nAsegurese de que el nombre está escrito correctamente\r\n¿Desea Crearlo?";
    const struct {
        const char* caso;
        std::vector<int> respuestas;
        QStringList preguntas;
        bool guardada;
        int interpretes, albunes;
    } casos[] = {
        {"performer refused", {forms::vbNo}, {preguntaInterprete}, false, 0, 0},
        {"both created", {forms::vbYes, forms::vbYes}, {preguntaInterprete, preguntaAlbun}, true, 1, 1},
        // The performer created first stays although the album stops the saving.
        {"album refused", {forms::vbYes, forms::vbNo}, {preguntaInterprete, preguntaAlbun}, false, 1, 0},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        Ejecutar("DELETE FROM CATALOGO");
        Ejecutar("DELETE FROM INTERPRETE");
        Ejecutar("DELETE FROM ALBUN");
        F_Musica& f = forms::Get<F_Musica>();
        const size_t antes = ft::Messages().size();
        ASSERT_TRUE(ft::Click(f.B_Añadir));
        ft::Type(f.T_Titulo, "T");
        ft::Type(f.T_Interprete, "Nadie");
        ft::Type(f.T_Albun, "Ninguno");
        for (int respuesta : caso.respuestas)
            ft::AnswerMsgBox(respuesta);
        ASSERT_TRUE(ft::Click(f.B_Guardar));
        QStringList preguntas = Prompts().mid(qsizetype(antes));
        EXPECT_EQ(preguntas, caso.preguntas);
        EXPECT_EQ(ft::Messages().back().Buttons, forms::vbYesNo + forms::vbInformation);
        EXPECT_EQ(Guardada(1).has_value(), caso.guardada);
        EXPECT_EQ(Filas("INTERPRETE"), caso.interpretes);
        EXPECT_EQ(Filas("ALBUN"), caso.albunes);
        ft::Click(f.B_Cancelar);
    }
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, EmptyPerformerAndAlbumAreSavedWithoutAnyQuestion)
{
    F_Musica& f = forms::Get<F_Musica>();
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    ft::Type(f.T_Titulo, "   ");
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    EXPECT_TRUE(Prompts().isEmpty());
    ASSERT_TRUE(Guardada(1));
    EXPECT_EQ(Guardada(1)->at("TITULO"), "   ");
    EXPECT_EQ(Filas("INTERPRETE"), 0);
}

TEST_F(F_MusicaTest, NamesWithApostrophesAreStoredAndFoundIntact)
{
    Nombres("ESTILOS", {"Rock'n'Roll"});
    Nombres("TIPO", {"D'autor"});
    Nombres("RITMO", {"Medio"});
    Nombres("ALBUN", {"L'Album"});
    F_Musica& f = forms::Get<F_Musica>();
    for (int codigo : {1, 2}) {
        SCOPED_TRACE(codigo);
        ASSERT_TRUE(ft::Click(f.B_Añadir));
        ft::Type(f.T_Titulo, "Don't Stop");
        ft::Type(f.T_Interprete, "Guns N' Roses");
        ft::Type(f.T_Albun, "L'Album");
        ft::Type(f.T_Comentario, "it's");
        if (codigo == 1)
            ft::AnswerMsgBox(forms::vbYes);
        ASSERT_TRUE(ft::Click(f.B_Guardar));
    }
    // Asked once only: the second song found the performer the first created.
    EXPECT_EQ(ft::Messages().size(), 1u);
    EXPECT_EQ(Filas("INTERPRETE"), 1);
    EXPECT_EQ(Filas("ALBUN"), 1);
    const std::optional<Fila> fila = Guardada(2);
    ASSERT_TRUE(fila);
    EXPECT_EQ(fila->at("TITULO"), "Don't Stop");
    EXPECT_EQ(fila->at("INTERPRETE"), "Guns N' Roses");
    EXPECT_EQ(fila->at("ALBUN"), "L'Album");
    EXPECT_EQ(fila->at("ESTILO"), "Rock'n'Roll");
    EXPECT_EQ(fila->at("TIPO"), "D'autor");

    double codigo = 2;
    f.Buscar(codigo);
    EXPECT_EQ(f.T_Titulo.Text(), "Don't Stop");
    EXPECT_EQ(f.T_Interprete.Text(), "Guns N' Roses");
    EXPECT_EQ(f.T_Albun.Text(), "L'Album");
    EXPECT_EQ(f.T_Estilo.Text(), "Rock'n'Roll");
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    EXPECT_EQ(ft::Messages().size(), 1u);
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, AStoredPositionPastTheEndOfItsListSelectsNothing)
{
    Nombres("ESTILOS", {"A", "B"});
    Nombres("TIPO", {"T"});
    Nombres("RITMO", {"R"});
    // Positions, not names, choose the entries: 1 shows B although A was saved.
    Cancion(
        1,
        {{"ESTILO", "'A'"}, {"estilo_n", "1"}, {"TIPO", "'X'"}, {"tipo_n", "3"}, {"RITMO", "'R'"}, {"ritmo_n", "-1"}});
    Cancion(2, {{"estilo_n", "2"}, {"tipo_n", "0"}, {"ritmo_n", "0"}});
    F_Musica& f = forms::Get<F_Musica>();

    double primera = 1;
    f.Buscar(primera);
    EXPECT_EQ(f.T_Estilo.Text(), "B");
    EXPECT_EQ(f.T_Tipo.ListIndex(), -1);
    EXPECT_EQ(f.T_Tipo.Text(), "");
    EXPECT_EQ(f.T_Ritmo.ListIndex(), -1);

    double segunda = 2;
    f.Buscar(segunda);
    EXPECT_EQ(f.T_Estilo.ListIndex(), -1);
    EXPECT_EQ(f.T_Estilo.Text(), "");
    EXPECT_EQ(f.T_Tipo.Text(), "T");
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, ChoosingFiles)
{
    const QString cancion = Wav("tema.wav", 1500);
    F_Musica& f = forms::Get<F_Musica>();
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    ft::Type(f.T_Titulo, "Mío");

    ft::CancelFileDialog();
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(f.L_Fichero.Caption(), "-Vacio-");
    EXPECT_EQ(f.L_Duracion.Caption(), "0");

    // A filled title is kept; 1.5 s rounds to the even 2.
    ft::ChooseFile(cancion);
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(f.T_Titulo.Text(), "Mío");
    EXPECT_EQ(f.L_Fichero.Caption(), cancion);
    EXPECT_EQ(f.L_Duracion.Caption(), "00:00:02");

    ft::ChooseFile(Path("no-existe.mp3"));
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(Prompts(), QStringList{"Fichero invalido"});
    EXPECT_EQ(f.L_Duracion.Caption(), "");

    ft::ChooseFile(Path("voz2.wav"));
    ASSERT_TRUE(ft::Click(f.Command3));
    EXPECT_EQ(f.L_Presentacion2.Caption(), Path("voz2.wav"));
    ft::CancelFileDialog();
    ASSERT_TRUE(ft::Click(f.Command3));
    EXPECT_EQ(f.L_Presentacion2.Caption(), Path("voz2.wav"));
    ExpectNoUntrappedErrors();
}

// Ticks the preview's timer until the intro box shows texto (the silent
// output plays in real time); false after five seconds.
bool TickHasta(F_Musica& f, const QString& texto)
{
    QElapsedTimer reloj;
    reloj.start();
    while (reloj.elapsed() < 5000) {
        if (!ft::Tick(f.Timer1))
            return false;
        if (f.T_Intro.Text() == texto)
            return true;
        QThread::msleep(20);
    }
    return false;
}

TEST_F(F_MusicaTest, PlayingTimesTheIntroInWholeSecondsUntilStop)
{
    const QString cancion = Wav("tema.wav", 20000);
    F_Musica& f = forms::Get<F_Musica>();
    f.L_Fichero.Caption(cancion);
    f.T_Intro.Text("9");

    // Usable in the idle state: the buttons lie in the button bar.
    ASSERT_TRUE(ft::Click(f.Command8));
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_EQ(f.Timer1.Interval(), 5);
    ASSERT_TRUE(TickHasta(f, "0"));
    // From 1000 to 1999 ms the box shows 1: the fraction is dropped.
    ASSERT_TRUE(TickHasta(f, "1"));
    ASSERT_TRUE(ft::Click(f.Command9));
    EXPECT_FALSE(f.Timer1.Enabled());
    EXPECT_EQ(f.T_Intro.Text(), "1");

    // Playing again starts the song from its beginning.
    ASSERT_TRUE(ft::Click(f.Command8));
    ASSERT_TRUE(ft::Tick(f.Timer1));
    EXPECT_EQ(f.T_Intro.Text(), "0");

    // Clearing the form leaves the song playing, and the timer writes into the emptied box.
    ASSERT_TRUE(ft::Click(f.B_Cancelar));
    EXPECT_EQ(f.T_Intro.Text(), "");
    EXPECT_TRUE(f.Timer1.Enabled());
    ASSERT_TRUE(ft::Tick(f.Timer1));
    EXPECT_EQ(f.T_Intro.Text(), "0");
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, PlayingAFileThatDoesNotOpenPlaysNothingAndStoppingIsHarmless)
{
    const QString cancion = Wav("tema.wav", 20000);
    F_Musica& f = forms::Get<F_Musica>();
    f.T_Intro.Text("9");
    for (const QString& fichero : {QString("-Vacio-"), Path("no-existe.mp3"), QString()}) {
        f.L_Fichero.Caption(fichero);
        ASSERT_TRUE(ft::Click(f.Command8));
        EXPECT_FALSE(f.Timer1.Enabled()) << fichero.toStdString();
        EXPECT_EQ(f.T_Intro.Text(), "9");
    }
    ASSERT_TRUE(ft::Click(f.Command9));
    EXPECT_FALSE(f.Timer1.Enabled());

    // A file that does not open stops the song that played but not the timer.
    f.L_Fichero.Caption(cancion);
    ASSERT_TRUE(ft::Click(f.Command8));
    f.L_Fichero.Caption(Path("no-existe.mp3"));
    ASSERT_TRUE(ft::Click(f.Command8));
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_TRUE(Prompts().isEmpty());
    ASSERT_TRUE(ft::Click(f.Command4));
    EXPECT_FALSE(f.Loaded());
    ExpectNoUntrappedErrors();
}

TEST_F(F_MusicaTest, WithoutASoundDevicePlayingLeavesTheIntroAlone)
{
    const QString cancion = Wav("tema.wav", 20000);
    qputenv("VARNOOK_SOUND_OUTPUT", "none");
    F_Musica& f = forms::Get<F_Musica>();
    qputenv("VARNOOK_SOUND_OUTPUT", "silent");
    ASSERT_EQ(ft::Messages().size(), 1u);  // the engine's start failed at load
    f.L_Fichero.Caption(cancion);
    f.T_Intro.Text("9");
    ASSERT_TRUE(ft::Click(f.Command8));
    EXPECT_FALSE(f.Timer1.Enabled());
    EXPECT_EQ(f.T_Intro.Text(), "9");
    ExpectNoUntrappedErrors();
}

}  // namespace
