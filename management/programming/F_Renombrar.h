// F_Renombrar: a rename box with a name field, an "Aceptar" that does nothing
// and a "Salir" that closes it. No form opens it.
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class F_Renombrar : public forms::Form {
public:
    F_Renombrar();

    forms::TextBox Text1{*this};
    forms::CommandButton Command1{*this};
    forms::CommandButton Command2{*this};

    double Numero = 0;

protected:
    void Design() override;

private:
    void Command2_Click();
};
