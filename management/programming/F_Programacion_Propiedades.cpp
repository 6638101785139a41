#include "programming/F_Programacion_Propiedades.h"

#include "programming/F_Programacion.h"
#include "station/Audio.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "forms/MsgBox.h"

F_Programacion_Propiedades::F_Programacion_Propiedades()
{
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
}

void F_Programacion_Propiedades::Design()
{
    Caption("Propiedades");
    Width(5400);
    Height(2400);
    L_Nombre.Move(120, 120, 5160, 315);
    Label1.Caption("Inicio");
    Label1.Move(120, 600, 900, 255);
    T_Inicio.Move(1080, 540, 1300, 315);
    Label4.Caption("Duración");
    Label4.Move(2640, 600, 1000, 255);
    L_Duracion.Move(3720, 600, 1200, 255);
    Label2.Caption("Fin");
    Label2.Move(2640, 1000, 1000, 255);
    L_Fin.Move(3720, 1000, 1200, 255);
    Command1.Caption("Aceptar");
    Command1.Move(2400, 1680, 1300, 375);
    Command2.Caption("Salir");
    Command2.Move(3840, 1680, 1300, 375);
}

void F_Programacion_Propiedades::Form_Load()
{
    Data1.DatabaseName = DornaPath();
    Data1.RecordSource = "SELECT * FROM PROGRAMACION WHERE PROGRAMACION = "
                         + SqlTexto(forms::Get<F_Programacion>().Programacion_Nombre) + " ORDER BY HORA";
    Data1.Refresh();
}

void F_Programacion_Propiedades::Command1_Click()
{
    F_Programacion& Editor = forms::Get<F_Programacion>();
    const QTime Inicio = T_Inicio.Value().time();
    jet::Recordset& Filas = Data1.Recordset();
    Filas.FindFirst("HORA=" + SqlHora(Inicio));
    if (!Filas.NoMatch()) {
        forms::MsgBox("La hora de inicio ya existe", forms::vbOKOnly);
        T_Inicio.SetFocus();
        return;
    }
    Filas.FindFirst("HORA=" + SqlHora(Inicio_Anterior));
    // The row is gone (deleted meanwhile): nothing to move.
    if (!Filas.NoMatch()) {
        Filas.Edit();
        Filas.Fields("PROGRAMACION") = Editor.Programacion_Nombre;
        Filas.Fields("HORA") = Inicio.toString("hh:mm:ss");
        const double Segundos = Duracion2(Filas.Fields("FICHERO").Value().toString(), true);
        Filas.Fields("FIN") = Inicio.addSecs(static_cast<int>(Segundos)).toString("hh:mm:ss");
        Filas.Update();
    }
    Editor.Data_Programacion.RecordSource =
        "SELECT HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO FROM PROGRAMACION WHERE PROGRAMACION = "
        + SqlTexto(Editor.Programacion_Nombre) + " ORDER BY HORA";
    Editor.Data_Programacion.Refresh();
    Editor.PonerTitulos();
    Unload();
}

void F_Programacion_Propiedades::Command2_Click()
{
    Unload();
}
