// Periodo: replaces every broadcast day of Asignar's contract by each day
// from T_Inicio to T_Final, both included. Shown modally by Asignar.
#pragma once

#include "forms/CommandButton.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Label.h"

class Periodo : public forms::Form {
public:
    Periodo();

    forms::Label Label1{*this};
    forms::DTPicker T_Inicio{*this};
    forms::Label Label2{*this};
    forms::DTPicker T_Final{*this};
    forms::CommandButton Command1{*this};
    forms::CommandButton Command2{*this};

private:
    void Design() override;
    void Form_Load() override;

    void Command1_Click();
    void Command2_Click();
};
