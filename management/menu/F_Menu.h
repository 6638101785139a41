// F_Menu: the main menu, the form the program starts at. Loading it runs
// Reajuste_Bloques before it is shown.
//
//   forms::Get<F_Menu>().Control_busqueda = 1;   // before showing a search
//   forms::Get<F_Menu>().Reajuste_Bloques();
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"

#include <cstdint>

class F_Menu : public forms::Form {
public:
    F_Menu();

    // Which form receives the row a search dialog hands back (1 or 2).
    std::int16_t Control_busqueda = 0;

    // Purges the placements of ended contracts, recomputes every block's
    // length and copies it into the programming rows at the block's time,
    // all in one transaction.
    void Reajuste_Bloques();

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
    void Reajustar();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command8_Click();
};
