#include "music/ListaNombres.h"

#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

ListaNombres::ListaNombres(const QString& Titulo, const QString& Todos, const QString& Filtro)
    : Titulo_(Titulo), Todos_(Todos), Filtro_(Filtro)
{
    Text1.OnChange = [this] { Text1_Change(); };
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
}

void ListaNombres::Design()
{
    Caption(Titulo_);
    Width(6240);
    Height(6600);
    Frame1.Move(120, 60, 6000, 720);
    Label1.Caption("Buscar");
    Label1.Move(120, 300, 900, 255);
    Text1.Move(1080, 240, 4680, 315);
    LISTA.Move(120, 900, 6000, 5580);
    LISTA.DataSource(Data1);
}

void ListaNombres::Form_Load()
{
    Data1.DatabaseName = ProgramFolder() + "\\musica.mdb";
    Data1.RecordSource = Todos_;
    Data1.Refresh();
    Form_Resize();
}

void ListaNombres::Form_Resize()
{
    LISTA.FormatString("|<Nombre");
    LISTA.ColWidth(0, 1);
    LISTA.ColWidth(1, 5500);
}

void ListaNombres::Text1_Change()
{
    // The typed text is quoted: an apostrophe is looked for, not a broken statement.
    Data1.RecordSource = Filtro_ + SqlTexto(Text1.Text() + "*") + " ORDER BY NOMBRE";
    Data1.Refresh();
    LISTA.FormatString("|<Nombre");
    LISTA.ColWidth(0, 1);
}

void ListaNombres::LISTA_DblClick()
{
    // An empty list has nothing to pick: the box keeps its text, the list stays open.
    const int fila = LISTA.Row();
    if (LISTA.Rows() == 1 || fila < 1)
        return;
    Destino().Text(LISTA.TextMatrix(fila, 1));
    Unload();
}

void ListaNombres::Form_Unload()
{
    Data1.Recordset().Close();
}
