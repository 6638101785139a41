#include "programming/F_Nueva_Programacion.h"

#include "programming/F_Programacion.h"
#include "programming/ProgramacionAbierta.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "forms/MsgBox.h"

#include <QWidget>

namespace {

// A day box drawn as a toggle button: raised when unchecked, pressed in when checked.
void ComoBotonDeDia(forms::CheckBox& Dia, const char* Fondo)
{
    Dia.Widget()->setStyleSheet(
        QString("QCheckBox { background: %1; border: 2px outset #a0a0a0; padding-left: 6px; spacing: 0px; }"
                "QCheckBox:checked { border-style: inset; }"
                "QCheckBox::indicator { image: none; border: none; width: 0px; height: 0px; }")
            .arg(Fondo));
}

}  // namespace

F_Nueva_Programacion::F_Nueva_Programacion()
{
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
}

void F_Nueva_Programacion::Design()
{
    Caption("Crear Programacion");
    Width(8400);
    Height(2160);
    Label1.Caption("Nombre");
    Label1.Move(240, 300, 900, 255);
    Text1.Move(1200, 240, 6960, 315);

    struct Dia {
        forms::CheckBox& Caja;
        const char* Texto;
    };
    const Dia Dias[] = {{L, "Lunes"},   {M, "Martes"},  {MI, "Mercoles"}, {J, "Jueves"},
                        {V, "Viernes"}, {S, "Sabados"}, {D, "Domingos"}};
    int Izquierda = 240;
    for (const Dia& Boton : Dias) {
        Boton.Caja.Caption(Boton.Texto);
        Boton.Caja.Move(Izquierda, 780, 1110, 375);
        ComoBotonDeDia(Boton.Caja, &Boton.Caja == &D ? "#ffc0c0" : "#ffffff");
        Izquierda += 1140;
    }

    Command1.Caption("Crear");
    Command1.Move(5760, 1440, 1150, 375);
    Command2.Caption("Salir");
    Command2.Move(7020, 1440, 1150, 375);
}

void F_Nueva_Programacion::Form_Load()
{
    Data1.DatabaseName = DornaPath();
    Data1.RecordSource = "PROGRAMACION_NOMBRE";
    Data1.Refresh();
}

void F_Nueva_Programacion::Command1_Click()
{
    const QString Nombre = Text1.Text();
    if (Nombre.isEmpty()) {
        forms::MsgBox("Debe poner un nombre a la programación", forms::vbOKOnly);
        Text1.SetFocus();
        return;
    }
    jet::Recordset& Programaciones = Data1.Recordset();
    Programaciones.FindFirst("NOMBRE=" + SqlTexto(Nombre));
    if (!Programaciones.NoMatch()) {
        forms::MsgBox("La programación ya existe", forms::vbOKOnly);
        Text1.SetFocus();
        return;
    }
    Programaciones.AddNew();
    Programaciones.Fields("NOMBRE") = Nombre;
    Programaciones.Fields("LUNES") = L.Value();
    Programaciones.Fields("MARTES") = M.Value();
    Programaciones.Fields("MIERCOLES") = MI.Value();
    Programaciones.Fields("JUEVES") = J.Value();
    Programaciones.Fields("VIERNES") = V.Value();
    Programaciones.Fields("SABADO") = S.Value();
    Programaciones.Fields("DOMINGO") = D.Value();
    Programaciones.Update();

    AbrirEnProgramacion(Nombre);
    Unload();
}

void F_Nueva_Programacion::AbrirEnProgramacion(const QString& Nombre)
{
    F_Programacion& Programacion = forms::Get<F_Programacion>();
    Programacion.Programacion_Nombre = Nombre;
    Programacion.Caption("Programacion [" + Nombre + "]");
    Programacion.L.Value(L.Value());
    Programacion.M.Value(M.Value());
    Programacion.MI.Value(MI.Value());
    Programacion.J.Value(J.Value());
    Programacion.V.Value(V.Value());
    Programacion.S.Value(S.Value());
    Programacion.D.Value(D.Value());
    Programacion.Frame2.Enabled(true);
    RecargarProgramacion();
    Programacion.B_Eliminar.Enabled(true);
}

void F_Nueva_Programacion::Command2_Click()
{
    Unload();
}
