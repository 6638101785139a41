// F_Buscar_Rotacion: lists the rotation names of CONTINUIDAD.MDB; a
// double-click fills in F_Rotacion with the name and shows it, to insert the
// rotation into the open programming. Stays open for further choices.
// Shown modally by the programming editor's (hidden) "Rotaciones".
// Its grid LISTA and data control Data1 come from ListaConsulta.
#pragma once

#include "station/ListaConsulta.h"

class F_Buscar_Rotacion : public ListaConsulta {
public:
    F_Buscar_Rotacion();

protected:
    void Design() override;

private:
    void Elegir(int Fila) override;
};
