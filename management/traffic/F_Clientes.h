// F_Clientes: keeps the advertisers (table CLIENTES). Shown modally by the
// menu's "Clientes"; finds an advertiser through F_Buscar_Clientes, which
// hands the chosen number back to BuscarCliente.
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/TextBox.h"
#include "jet/DataControl.h"

#include <optional>

class F_Clientes : public forms::Form {
public:
    F_Clientes();

    // Loads advertiser Cliente into the boxes; a number no advertiser has
    // leaves the form idle, showing nobody.
    void BuscarCliente(double& Cliente);

    forms::Label Label1{*this};
    forms::TextBox T_Codigo{*this};
    forms::Label Label2{*this};
    forms::TextBox T_Nombre{*this};
    forms::Label Label3{*this};
    forms::TextBox T_Telefonos{*this};
    forms::Label Label4{*this};
    forms::TextBox T_Direccion{*this};
    forms::Label Label5{*this};
    forms::TextBox T_Nif{*this};
    forms::Label Label6{*this};
    forms::TextBox T_Poblacion{*this};
    forms::Label Label7{*this};
    forms::TextBox T_Comentario{*this, forms::Lines::Multi};

    forms::CommandButton B_Añadir{*this};
    forms::CommandButton B_Guardar{*this};
    forms::CommandButton B_Eliminar{*this};
    forms::CommandButton B_Buscar{*this};
    forms::CommandButton B_Cancelar{*this};
    forms::CommandButton B_Salir{*this};

    jet::DataControl D_Clientes;

private:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;

    void B_Añadir_Click();
    void B_Guardar_Click();
    void B_Eliminar_Click();
    void B_Buscar_Click();
    void B_Cancelar_Click();
    void B_Salir_Click();

    void LimpiarCampos();
    void HabilitarCampos(bool Habilitar);
    // Moves D_Clientes to the advertiser numbered Numero; false when none has it.
    bool IrACliente(double Numero);

    bool Nuevo_Cliente = false;
    // The advertiser BuscarCliente showed: the one an edit saves.
    std::optional<double> Cliente_Cargado;
};
