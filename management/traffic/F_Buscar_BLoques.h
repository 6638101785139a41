// F_Buscar_BLoques: lists every advertising block by time; a double-click
// loads the block into F_BLoques through BuscarBLoques.
// Its grid LISTA and data control Data1 come from ListaConsulta.
#pragma once

#include "station/ListaConsulta.h"

class F_Buscar_BLoques : public ListaConsulta {
public:
    F_Buscar_BLoques();

protected:
    void Design() override;

private:
    void Elegir(int Fila) override;
};
