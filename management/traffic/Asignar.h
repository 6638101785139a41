// Asignar: the broadcast days (table DIAS) of the contract shown in
// F_Publicidad. Closing it makes the contract's last broadcast day its
// PERIODO, the FECHA1 of its placed spots and F_Publicidad's T_Periodo1.
// The opener sets L_Contrato and L_Nombre before showing it modally.
#pragma once

#include "forms/CommandButton.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "jet/DataControl.h"

class Asignar : public forms::Form {
public:
    Asignar();

    // Heading and column widths of LISTA, set again after every reload.
    void PonerTitulos();
    // The contract number a text or caption holds: the absolute value of
    // its number, as SQL text ("12" for "-12"); "0" for a text that is none.
    static QString Contrato(const QString& Texto);

    forms::Label L_Contrato{*this};
    forms::Label L_Nombre{*this};
    forms::MSFlexGrid LISTA{*this};
    jet::DataControl Data1;

    forms::Frame Frame2{*this};
    forms::DTPicker DTPicker1{Frame2};
    forms::CommandButton Command1{Frame2};

    forms::Frame Frame1{*this};
    forms::CommandButton Command3{Frame1};
    forms::CommandButton Command2{Frame1};

private:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;

    void DTPicker1_CloseUp();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    void ActualizarPeriodo();
};
