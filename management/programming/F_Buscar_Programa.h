// F_Buscar_Programa: lists the programs by start time; a double-click fills in
// F_PLaylist with the program's name and start and shows it, to insert the
// program into the open programming. Stays open for further choices.
// Shown modally by the programming editor's "Playlist" and the program
// editor's "Buscar". Its grid LISTA and data control Data1 come from
// ListaConsulta.
#pragma once

#include "station/ListaConsulta.h"

class F_Buscar_Programa : public ListaConsulta {
public:
    F_Buscar_Programa();

protected:
    void Design() override;

private:
    void Elegir(int Fila) override;
};
