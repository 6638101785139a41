// F_Buscar_Programacion: lists the stored programmings by name; a
// double-click opens the chosen one in F_Programacion through Buscar.
// Shown modally by the programming editor's "Buscar".
// Its grid LISTA and data control Data1 come from ListaConsulta.
#pragma once

#include "forms/Frame.h"
#include "station/ListaConsulta.h"

class F_Buscar_Programacion : public ListaConsulta {
public:
    F_Buscar_Programacion();

    forms::Frame Frame1{*this};

protected:
    void Design() override;

private:
    void Elegir(int Fila) override;
};
