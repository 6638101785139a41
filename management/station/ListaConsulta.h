// ListaConsulta: what the single-grid pickers share. The rows of one
// statement fill the grid LISTA bound to Data1, every resize puts back the
// header and the column widths, and a double-click on a row hands it to the
// form's Elegir; on an empty list it does nothing. Each picker keeps its own
// Design() and says what it lists in its constructor:
//
//   F_Buscar_Rotacion::F_Buscar_Rotacion()
//       : ListaConsulta({.Base = ContinuidadPath,
//                        .Sql = "SELECT NOMBRE FROM NOMBRE ORDER BY NOMBRE",
//                        .Cabecera = "|<Nombre",
//                        .Anchos = {1, 3700}})
//
// In station/: programming and traffic both build on it, and it needs the forms runtime alone.
#pragma once

#include "forms/Form.h"
#include "forms/MSFlexGrid.h"
#include "jet/DataControl.h"

#include <QString>

#include <vector>

class ListaConsulta : public forms::Form {
public:
    forms::MSFlexGrid LISTA{*this};
    jet::DataControl Data1;

protected:
    struct Consulta {
        // Asked when the form loads: the program's folder can change between loads.
        QString (*Base)();
        QString Sql;
        QString Cabecera;
        // In twips, from column 0.
        std::vector<int> Anchos;
    };

    explicit ListaConsulta(Consulta consulta);

    // Fila is a row of the list, never the title row.
    virtual void Elegir(int Fila) = 0;

private:
    void Form_Load() override;
    void Form_Resize() override;

    void LISTA_DblClick();

    Consulta consulta_;
};
