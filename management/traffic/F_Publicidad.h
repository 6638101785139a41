// F_Publicidad: the contracts form. Upper half: one contract (advertiser,
// campaign, spot file, voice, comment, period dates) with its button bar;
// lower half: the blocks, the blocks holding the contract and the spots of
// one block, where the contract's spot is placed, taken out and reordered.
//
//   F_Publicidad& f = forms::Get<F_Publicidad>();
//   std::int32_t orden = 12;
//   f.Buscar(orden);                   // the contract search hands a contract over
//   double o = orden;
//   f.Filtrar(o);
#pragma once

#include "forms/CommandButton.h"
#include "forms/CommonDialog.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "forms/TextBox.h"
#include "jet/DataControl.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

class F_Publicidad : public forms::Form {
public:
    F_Publicidad();

    // Loads contract Orden into the form; a number no contract has leaves the
    // form idle and shows nothing.
    void Buscar(std::int32_t& Orden);
    // Lists in lista2 the blocks holding contract |Orden|.
    void Filtrar(double& Orden);
    // L_Pases = number of placements listed in lista2.
    void Pases();
    // Length text of an audio file; keeps its whole seconds in Segundos_Fichero.
    QString Duracion(const QString& Fichero);

    // Frames first: what they hold is created after them.
    forms::Frame Frame1{*this};
    forms::Frame Frame_Publicidad{*this};

    forms::Label Label1{Frame_Publicidad};
    forms::TextBox T_Orden{Frame_Publicidad};
    forms::Label Label2{Frame_Publicidad};
    forms::Label T_Cliente{Frame_Publicidad};
    forms::Label Label3{Frame_Publicidad};
    forms::Label L_Cliente_Nombre{Frame_Publicidad};
    forms::CommandButton Command1{Frame_Publicidad};
    forms::Label Label4{Frame_Publicidad};
    forms::TextBox T_Campaña{Frame_Publicidad};
    forms::DTPicker T_Periodo1{Frame_Publicidad};
    forms::DTPicker T_Periodo2{Frame_Publicidad};
    forms::CommandButton Command3{Frame_Publicidad};
    forms::Label Label5{Frame_Publicidad};
    forms::Label L_Cuña{Frame_Publicidad};
    forms::CommandButton Command5{Frame_Publicidad};
    forms::Label Label7{Frame_Publicidad};
    forms::Label L_Duracion{Frame_Publicidad};
    forms::Label Label8{Frame_Publicidad};
    forms::TextBox T_Voz{Frame_Publicidad};
    forms::Label Label11{Frame_Publicidad};
    forms::TextBox T_Comentario{Frame_Publicidad, forms::Lines::Multi};
    forms::Label Label12{Frame_Publicidad};
    forms::Label L_Emitidas{Frame_Publicidad};
    forms::Label Label6{Frame_Publicidad};
    forms::Label L_Pases{Frame_Publicidad};

    forms::Label Label9{Frame_Publicidad};
    forms::MSFlexGrid Lista1{Frame_Publicidad};
    forms::CommandButton Poner_p{Frame_Publicidad};
    forms::CommandButton Quitar_P{Frame_Publicidad};
    forms::Label Label10{Frame_Publicidad};
    forms::MSFlexGrid lista2{Frame_Publicidad};
    forms::Label Label16{Frame_Publicidad};
    forms::MSFlexGrid lista3{Frame_Publicidad};

    forms::CommandButton B_Añadir_p{Frame1};
    forms::CommandButton B_Eliminar_P{Frame1};
    forms::CommandButton B_Guardar_p{Frame1};
    forms::CommandButton B_Buscar_P{Frame1};
    forms::CommandButton B_Cancelar_P{Frame1};
    forms::CommandButton Command2{Frame1};
    forms::Label L_Caducada{Frame1};

    forms::CommonDialog CommonDialog{*this};

    jet::DataControl Data_Publicidad;
    jet::DataControl Data_Publicidad_Contenido;
    jet::DataControl Data_Clientes;
    jet::DataControl D_Lista1;
    jet::DataControl D_Lista2;
    jet::DataControl D_Lista3;

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

private:
    // Record half.
    // Empties the contract's fields; the comment is kept for the next one.
    void LimpiarContrato();
    void B_Añadir_p_Click();
    void B_Guardar_p_Click();
    void GuardarNuevo();
    // The columns a new and an edited contract both take from the form.
    void EscribirContrato(jet::Recordset& contratos, long long Orden);
    void GuardarEditado();
    void AjustarBloques(const QString& N, double Segundos);
    void B_Eliminar_P_Click();
    void B_Cancelar_P_Click();
    void B_Buscar_P_Click();
    void Command1_Click();
    void Command5_Click();
    void Command3_Click();
    void Command2_Click();

    // Placement half.
    void Poner_p_Click();
    void Quitar_P_Click();
    void Lista1_DblClick();
    void lista2_Click();
    void lista2_DblClick();
    void lista3_MouseDown(int Button, int Shift, float X, float Y);
    void lista3_DragDrop(forms::Control& Source, float X, float Y);
    void T_Periodo2_CloseUp();
    void TitulosListas();
    void Renumerar(forms::MSFlexGrid& Lista, const QTime& Bloque);
    void RecalcularBloques();

    // The contract number of T_Orden as a whole number; none for a text that
    // is no number.
    std::optional<long long> NumeroContrato() const;
    // Finds contract Orden in Data_Publicidad's recordset.
    bool EncontrarContrato(long long Orden);

    QString Fichero_Cuña;
    bool Nuevo_Contrato = false;
    double Segundos_Fichero = 0;
    QTime Bloque_Elegido;
    int Fila = 0;
};
