#include "traffic/F_Buscar_Publicidad.h"

#include "station/Control_busqueda.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"

#include <iterator>

namespace {

// What each entry of Combo searches: the condition before the search text
// and the order after it.
struct Busqueda {
    const char* Entrada;
    const char* Condicion;
    const char* Orden;
};

const Busqueda Busquedas[] = {
    {"Nº Contrato", "WHERE ORDEN LIKE ", " ORDER BY ORDEN"},
    {"Cuña", "WHERE NOMBRE LIKE ", " ORDER BY NOMBRE"},
    {"Campaña", "WHERE CAMPAÑA LIKE ", " ORDER BY CAMPAÑA"},
    {"Locutor", "WHERE VOZ LIKE ", " ORDER BY VOZ"},
};

}  // namespace

F_Buscar_Publicidad::F_Buscar_Publicidad()
{
    Combo.OnClick = [this] { Combo_Click(); };
    Text1.OnChange = [this] { Text1_Change(); };
    Command2.OnClick = [this] { Command2_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
}

void F_Buscar_Publicidad::Design()
{
    Caption("BUSCAR PUBLICIDAD");
    Width(11400);
    Height(6600);

    Frame1.Move(120, 60, 11160, 1080);
    Label1.Caption("Buscar por");
    Label1.Move(240, 300, 1100, 255);
    Combo.Move(1400, 240, 1900, 315);
    Text1.Move(3420, 240, 3000, 315);
    Command2.Caption("Ver Contratos Finalizados");
    Command2.Move(6600, 180, 2700, 375);
    Command3.Caption("Eliminar Finalizados");
    Command3.Move(6600, 600, 2700, 375);
    Command1.Caption("Salir");
    Command1.Move(9600, 180, 1300, 375);

    LISTA.Move(120, 1260, 11160, 5220);
    LISTA.Rows(2);
    LISTA.Cols(8);
    LISTA.DataSource(Data1);
}

void F_Buscar_Publicidad::Form_Load()
{
    const int Anchos[][2] = {{0, 1}, {2, 3000}, {3, 1500}, {4, 2500}, {5, 2500}, {6, 1000}, {7, 1000}};
    for (const auto& Ancho : Anchos)
        LISTA.ColWidth(Ancho[0], Ancho[1]);
    for (const Busqueda& Entrada : Busquedas)
        Combo.AddItem(QString::fromUtf8(Entrada.Entrada));
    // Choosing the entry runs the search, which needs the database named.
    Data1.DatabaseName = DornaPath();
    Combo.ListIndex(0);
    Data1.RecordSource = "SELECT ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ FROM PUBLICIDAD";
    Data1.Refresh();
}

void F_Buscar_Publicidad::Form_Resize()
{
    Titulos();
}

void F_Buscar_Publicidad::Combo_Click()
{
    Text1.Text("");
    Text1_Change();
}

void F_Buscar_Publicidad::Text1_Change()
{
    QString Condicion;
    const int Posicion = Combo.ListIndex();
    if (Posicion >= 0 && Posicion < static_cast<int>(std::size(Busquedas))) {
        const Busqueda& Elegida = Busquedas[Posicion];
        // The search text is quoted: an apostrophe in it is searched, not SQL.
        Condicion =
            QString::fromUtf8(Elegida.Condicion) + SqlTexto(Text1.Text() + "*") + QString::fromUtf8(Elegida.Orden);
    }
    Data1.RecordSource = "SELECT ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ FROM PUBLICIDAD " + Condicion;
    Data1.Refresh();
    Titulos();
}

void F_Buscar_Publicidad::Command2_Click()
{
    Data1.RecordSource = QString("SELECT  ORDEN,NOMBRE,DURACION_MOSTRAR,") + "CAMPAÑA,VOZ FROM PUBLICIDAD"
                         + " WHERE PERIODO < DATE() ORDER BY PERIODO ";
    Data1.Refresh();
    Titulos();
}

void F_Buscar_Publicidad::Command3_Click()
{
    if (forms::MsgBox("¿Desea eliminar los contratos finalizados?", forms::vbYesNo + forms::vbQuestion) != forms::vbYes)
        return;
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    Db.Execute("DELETE * FROM PUBLICIDAD WHERE PERIODO < DATE()");
    Db.Execute("DELETE * FROM DIAS WHERE DIA< DATE()");
    Db.Close();
    Data1.Refresh();
    Titulos();
}

void F_Buscar_Publicidad::Command1_Click()
{
    Unload();
}

void F_Buscar_Publicidad::LISTA_DblClick()
{
    if (LISTA.Rows() <= 1)
        return;
    const QString Contrato = LISTA.TextMatrix(LISTA.Row(), 1);
    if (Control_busqueda == 1 && Receptor1)
        Receptor1(jet::Value(Contrato).toInt(), jet::Value(Contrato).toDouble());
    if (Control_busqueda == 2 && Receptor2)
        Receptor2(jet::Value(Contrato).toInt());
    Unload();
}

void F_Buscar_Publicidad::Titulos()
{
    LISTA.FormatString("|>Nº Contrato|<Cuña|>Duracion|<Campaña|<Locutor");
    LISTA.ColWidth(0, 1);
}
