#include "traffic/F_Buscar_Clientes.h"

#include "station/Control_busqueda.h"
#include "station/ProgramFolder.h"
#include "traffic/F_Clientes.h"

namespace {

// The advertisers form when it is loaded. The picker never creates it: a
// hidden advertisers form made only to be disabled would keep the program
// running after the menu closes.
F_Clientes* ClientesCargado()
{
    forms::Form* form = forms::detail::FindForm(typeid(F_Clientes));
    return form && form->Loaded() ? static_cast<F_Clientes*>(form) : nullptr;
}

}  // namespace

F_Buscar_Clientes::F_Buscar_Clientes()
{
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
}

void F_Buscar_Clientes::Design()
{
    Caption("Busqueda de Clientes");
    Width(15600);
    Height(6000);
    Frame1.Move(120, 60, 15360, 5820);
    LISTA.Move(120, 240, 15120, 5460);
    LISTA.DataSource(Data1);
    Data1.RecordSource = "CLIENTES";
}

void F_Buscar_Clientes::Form_Load()
{
    if (F_Clientes* clientes = ClientesCargado())
        clientes->Enabled(false);
    Data1.DatabaseName = DornaPath();
    Data1.RecordSource = "SELECT * FROM CLIENTES ORDER BY NOMBRE";
    Data1.Refresh();
    Form_Resize();
}

void F_Buscar_Clientes::Form_Resize()
{
    LISTA.FormatString("|<Código|<Nombre|<Teléfono|<Dirección|<N.I.F|<Población|<Comentario");
    const int anchos[] = {1000, 3000, 1000, 3000, 1000, 3000, 3000};
    for (int columna = 1; columna <= 7; ++columna)
        LISTA.ColWidth(columna, anchos[columna - 1]);
    LISTA.ColWidth(0, 1);
}

void F_Buscar_Clientes::LISTA_DblClick()
{
    const int fila = LISTA.Row();
    if (LISTA.Rows() == 1 || fila < 1)
        return;
    switch (Control_busqueda) {
    case 1:
        if (Receptor1)
            Receptor1(LISTA.TextMatrix(fila, 1).toDouble());
        break;
    case 2:
        if (Receptor2)
            Receptor2(LISTA.TextMatrix(fila, 1), LISTA.TextMatrix(fila, 2));
        break;
    default: break;
    }
    Unload();
}

void F_Buscar_Clientes::Form_Unload()
{
    if (F_Clientes* clientes = ClientesCargado())
        clientes->Enabled(true);
    Data1.Recordset().Close();
}
