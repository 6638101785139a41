#include "station/ListaConsulta.h"

#include <utility>

ListaConsulta::ListaConsulta(Consulta consulta) : consulta_(std::move(consulta))
{
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
}

void ListaConsulta::Form_Load()
{
    LISTA.DataSource(Data1);
    Data1.DatabaseName = consulta_.Base();
    Data1.RecordSource = consulta_.Sql;
    Data1.Refresh();
}

void ListaConsulta::Form_Resize()
{
    LISTA.FormatString(consulta_.Cabecera);
    for (int columna = 0; columna < static_cast<int>(consulta_.Anchos.size()); ++columna)
        LISTA.ColWidth(columna, consulta_.Anchos[size_t(columna)]);
}

void ListaConsulta::LISTA_DblClick()
{
    if (LISTA.Rows() <= 1)
        return;
    Elegir(LISTA.Row());
}
