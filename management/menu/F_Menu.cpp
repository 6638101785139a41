#include "menu/F_Menu.h"

#include "music/F_Musica.h"
#include "programming/F_Programacion.h"
#include "programming/F_Programas.h"
#include "traffic/F_BLoques.h"
#include "traffic/F_Clientes.h"
#include "traffic/F_Publicidad.h"
#include "traffic/Reajuste_Bloques.h"

namespace {

// The grid of buttons, in twips.
constexpr int margin = 120;
constexpr int pictureSide = 6000;  // 400 pixels
constexpr int gap = 120;
constexpr int buttonWidth = 2100;
constexpr int buttonHeight = (pictureSide - 2 * gap) / 3;  // three rows beside the picture
constexpr int gridLeft = margin + pictureSide + margin;
constexpr int labelHeight = 300;

int Column(int n)
{
    return gridLeft + n * (buttonWidth + gap);
}

int Line(int n)
{
    return margin + n * (buttonHeight + gap);
}

}  // namespace

// The picture lives in a static library: its resources are registered by hand.
static void CargarRecursos()
{
    Q_INIT_RESOURCE(menu);
}

F_Menu::F_Menu()
{
    CargarRecursos();
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
    Command4.OnClick = [this] { Command4_Click(); };
    Command5.OnClick = [this] { Command5_Click(); };
    Command6.OnClick = [this] { Command6_Click(); };
    Command8.OnClick = [this] { Command8_Click(); };
    // Command7, Command9, Command10, Command11 and Command12 have no action.
}

void F_Menu::Design()
{
    Caption("Varnook V 1.1 Beta");
    Width(Column(4) - gap + margin);
    Height(margin + pictureSide + gap + labelHeight + margin);

    Image1.Move(margin, margin, pictureSide, pictureSide);
    Image1.Picture(":/menu/menu.png");
    Label1.Move(margin, margin + pictureSide + gap, Column(4) - gap - margin, labelHeight);
    Label1.Caption("Varnook V 1.1 Beta: gestión de publicidad, programación y música de la emisora");

    struct Place {
        forms::CommandButton& button;
        const char* caption;
        int column;
        int line;
    };
    const Place grid[] = {
        {Command1, "Clientes", 0, 0},   {Command4, "Bloques Publicitarios", 1, 0},
        {Command3, "Publicidad", 2, 0}, {Command10, "Herramientas", 3, 0},
        {Command8, "Música", 0, 1},     {Command12, "Informes", 1, 1},
        {Command7, "Ayuda", 2, 1},      {Command11, "Acerca de..", 3, 1},
        {Command5, "Salir", 3, 2},
    };
    for (const Place& place : grid) {
        place.button.Caption(QString::fromUtf8(place.caption));
        place.button.Move(Column(place.column), Line(place.line), buttonWidth, buttonHeight);
    }

    // Created hidden below the grid; nothing shows them.
    const Place hidden[] = {
        {Command2, "Programas", 0, 3},
        {Command6, "Programacion", 1, 3},
        {Command9, "Programación Música", 2, 3},
    };
    for (const Place& place : hidden) {
        place.button.Caption(QString::fromUtf8(place.caption));
        place.button.Move(Column(place.column), Line(place.line), buttonWidth, buttonHeight);
        place.button.Visible(false);
    }
}

void F_Menu::Form_Load()
{
    Reajuste_Bloques();
}

void F_Menu::Form_Unload()
{
    // A form left loaded and hidden (the advertisers form disabled by the
    // advertiser search) would keep the program running without a window.
    forms::UnloadAll();
}

void F_Menu::Command1_Click()
{
    forms::Get<F_Clientes>().Show(forms::vbModal);
}

void F_Menu::Command2_Click()
{
    forms::Get<F_Programas>().Show(forms::vbModal);
}

void F_Menu::Command3_Click()
{
    forms::Get<F_Publicidad>().Show(forms::vbModal);
}

void F_Menu::Command4_Click()
{
    forms::Get<F_BLoques>().Show(forms::vbModal);
}

void F_Menu::Command5_Click()
{
    Unload();
}

void F_Menu::Command6_Click()
{
    forms::Get<F_Programacion>().Show(forms::vbModal);
}

void F_Menu::Command8_Click()
{
    forms::Get<F_Musica>().Show(forms::vbModal);
}
