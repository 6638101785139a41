// F_Buscar_Clientes: the advertiser picker, every advertiser listed by name.
// A double-click hands the chosen advertiser to the receiver that
// Control_busqueda names (1: the advertisers form's, 2: the contracts form's)
// and closes the picker. While it is loaded the advertisers form, when loaded,
// is disabled.
//
//   F_Buscar_Clientes& busqueda = forms::Get<F_Buscar_Clientes>();
//   busqueda.Receptor1 = [this](double Cliente) { BuscarCliente(Cliente); };
//   Control_busqueda = 1;
//   busqueda.Show(forms::vbModal);
#pragma once

#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/MSFlexGrid.h"
#include "jet/DataControl.h"

#include <QString>

#include <functional>

class F_Buscar_Clientes : public forms::Form {
public:
    F_Buscar_Clientes();

    forms::Frame Frame1{*this};
    forms::MSFlexGrid LISTA{Frame1};
    jet::DataControl Data1;

    // Who receives a picked advertiser while Control_busqueda is 1: its number.
    std::function<void(double Cliente)> Receptor1;
    // While it is 2: the texts of its number and name.
    std::function<void(const QString& Numero, const QString& Nombre)> Receptor2;

private:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

    void LISTA_DblClick();
};
