// DialogoHoraInicio: the layout and "Salir" shared by the two dialogs that
// insert one named row, a program or a rotation, into the open programming
// at a start time: the name, the start time picker, "Aceptar" and "Salir".
// Each dialog gives its caption and what "Aceptar" writes.
#pragma once

#include "forms/CommandButton.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Label.h"

class DialogoHoraInicio : public forms::Form {
public:
    forms::Label L_Nombre{*this};
    forms::Label Label1{*this};
    forms::DTPicker T_hora{*this, forms::PickerFormat::Time};
    forms::CommandButton Command1{*this};
    forms::CommandButton Command2{*this};

protected:
    DialogoHoraInicio();
    void Design() override;

    virtual void Command1_Click() = 0;

private:
    void Command2_Click();
};
