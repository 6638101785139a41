#include "traffic/Asignar.h"

#include "station/Numeros.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "traffic/F_Publicidad.h"
#include "traffic/Periodo.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"

#include <cmath>

Asignar::Asignar()
{
    DTPicker1.OnCloseUp = [this] { DTPicker1_CloseUp(); };
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
}

QString Asignar::Contrato(const QString& Texto)
{
    return SqlNumero(std::fabs(Numero(Texto).value_or(0)));
}

void Asignar::Design()
{
    Caption("Asignar Días");
    Width(4800);
    Height(5400);
    L_Contrato.Move(240, 120, 1200, 255);
    L_Nombre.Move(1560, 120, 3000, 255);
    LISTA.Move(240, 480, 1800, 4680);
    LISTA.DataSource(Data1);

    Frame2.Caption("Añadir/Eliminar día");
    Frame2.Move(2280, 480, 2280, 1560);
    DTPicker1.Move(120, 360, 2040, 315);
    Command1.Caption("Eliminar");
    Command1.Move(120, 960, 2040, 375);

    Frame1.Move(2280, 2280, 2280, 1560);
    Command3.Caption("Periodo");
    Command3.Move(120, 240, 2040, 375);
    Command2.Caption("Terminar");
    Command2.Move(120, 840, 2040, 375);

    Data1.RecordSource.clear();
}

void Asignar::PonerTitulos()
{
    LISTA.FormatString("|<A|<Días de emisión");
    LISTA.ColWidth(0, 1);
    LISTA.ColWidth(1, 1);
    LISTA.ColWidth(2, 1300);
}

void Asignar::Form_Load()
{
    Data1.DatabaseName = DornaPath();
    Data1.RecordSource =
        "SELECT * FROM DIAS WHERE CONTRATO=" + Contrato(forms::Get<F_Publicidad>().T_Orden.Text()) + " ORDER BY DIA";
    Data1.Refresh();
    PonerTitulos();
    DTPicker1.Value(QDate::currentDate());
}

void Asignar::DTPicker1_CloseUp()
{
    const QDate dia = DTPicker1.Value().date();
    jet::Recordset& dias = Data1.Recordset();
    dias.FindFirst("DIA=" + SqlFecha(dia));
    if (!dias.NoMatch()) {
        forms::MsgBox("El dia yá está asignado", forms::vbOKOnly);
        return;
    }
    dias.AddNew();
    dias.Fields("CONTRATO") = Contrato(L_Contrato.Caption());
    dias.Fields("DIA") = dia.toString("dd/MM/yy");
    dias.Update();
    Data1.Refresh();
    PonerTitulos();
}

void Asignar::Command1_Click()
{
    if (LISTA.Rows() == 1)
        return;
    const jet::Value dia = jet::Value::ParseDateTime(LISTA.TextMatrix(LISTA.Row(), 2));
    if (dia.IsNull())
        return;
    jet::Recordset& dias = Data1.Recordset();
    dias.FindFirst("DIA=" + SqlFecha(dia));
    if (dias.NoMatch())
        return;
    dias.Delete();
    Data1.Refresh();
    PonerTitulos();
}

void Asignar::Command3_Click()
{
    forms::Get<Periodo>().Show(forms::vbModal);
}

void Asignar::Command2_Click()
{
    Unload();
}

void Asignar::Form_Unload()
{
    ActualizarPeriodo();
}

void Asignar::ActualizarPeriodo()
{
    if (Data1.Recordset().AbsolutePosition() == -1)
        return;
    jet::Database dorna = jet::DBEngine().OpenDatabase(DornaPath());
    const QString N = QString::number(static_cast<qint32>(std::nearbyint(Contrato(L_Contrato.Caption()).toDouble())));

    Data1.RecordSource = "SELECT DIA FROM DIAS WHERE CONTRATO=" + N + " ORDER BY DIA";
    Data1.Refresh();
    jet::Recordset& dias = Data1.Recordset();
    dias.MoveLast();
    const jet::Value D = dias.Fields("DIA").Value();

    dorna.Execute("UPDATE PUBLICIDAD SET PERIODO=" + SqlFecha(D) + " WHERE ORDEN=" + N);
    dorna.Execute("UPDATE PUBLICIDAD_CONTENIDO SET FECHA1=" + SqlFecha(D) + " WHERE ORDEN=" + N);
    forms::Get<F_Publicidad>().T_Periodo1.Value(D.toDate());
    dorna.Close();
}
