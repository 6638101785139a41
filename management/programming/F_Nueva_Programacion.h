// F_Nueva_Programacion: creates a named programming with its weekdays (a row
// of PROGRAMACION_NOMBRE) and makes it the one open in F_Programacion.
// Shown modally by the programming editor's "Crear".
#pragma once

#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/TextBox.h"
#include "jet/DataControl.h"

class F_Nueva_Programacion : public forms::Form {
public:
    F_Nueva_Programacion();

    forms::Label Label1{*this};
    forms::TextBox Text1{*this};
    forms::CheckBox L{*this};
    forms::CheckBox M{*this};
    forms::CheckBox MI{*this};
    forms::CheckBox J{*this};
    forms::CheckBox V{*this};
    forms::CheckBox S{*this};
    forms::CheckBox D{*this};
    forms::CommandButton Command1{*this};
    forms::CommandButton Command2{*this};

    jet::DataControl Data1;

protected:
    void Design() override;
    void Form_Load() override;

private:
    void Command1_Click();
    void Command2_Click();
    // The editor opens the programming just created, with this dialog's days.
    void AbrirEnProgramacion(const QString& Nombre);
};
