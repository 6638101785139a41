#include "programming/F_Programa_Propiedades.h"

#include "programming/F_Programas.h"

#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "forms/MsgBox.h"

#include <QColor>

F_Programa_Propiedades::F_Programa_Propiedades()
{
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
}

void F_Programa_Propiedades::Design()
{
    Caption("Propiedades");
    Width(7200);
    Height(2700);
    Label1.Caption("Nombre");
    Label1.Move(120, 180, 1000, 255);
    T_Nombre.Move(1200, 120, 5700, 315);
    Label2.Caption("Duración");
    Label2.Move(120, 600, 1000, 255);
    L_Duracion.Move(1200, 570, 1500, 285);
    L_Duracion.BackColor(Qt::white);
    L_Duracion.BorderStyle(1);
    Label3.Caption("HDD");
    Label3.Move(120, 1020, 1000, 255);
    L_Hdd.Move(1200, 990, 5700, 285);
    L_Hdd.BackColor(Qt::white);
    L_Hdd.BorderStyle(1);
    Command1.Caption("Aceptar");
    Command1.Move(3960, 1560, 1400, 375);
    Command2.Caption("Salir");
    Command2.Move(5500, 1560, 1400, 375);
}

void F_Programa_Propiedades::Form_Load()
{
    Data1.DatabaseName = DornaPath();
    Data1.RecordSource = "PROGRAMAS_CONTENIDO";
    Data1.Refresh();
}

void F_Programa_Propiedades::Command1_Click()
{
    if (T_Nombre.Text().isEmpty()) {
        forms::MsgBox("Debe poner un nombre", forms::vbInformation);
        T_Nombre.SetFocus();
        return;
    }
    F_Programas& Editor = forms::Get<F_Programas>();
    // The item belongs to the program whose items the editor lists.
    const QTime Hora = Editor.Hora_Lista();
    // The editor may have added items since the dialog was loaded.
    Data1.Refresh();
    jet::Recordset& Items = Data1.Recordset();
    Items.FindFirst("HORA=" + SqlHora(Hora) + " AND NUMERO=" + jet::Value(Numero).toString());
    if (Items.NoMatch())
        return;
    Items.Edit();
    Items.Fields("NOMBRE") = T_Nombre.Text();
    Items.Update();
    Editor.CargarLista(Hora);
    Unload();
}

void F_Programa_Propiedades::Command2_Click()
{
    Unload();
}
