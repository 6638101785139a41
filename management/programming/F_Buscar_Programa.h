// F_Buscar_Programa: lists the programs by start time; a double-click fills in
// F_PLaylist with the program's name and start and shows it, to insert the
// program into the open programming. Stays open for further choices.
// Shown modally by the programming editor's "Playlist" and the program
// editor's "Buscar".
#pragma once

#include "forms/Form.h"
#include "forms/MSFlexGrid.h"
#include "jet/DataControl.h"

class F_Buscar_Programa : public forms::Form {
public:
    F_Buscar_Programa();

    forms::MSFlexGrid LISTA{*this};

    jet::DataControl Data1;

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    void LISTA_DblClick();
};
