#include "traffic/F_Buscar_Clientes.h"

#include "menu/F_Menu.h"
#include "station/ProgramFolder.h"
#include "traffic/F_Clientes.h"
#include "traffic/F_Publicidad.h"

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
    switch (forms::Get<F_Menu>().Control_busqueda) {
    case 1:
        if (F_Clientes* clientes = ClientesCargado()) {
            double cliente = LISTA.TextMatrix(fila, 1).toDouble();
            clientes->BuscarCliente(cliente);
        }
        break;
    case 2: {
        F_Publicidad& publicidad = forms::Get<F_Publicidad>();
        publicidad.T_Cliente.Caption(LISTA.TextMatrix(fila, 1));
        publicidad.L_Cliente_Nombre.Caption(LISTA.TextMatrix(fila, 2));
        break;
    }
    default:
        break;
    }
    Unload();
}

void F_Buscar_Clientes::Form_Unload()
{
    if (F_Clientes* clientes = ClientesCargado())
        clientes->Enabled(true);
    Data1.Recordset().Close();
}
