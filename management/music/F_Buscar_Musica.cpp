#include "music/F_Buscar_Musica.h"

#include "station/Control_busqueda.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

namespace {

const QString Columnas = QStringLiteral(
    "SELECT CODIGO,TITULO,INTERPRETE,ALBUN,DURACION_VER,AÑO,ESTILO,TIPO,RITMO,SLOT,FICHERO,PRESENTACION1,"
    "PRESENTACION2,INTRO");

const QString Cabecera = QStringLiteral(
    "|<Código|<Título|<Interprete|<Albún|>Duración|>Año|<Estilo|<Tipo|<Ritmo|<Slot|<Fichero|<Presentacion 1"
    "|<Presentacion 2|>Intro");

// The entries of Combo in their order, with the pieces of SQL text each one
// filters and sorts by.
struct Busqueda {
    const char* entrada;
    const char* filtro;
    const char* orden;
};
const Busqueda busquedas[] = {
    {"Codigo", "WHERE CODIGO LIKE ", " ORDER BY CODIGO"},
    {"Título", "WHERE TITULO LIKE ", " ORDER BY TITULO"},
    {"Interprete", "WHERE INTERPRETE LIKE ", " ORDER BY INTERPRETE"},
    {"Albún", "WHERE ALBUN LIKE ", " ORDER BY ALBUN"},
    {"Año", "WHERE AÑO LIKE ", " ORDER BY AÑO"},
    {"Estilo", "WHERE ESTILO LIKE ", " ORDER BY ESTILO"},
    {"Tipo", "WHERE TIPO LIKE ", " ORDER BY TIPO"},
    {"Ritmo", "WHERE RITMO LIKE ", " ORDER BY RITMO"},
    {"Slot", "WHERE SLOT LIKE ", " ORDER BY SLOT"},
    {"Presentacion 1", "WHERE PRESENTACION1 LIKE ", " ORDER BY PRESENTACION1"},
    {"Presentacion 2", "WHERE PRESENTACION2 LIKE ", " ORDER BY PRESENTACION2"},
    {"Intro", "WHERE INTRO LIKE ", " ORDER BY INTRO"},
};

}  // namespace

F_Buscar_Musica::F_Buscar_Musica()
{
    Combo.OnClick = [this] { Combo_Click(); };
    Text1.OnChange = [this] { Text1_Change(); };
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
    Command1.OnClick = [this] { Command1_Click(); };
}

void F_Buscar_Musica::Design()
{
    Caption("Buscar");
    Width(15600);
    Height(7200);
    Frame1.Move(120, 60, 13800, 720);
    Label1.Caption("Buscar por");
    Label1.Move(120, 300, 1100, 255);
    Combo.Move(1260, 240, 2400, 315);
    Text1.Move(3780, 240, 9840, 315);
    Command1.Caption("Salir");
    Command1.Move(14100, 240, 1300, 375);
    LISTA.Move(120, 900, 15360, 6180);
    LISTA.DataSource(Data1);
}

void F_Buscar_Musica::Form_Load()
{
    Data1.DatabaseName = ProgramFolder() + "\\musica.mdb";
    Data1.RecordSource = Columnas + " FROM CATALOGO ORDER BY CODIGO";
    Data1.Refresh();
    for (const Busqueda& busqueda : busquedas)
        Combo.AddItem(QString::fromUtf8(busqueda.entrada));
    Combo.ListIndex(0);
    Form_Resize();
}

void F_Buscar_Musica::Form_Resize()
{
    FormatoLista();
}

void F_Buscar_Musica::FormatoLista()
{
    LISTA.FormatString(Cabecera);
    const int anchos[] = {1, 800, 4000, 4000, 4000, 800, 800, 800, 800, 800, 800, 4000, 4000, 4000, 800};
    for (int columna = 0; columna <= 14; ++columna)
        LISTA.ColWidth(columna, anchos[columna]);
}

void F_Buscar_Musica::Combo_Click()
{
    Text1.Text("");
}

void F_Buscar_Musica::Text1_Change()
{
    QString sql = Columnas + " FROM CATALOGO ";
    const int indice = Combo.ListIndex();
    // The typed text is quoted: an apostrophe is looked for, not a broken statement.
    if (indice >= 0)
        sql += QString::fromUtf8(busquedas[indice].filtro) + SqlTexto(Text1.Text() + "*")
               + QString::fromUtf8(busquedas[indice].orden);
    Data1.RecordSource = sql;
    Data1.Refresh();
    LISTA.FormatString(Cabecera);
    LISTA.ColWidth(0, 1);
}

void F_Buscar_Musica::LISTA_DblClick()
{
    const int fila = LISTA.Row();
    if (LISTA.Rows() == 1 || fila < 1)
        return;
    const double codigo = LISTA.TextMatrix(fila, 1).toDouble();
    switch (Control_busqueda) {
    case 1:
        if (Receptor1)
            Receptor1(codigo);
        break;
    case 2:
        if (Receptor2)
            Receptor2(codigo);
        break;
    default: break;
    }
    Unload();
}

void F_Buscar_Musica::Command1_Click()
{
    Unload();
}

void F_Buscar_Musica::Form_Unload()
{
    Data1.Recordset().Close();
}
