#include "CatalogoPrueba.h"
#include "music/F_Locucion.h"
#include "music/F_Musica.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace ft = forms::test;

namespace {

class F_LocucionTest : public CatalogoPrueba {
protected:
    // The editor with a song being created, its song, first presentation
    // file and intro set, and "Editor Mix" (created hidden) made reachable.
    F_Musica& Editor(const QString& cancion, const QString& presentacion, const QString& intro)
    {
        F_Musica& editor = forms::Get<F_Musica>();
        EXPECT_TRUE(ft::Click(editor.B_Añadir));
        editor.L_Fichero.Caption(cancion);
        editor.L_Presentacion1.Caption(presentacion);
        editor.T_Intro.Text(intro);
        editor.Command12.Visible(true);
        return editor;
    }

    // A mouse event on the presentation bar, x in pixels (15 twips each).
    static void Raton(F_Locucion& ventana, QEvent::Type tipo, int x, Qt::MouseButtons botones)
    {
        const QPointF punto(x, 5);
        const Qt::MouseButton boton = tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent evento(tipo, punto, ventana.L2.Widget()->mapToGlobal(punto), boton, botones, Qt::NoModifier);
        QApplication::sendEvent(ventana.L2.Widget(), &evento);
    }
};

TEST_F(F_LocucionTest, DrawsTheSongAndPresentationBarsWithTheIntroMarker)
{
    const QString cancion = Wav("tema.wav", 185600), voz = Wav("voz.wav", 30000);
    F_Musica& editor = Editor(cancion, voz, "15");
    ft::WhenShown<F_Locucion>([&](F_Locucion& ventana) {
        EXPECT_EQ(ventana.Caption(), "Editor de locución");
        // 185.6 s: 186 twips, which a control shows on whole pixels of 15 twips.
        EXPECT_EQ(ventana.L1.Width(), 180);
        EXPECT_EQ(ventana.L2.Width(), 30);
        EXPECT_EQ(ventana.H.Min(), -186);
        EXPECT_EQ(ventana.H.Max(), 186);
        EXPECT_EQ(ventana.H.Value(), 0);
        EXPECT_EQ(ventana.Intro, 15);
        EXPECT_EQ(ventana.Fichero, cancion);
        // Setting the value 0 on a fresh window changed nothing.
        EXPECT_EQ(ventana.Label1.Caption(), "Label1");
        EXPECT_EQ(ventana.L1.Left(), 0);
        EXPECT_EQ(ventana.L_Intro.Left(), 15);
        EXPECT_EQ(ventana.L2.Left(), 2400);
        EXPECT_FALSE(ventana.Timer1.Enabled());

        ASSERT_TRUE(ft::Scroll(ventana.H, -30));
        EXPECT_EQ(ventana.L1.Left(), -30);
        EXPECT_EQ(ventana.L_Intro.Left(), -15);
        EXPECT_EQ(ventana.Label1.Caption(), "-30");
        EXPECT_EQ(ventana.L2.Left(), 2400);
    });
    ASSERT_TRUE(ft::Click(editor.Command12));
    EXPECT_EQ(ft::ShownModally().back(), "F_Locucion");
    // The window writes nothing back.
    EXPECT_EQ(editor.T_Intro.Text(), "15");
    EXPECT_EQ(editor.L_Fichero.Caption(), cancion);
    EXPECT_EQ(editor.L_Presentacion1.Caption(), voz);

    // Each showing starts again from the design values.
    ft::WhenShown<F_Locucion>([](F_Locucion& ventana) {
        EXPECT_EQ(ventana.L1.Left(), 0);
        EXPECT_EQ(ventana.Label1.Caption(), "Label1");
    });
    ASSERT_TRUE(ft::Click(editor.Command12));
    ExpectNoUntrappedErrors();
}

TEST_F(F_LocucionTest, TheIntroIsTheNumberAtTheStartOfTheBoxRoundedHalvesToEven)
{
    struct Caso {
        const char* texto;
        int intro;
    };
    const Caso casos[] = {
        {"30", 30},   {"12.5", 12}, {"13.5", 14},
        {"12.6", 13}, {"7 s", 7},   {"abc", 0},
        {"", 0},      {"-5", 0},    {"99999999999", 2147483647},
    };
    F_Musica& editor = Editor("-Vacio-", "-Vacio-", "");
    for (const Caso& caso : casos) {
        editor.T_Intro.Text(caso.texto);
        int intro = -1;
        ft::WhenShown<F_Locucion>([&](F_Locucion& ventana) { intro = ventana.Intro; });
        ASSERT_TRUE(ft::Click(editor.Command12));
        EXPECT_EQ(intro, caso.intro) << caso.texto;
    }
    ExpectNoUntrappedErrors();
}

TEST_F(F_LocucionTest, FilesThatDoNotOpenGiveEmptyBarsAndPlayNothing)
{
    F_Musica& editor = Editor("-Vacio-", Path("no-existe.wav"), "0");
    ft::WhenShown<F_Locucion>([](F_Locucion& ventana) {
        EXPECT_EQ(ventana.L1.Width(), 0);
        EXPECT_EQ(ventana.L2.Width(), 0);
        EXPECT_EQ(ventana.H.Min(), 0);
        EXPECT_EQ(ventana.H.Max(), 0);
        // The timer runs even so; the cursor stays on the song bar's edge.
        ASSERT_TRUE(ft::Click(ventana.Command8));
        EXPECT_TRUE(ventana.Timer1.Enabled());
        ASSERT_TRUE(ft::Tick(ventana.Timer1));
        EXPECT_EQ(ventana.L.Left(), 0);
        ASSERT_TRUE(ft::Click(ventana.Command9));
        EXPECT_FALSE(ventana.Timer1.Enabled());
    });
    ASSERT_TRUE(ft::Click(editor.Command12));
    EXPECT_TRUE(ft::Messages().empty());
    ExpectNoUntrappedErrors();
}

TEST_F(F_LocucionTest, PlayingStartsTheCursorAtTheSongBarsEdgeAndStopEndsIt)
{
    const QString cancion = Wav("tema.wav", 20000);
    F_Musica& editor = Editor(cancion, "-Vacio-", "0");
    ft::WhenShown<F_Locucion>([](F_Locucion& ventana) {
        ASSERT_TRUE(ft::Scroll(ventana.H, -30));
        ASSERT_TRUE(ft::Click(ventana.Command8));
        EXPECT_TRUE(ventana.Timer1.Enabled());
        ASSERT_TRUE(ft::Tick(ventana.Timer1));
        // Within the first second the cursor stands on the song bar's edge, on whole pixels.
        EXPECT_GE(ventana.L.Left(), -30);
        EXPECT_LE(ventana.L.Left(), -15);
        ASSERT_TRUE(ft::Click(ventana.Command9));
        EXPECT_FALSE(ventana.Timer1.Enabled());
    });
    ASSERT_TRUE(ft::Click(editor.Command12));
    ExpectNoUntrappedErrors();
}

TEST_F(F_LocucionTest, DraggingMovesThePresentationBarsLeftEdgeToThePointer)
{
    F_Musica& editor = Editor("-Vacio-", "-Vacio-", "0");
    std::vector<int> lefts;
    ft::WhenShown<F_Locucion>([&](F_Locucion& ventana) {
        ventana.L2.Width(900);
        Raton(ventana, QEvent::MouseMove, 10, Qt::NoButton);  // not dragging yet
        lefts.push_back(ventana.L2.Left());
        Raton(ventana, QEvent::MouseButtonPress, 4, Qt::LeftButton);
        Raton(ventana, QEvent::MouseMove, 20, Qt::LeftButton);  // 300 twips into the bar
        lefts.push_back(ventana.L2.Left());
        Raton(ventana, QEvent::MouseMove, 10, Qt::LeftButton);
        lefts.push_back(ventana.L2.Left());
        Raton(ventana, QEvent::MouseButtonRelease, 10, Qt::NoButton);
        Raton(ventana, QEvent::MouseMove, 30, Qt::NoButton);
        lefts.push_back(ventana.L2.Left());
        EXPECT_EQ(ventana.L1.Left(), 0);
    });
    ASSERT_TRUE(ft::Click(editor.Command12));
    EXPECT_EQ(lefts, std::vector<int>({2400, 2700, 2850, 2850}));
    ExpectNoUntrappedErrors();
}

}  // namespace
