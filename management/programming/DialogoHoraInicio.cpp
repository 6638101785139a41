#include "programming/DialogoHoraInicio.h"

DialogoHoraInicio::DialogoHoraInicio()
{
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
}

void DialogoHoraInicio::Design()
{
    Width(4200);
    Height(1980);
    L_Nombre.Move(240, 180, 3720, 315);
    Label1.Caption("Hora de inicio");
    Label1.Move(240, 660, 1500, 255);
    T_hora.Move(1800, 600, 1300, 315);
    T_hora.Value(QTime(0, 0, 0));
    Command1.Caption("Aceptar");
    Command1.Move(840, 1260, 1200, 375);
    Command2.Caption("Salir");
    Command2.Move(2160, 1260, 1200, 375);
}

void DialogoHoraInicio::Command2_Click()
{
    Unload();
}
