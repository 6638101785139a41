// F_Buscar_Programacion: lists the stored programmings by name; a
// double-click opens the chosen one in F_Programacion through Buscar.
// Shown modally by the programming editor's "Buscar".
#pragma once

#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/MSFlexGrid.h"
#include "jet/DataControl.h"

class F_Buscar_Programacion : public forms::Form {
public:
    F_Buscar_Programacion();

    forms::Frame Frame1{*this};
    forms::MSFlexGrid LISTA{*this};

    jet::DataControl Data1;

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    void LISTA_DblClick();
};
