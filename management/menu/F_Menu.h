// F_Menu: the main menu, the form the program starts at. Loading it runs
// Reajuste_Bloques before it is shown; its buttons open the managing forms of
// the three subsystems, which depend on nothing here.
//
//   forms::Get<F_Menu>().Show();
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"

class F_Menu : public forms::Form {
public:
    F_Menu();

    forms::PictureBox Image1{*this};
    forms::Label Label1{*this};
    forms::CommandButton Command1{*this};
    forms::CommandButton Command4{*this};
    forms::CommandButton Command3{*this};
    forms::CommandButton Command10{*this};
    forms::CommandButton Command8{*this};
    forms::CommandButton Command12{*this};
    forms::CommandButton Command7{*this};
    forms::CommandButton Command11{*this};
    forms::CommandButton Command5{*this};
    forms::CommandButton Command2{*this};
    forms::CommandButton Command6{*this};
    forms::CommandButton Command9{*this};

private:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command8_Click();
};
