// F_Buscar_BLoques: lists every advertising block by time; a double-click
// loads the block into F_BLoques through BuscarBLoques.
#pragma once

#include "forms/Form.h"
#include "forms/MSFlexGrid.h"
#include "jet/DataControl.h"

class F_Buscar_BLoques : public forms::Form {
public:
    F_Buscar_BLoques();

    forms::MSFlexGrid LISTA{*this};

    jet::DataControl Data1;

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    void LISTA_DblClick();
};
