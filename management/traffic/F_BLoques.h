// F_BLoques: keeps the advertising blocks (table BLOQUES), one per time of
// day, and the spots placed in the block shown (PUBLICIDAD_CONTENIDO rows at
// its time). Shown modally by the menu's "Bloques Publicitarios".
//
//   F_BLoques& f = forms::Get<F_BLoques>();
//   QTime hora(8, 30);
//   f.BuscarBLoques(hora);             // the block search loads a block
//   double orden = 12;
//   f.Insertar(orden);                 // the contract search appends a spot
#pragma once

#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "jet/DataControl.h"

#include <QTime>

class F_BLoques : public forms::Form {
public:
    F_BLoques();

    // Loads the block starting at Buscar; a time without a block changes nothing.
    void BuscarBLoques(QTime& Buscar);
    // Appends the spot of contract Buscar to the block at the time shown;
    // nothing happens when no block or no such contract exists.
    void Insertar(double& Buscar);
    // True when no program starts at HORA.
    bool Buscar_Programa(QTime& HORA);

    // Frames first: what they hold is created after them.
    forms::Frame Frame1{*this};
    forms::Frame Frame_Bloques{*this};
    // As a container: braces around a frame alone would copy it.
    forms::Frame Frame2{static_cast<forms::Container&>(Frame_Bloques)};

    forms::CommandButton B_Añadir{Frame1};
    forms::CommandButton B_Guardar{Frame1};
    forms::CommandButton B_Eliminar{Frame1};
    forms::CommandButton B_Buscar{Frame1};
    forms::CommandButton B_Cancelar{Frame1};
    forms::CommandButton B_Salir{Frame1};

    forms::Label Label6{Frame_Bloques};
    forms::DTPicker T_hora{Frame_Bloques, forms::PickerFormat::Time};
    forms::Label Label13{Frame_Bloques};
    forms::DTPicker T_Duracion{Frame_Bloques, forms::PickerFormat::Time};
    forms::CheckBox C_Prioritario{Frame_Bloques};
    forms::Label Label15{Frame_Bloques};
    forms::Label L_Total{Frame_Bloques};
    forms::CommandButton Command1{Frame2};
    forms::CommandButton Command2{Frame2};
    forms::MSFlexGrid LISTA{Frame_Bloques};

    jet::DataControl Data_Bloques;
    jet::DataControl Data_BLoque_Ver;

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

private:
    void B_Añadir_Click();
    void B_Guardar_Click();
    void GuardarNuevo();
    void GuardarEditado();
    void B_Eliminar_Click();
    void B_Buscar_Click();
    void B_Cancelar_Click();
    void B_Salir_Click();
    void Command1_Click();
    void Command2_Click();
    void LISTA_MouseDown(int Button, int Shift, float X, float Y);
    void LISTA_DragDrop(forms::Control& Source, float X, float Y);

    void TitulosLista();
    void Renumerar(forms::MSFlexGrid& Lista, const QTime& Hora);
    // Shows in LISTA the spots filed under the time in T_hora.
    void CargarLista();
    // The block at the picker's time is the one shown: out of add mode, its
    // spots listed, its time fixed.
    void MostrarBloque();
    // Moves Data_Bloques to the block starting at Hora; false when none does.
    bool EncontrarBloque(const QTime& Hora);

    bool Nuevo_Bloque = false;
    // The time whose spots LISTA shows: in add mode the picker may already
    // hold another time.
    QTime Hora_Lista;
};
