// F_Programa_Propiedades: renames one item of the program shown in F_Programas.
// The editor sets Numero and the three display controls, then shows it modally.
//
//   F_Programa_Propiedades& d = forms::Get<F_Programa_Propiedades>();
//   d.Numero = 3;
//   d.T_Nombre.Text("Sintonía");
//   d.Show(forms::vbModal);
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/TextBox.h"
#include "jet/DataControl.h"

class F_Programa_Propiedades : public forms::Form {
public:
    F_Programa_Propiedades();

    // Position of the item to rename.
    double Numero = 0;

    forms::Label Label1{*this};
    forms::TextBox T_Nombre{*this};
    forms::Label Label2{*this};
    forms::Label L_Duracion{*this};
    forms::Label Label3{*this};
    forms::Label L_Hdd{*this};
    forms::CommandButton Command1{*this};
    forms::CommandButton Command2{*this};
    jet::DataControl Data1;

protected:
    void Design() override;
    void Form_Load() override;

private:
    void Command1_Click();
    void Command2_Click();
};
