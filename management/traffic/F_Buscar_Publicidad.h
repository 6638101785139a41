// F_Buscar_Publicidad: finds a contract by number, spot, campaign or voice and
// hands the double-clicked one to the form the menu's Control_busqueda names
// (1: F_Publicidad's Buscar then Filtrar; 2: F_BLoques' Insertar); it also
// lists the finished contracts and deletes them.
//
//   forms::Get<F_Menu>().Control_busqueda = 2;
//   forms::Get<F_Buscar_Publicidad>().Show(forms::vbModal);
#pragma once

#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "forms/TextBox.h"
#include "jet/DataControl.h"

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
