#include "programming/F_Renombrar.h"

F_Renombrar::F_Renombrar()
{
    Command2.OnClick = [this] { Command2_Click(); };
}

void F_Renombrar::Design()
{
    Caption("Renombrar");
    Width(4680);
    Height(1440);
    Text1.Move(240, 240, 4200, 315);
    Command1.Caption("Aceptar");
    Command1.Move(1920, 780, 1200, 375);
    Command2.Caption("Salir");
    Command2.Move(3240, 780, 1200, 375);
}

void F_Renombrar::Command2_Click()
{
    Unload();
}
