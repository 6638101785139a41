// F_Programacion_Propiedades: gives one row of the open programming a new
// start time. F_Programacion fills it from its grid's current row and shows it.
//
//   F_Programacion_Propiedades& p = forms::Get<F_Programacion_Propiedades>();
//   p.L_Nombre.Caption("Canción");
//   p.T_Inicio.Value(QTime(10, 0));
//   p.Inicio_Anterior = QTime(10, 0);
//   p.Show(forms::vbModal);
#pragma once

#include "forms/CommandButton.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "jet/DataControl.h"

#include <QTime>

class F_Programacion_Propiedades : public forms::Form {
public:
    F_Programacion_Propiedades();

    // Start of the row before the move.
    QTime Inicio_Anterior;

    forms::Label Label1{*this};
    forms::DTPicker T_Inicio{*this, forms::PickerFormat::Time};
    forms::Label L_Nombre{*this};
    forms::Label Label4{*this};
    forms::Label L_Duracion{*this};
    forms::Label Label2{*this};
    forms::Label L_Fin{*this};
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
