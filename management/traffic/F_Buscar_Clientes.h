// F_Buscar_Clientes: the advertiser picker, every advertiser listed by name.
// A double-click hands the chosen advertiser to the form that the menu's
// Control_busqueda names (1: F_Clientes's BuscarCliente, 2: the advertiser
// labels of F_Publicidad) and closes the picker.
#pragma once

#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/MSFlexGrid.h"
#include "jet/DataControl.h"

class F_Buscar_Clientes : public forms::Form {
public:
    F_Buscar_Clientes();

    forms::Frame Frame1{*this};
    forms::MSFlexGrid LISTA{Frame1};
    jet::DataControl Data1;

private:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

    void LISTA_DblClick();
};
