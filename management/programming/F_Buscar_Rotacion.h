// F_Buscar_Rotacion: lists the rotation names of CONTINUIDAD.MDB; a
// double-click fills in F_Rotacion with the name and shows it, to insert the
// rotation into the open programming. Stays open for further choices.
// Shown modally by the programming editor's (hidden) "Rotaciones".
#pragma once

#include "forms/Form.h"
#include "forms/MSFlexGrid.h"
#include "jet/DataControl.h"

class F_Buscar_Rotacion : public forms::Form {
public:
    F_Buscar_Rotacion();

    forms::MSFlexGrid LISTA{*this};

    jet::DataControl Data1;

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    void LISTA_DblClick();
};
