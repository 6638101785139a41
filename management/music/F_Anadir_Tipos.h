// F_Añadir_Tipos: adds a name to, or deletes one from, the style, type or
// rhythm list that the catalogue editor chose (Cual), then makes the editor
// refill its three lists.
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/TextBox.h"

class F_Añadir_Tipos : public forms::Form {
public:
    F_Añadir_Tipos();

    // The tail of the SELECT of the list, with its leading blank, e.g.
    // " NOMBRE FROM ESTILOS ORDER BY NOMBRE"; set by the editor each time.
    QString Cual;

    forms::TextBox Text1{*this};
    forms::CommandButton Command1{*this};
    forms::Label L_Eliminar{*this};
    forms::CommandButton Command3{*this};
    forms::CommandButton Command2{*this};

private:
    void Design() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
};
