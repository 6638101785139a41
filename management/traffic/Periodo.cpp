#include "traffic/Periodo.h"

#include "station/ProgramFolder.h"
#include "traffic/Asignar.h"
#include "traffic/F_Publicidad.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"

Periodo::Periodo()
{
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
}

void Periodo::Design()
{
    Caption("Periodo");
    Width(4440);
    Height(1800);
    Label1.Caption("Del");
    Label1.Move(240, 300, 480, 255);
    T_Inicio.Move(720, 240, 1560, 315);
    Label2.Caption("A");
    Label2.Move(2400, 300, 240, 255);
    T_Final.Move(2700, 240, 1560, 315);
    Command1.Caption("Aceptar");
    Command1.Move(720, 960, 1200, 375);
    Command2.Caption("Salir");
    Command2.Move(2700, 960, 1200, 375);
}

void Periodo::Form_Load()
{
    T_Inicio.Value(QDate::currentDate());
    T_Final.Value(QDate::currentDate());
}

void Periodo::Command1_Click()
{
    const QDate inicio = T_Inicio.Value().date();
    const QDate final = T_Final.Value().date();
    // An empty range replaces nothing: the contract keeps its days.
    if (final < inicio) {
        forms::MsgBox("La fecha final es anterior a la inicial", forms::vbOKOnly);
        return;
    }
    Asignar& asignar = forms::Get<Asignar>();
    const QString contrato = Asignar::Contrato(asignar.L_Contrato.Caption());
    {
        jet::Database dorna = jet::DBEngine().OpenDatabase(DornaPath());
        dorna.Execute("DELETE * FROM DIAS WHERE CONTRATO=" + contrato);
    }
    jet::Recordset& dias = asignar.Data1.Recordset();
    for (QDate dia = inicio; dia <= final; dia = dia.addDays(1)) {
        dias.AddNew();
        dias.Fields("CONTRATO") = contrato;
        dias.Fields("DIA") = dia;
        dias.Update();
    }
    asignar.Data1.RecordSource = "SELECT * FROM DIAS WHERE CONTRATO="
                                 + Asignar::Contrato(forms::Get<F_Publicidad>().T_Orden.Text()) + " ORDER BY DIA";
    asignar.Data1.Refresh();
    asignar.PonerTitulos();
    Unload();
}

void Periodo::Command2_Click()
{
    Unload();
}
