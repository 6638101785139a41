#include "music/F_Locucion.h"

#include "music/TwipsDeSegundos.h"

#include "sound/Sound.h"

// The play and stop pictures live in a static library: registered by hand.
static void CargarImagenes()
{
    Q_INIT_RESOURCE(F_Musica);
}

F_Locucion::F_Locucion()
{
    CargarImagenes();
    H.OnChange = [this] { H_Change(); };
    Command8.OnClick = [this] { Command8_Click(); };
    Command9.OnClick = [this] { Command9_Click(); };
    Timer1.OnTimer = [this] { Timer1_Timer(); };
    L2.OnMouseDown = [this](int, int, float, float) { L2_MouseDown(); };
    L2.OnMouseMove = [this](int, int, float X, float) { L2_MouseMove(X); };
    L2.OnMouseUp = [this](int, int, float, float) { L2_MouseUp(); };
}

void F_Locucion::Design()
{
    Caption("Editor de locución");
    Width(7095);
    Height(4440);
    Frame3.Move(120, 120, 6855, 420);
    Picture1.Move(120, 600, 6855, 2295);
    Picture1.BackColor(Qt::white);
    L1.Move(0, 0, 1200, 2295);
    L1.BackColor(Qt::blue);
    L2.Move(2400, 0, 855, 2295);
    L2.BackColor(QColor(128, 255, 128));
    L_Intro.Move(0, 0, 15, 2295);
    L_Intro.BorderStyle(0);
    L_Intro.BackColor(Qt::red);
    L.Move(0, 0, 15, 2295);
    L.BorderStyle(0);
    L.BackColor(Qt::green);
    Frame2.Move(0, 1080, 6855, 15);
    Frame2.BorderStyle(0);
    Frame2.BackColor(Qt::black);
    H.Move(120, 2955, 6855, 255);
    Label1.Caption("Label1");
    Label1.Move(120, 3270, 1500, 255);
    Frame1.Move(120, 3540, 6855, 780);
    Command8.Move(120, 240, 450, 375);
    Command8.Picture(":/music/play.png");
    Command9.Move(630, 240, 450, 375);
    Command9.Picture(":/music/stop.png");
    Timer1.Interval(5);
    Timer1.Enabled(false);
}

void F_Locucion::H_Change()
{
    L1.Left(H.Value());
    Label1.Caption(QString::number(H.Value()));
    L_Intro.Left(TwipsDeSegundos(double(L1.Left()) + Intro));
}

void F_Locucion::Reproducir(const QString& Ruta)
{
    sound::Stream_Close(Sonido);
    Sonido = sound::Stream_Open(Ruta, 0, 0);
    if (Sonido != 0) {
        Canal = sound::Stream_Play(1, Sonido);
        Timer1.Enabled(true);
    }
}

void F_Locucion::Command8_Click()
{
    Reproducir(Fichero);
    Timer1.Enabled(true);
}

void F_Locucion::Command9_Click()
{
    sound::Stream_Stop(Sonido);
    Timer1.Enabled(false);
}

void F_Locucion::Timer1_Timer()
{
    L.Left(TwipsDeSegundos(L1.Left() + sound::Stream_GetTime(Sonido) / 1000.0));
}

void F_Locucion::L2_MouseDown()
{
    Arrastrando = true;
}

void F_Locucion::L2_MouseMove(float X)
{
    if (Arrastrando)
        L2.Left(TwipsDeSegundos(double(L2.Left()) + X));
}

void F_Locucion::L2_MouseUp()
{
    Arrastrando = false;
}

void F_Locucion::Form_Unload()
{
    sound::Stream_Close(Sonido);
    Sonido = 0;
    Canal = 0;
}
