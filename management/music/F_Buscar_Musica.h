// F_Buscar_Musica: the song search. Every song is listed with fourteen of its
// columns; the songs narrow to those whose value in the chosen column begins
// with the typed text. A double-click hands the song's code to the receiver
// that Control_busqueda names (1: the catalogue editor's, 2: the programming
// editor's) and closes the search.
//
//   F_Buscar_Musica& busqueda = forms::Get<F_Buscar_Musica>();
//   busqueda.Receptor2 = [this](double codigo) { Musica(codigo); };
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

#include <functional>

class F_Buscar_Musica : public forms::Form {
public:
    F_Buscar_Musica();

    forms::Frame Frame1{*this};
    forms::Label Label1{Frame1};
    forms::ComboBox Combo{Frame1, forms::ComboStyle::DropDownList};
    forms::TextBox Text1{Frame1};
    forms::CommandButton Command1{*this};
    forms::MSFlexGrid LISTA{*this};
    jet::DataControl Data1;

    // Who receives the picked song's code while Control_busqueda is 1, and while it is 2.
    std::function<void(double codigo)> Receptor1;
    std::function<void(double codigo)> Receptor2;

private:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

    void Combo_Click();
    void Text1_Change();
    void LISTA_DblClick();
    void Command1_Click();

    // Headers and widths of the grid's fifteen columns.
    void FormatoLista();
};
