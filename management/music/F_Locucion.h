// F_Locucion: the timeline window ("Editor de locución"). The song and its
// first presentation file are drawn as two bars one twip wide per second;
// the song bar is shifted with the scroll bar and carries the intro marker,
// the presentation bar is dragged with the mouse, and the song plays with a
// moving cursor. It writes nothing back.
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/ScrollBar.h"
#include "forms/Timer.h"

class F_Locucion : public forms::Form {
public:
    F_Locucion();

    // Set by the catalogue editor before showing the window.
    QString Fichero;
    int Intro = 0;

    forms::Frame Frame3{*this};
    forms::PictureBox Picture1{*this};
    // Cast: a picture box given a picture box would be copied, not placed in it.
    forms::PictureBox L1{static_cast<forms::Container&>(Picture1)};
    forms::PictureBox L2{static_cast<forms::Container&>(Picture1)};
    forms::Frame L_Intro{Picture1};
    forms::Frame L{Picture1};
    forms::Frame Frame2{Picture1};
    forms::ScrollBar H{*this, forms::Orientation::Horizontal};
    forms::Label Label1{*this};
    forms::Frame Frame1{*this};
    forms::CommandButton Command8{Frame1};
    forms::CommandButton Command9{Frame1};
    forms::Timer Timer1{*this};

private:
    void Design() override;
    void Form_Unload() override;

    void H_Change();
    void Command8_Click();
    void Command9_Click();
    void Timer1_Timer();
    void L2_MouseDown();
    void L2_MouseMove(float X);
    void L2_MouseUp();

    void Reproducir(const QString& Ruta);

    int Sonido = 0;
    int Canal = 0;
    bool Arrastrando = false;
};
