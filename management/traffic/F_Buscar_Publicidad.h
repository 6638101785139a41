// F_Buscar_Publicidad: finds a contract by number, spot, campaign or voice and
// hands the double-clicked one to the receiver that Control_busqueda names
// (1: the contracts form's, 2: the blocks form's); it also lists the finished
// contracts and deletes them.
//
//   F_Buscar_Publicidad& busqueda = forms::Get<F_Buscar_Publicidad>();
//   busqueda.Receptor2 = [this](double Numero) { Insertar(Numero); };
//   Control_busqueda = 2;
//   busqueda.Show(forms::vbModal);
#pragma once

#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "forms/TextBox.h"
#include "jet/DataControl.h"

#include <cstdint>
#include <functional>

class F_Buscar_Publicidad : public forms::Form {
public:
    F_Buscar_Publicidad();

    forms::Frame Frame1{*this};
    forms::Label Label1{Frame1};
    forms::ComboBox Combo{Frame1, forms::ComboStyle::DropDownList};
    forms::TextBox Text1{Frame1};
    forms::CommandButton Command2{Frame1};
    forms::CommandButton Command3{Frame1};
    forms::CommandButton Command1{Frame1};
    forms::MSFlexGrid LISTA{*this};

    jet::DataControl Data1;

    // Who receives a picked contract while Control_busqueda is 1: its number
    // as a whole number, then the same cell as a floating-point number.
    std::function<void(std::int32_t Orden, double Numero)> Receptor1;
    // While it is 2: the number read as a whole number, passed as a floating-point one.
    std::function<void(double Numero)> Receptor2;

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    void Combo_Click();
    void Text1_Change();
    void Command2_Click();
    void Command3_Click();
    void Command1_Click();
    void LISTA_DblClick();

    // Heading of the contract columns; the fixed column out of sight.
    void Titulos();
};
