// F_Musica: the music catalogue editor (table CATALOGO of MUSICA.MDB, with its
// performer, album, style, type and rhythm lists). Shown modally by the menu's
// "Música"; one song at a time is created, loaded (Buscar, called by the music
// search), changed or deleted.
#pragma once

#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/CommonDialog.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/TextBox.h"
#include "forms/Timer.h"
#include "jet/DataControl.h"

class F_Musica : public forms::Form {
public:
    F_Musica();

    // Loads the song whose CODIGO is codigo; a code no song has changes nothing.
    void Buscar(double& codigo);
    // Refills the style, type and rhythm lists from their tables.
    void Actualiza_Combo();
    // True when the performer (album) exists or the user agreed to create it.
    bool Buscar_Interprete(const QString& Buscar);
    bool Buscar_Albun(const QString& Buscar);

    forms::Frame Frame2{*this};
    forms::Label Label_Codigo{Frame2};
    forms::TextBox T_Codigo{Frame2};
    forms::Label Label_Titulo{Frame2};
    forms::TextBox T_Titulo{Frame2};
    forms::Label Label_Interprete{Frame2};
    forms::TextBox T_Interprete{Frame2};
    forms::CommandButton Command10{Frame2};
    forms::Label Label_Albun{Frame2};
    forms::TextBox T_Albun{Frame2};
    forms::CommandButton Command11{Frame2};
    forms::Label Label_Año{Frame2};
    forms::DTPicker T_Año{Frame2};
    forms::Label Label_Slot{Frame2};
    forms::TextBox T_Slot{Frame2};
    forms::Label Label_Estilo{Frame2};
    forms::ComboBox T_Estilo{Frame2, forms::ComboStyle::DropDownList};
    forms::CommandButton Command5{Frame2};
    forms::Label Label_Tipo{Frame2};
    forms::ComboBox T_Tipo{Frame2, forms::ComboStyle::DropDownList};
    forms::CommandButton Command7{Frame2};
    forms::Label Label_Ritmo{Frame2};
    forms::ComboBox T_Ritmo{Frame2, forms::ComboStyle::DropDownList};
    forms::CommandButton Command6{Frame2};
    forms::Label Label_Fichero{Frame2};
    forms::Label L_Fichero{Frame2};
    forms::CommandButton Command1{Frame2};
    forms::Label Label_Duracion{Frame2};
    forms::Label L_Duracion{Frame2};
    forms::Label Label_Intro{Frame2};
    forms::TextBox T_Intro{Frame2};
    forms::Label Label_Presentacion1{Frame2};
    forms::Label L_Presentacion1{Frame2};
    forms::CommandButton Command2{Frame2};
    forms::Label Label_Presentacion2{Frame2};
    forms::Label L_Presentacion2{Frame2};
    forms::CommandButton Command3{Frame2};
    forms::Label Label_Radiaciones{Frame2};
    forms::Label L_Radiaciones{Frame2};
    forms::Label Label_Comentario{Frame2};
    forms::TextBox T_Comentario{Frame2, forms::Lines::Multi};
    forms::CommandButton Command12{Frame2};

    forms::Frame Frame1{*this};
    forms::CommandButton B_Añadir{Frame1};
    forms::CommandButton B_Buscar{Frame1};
    forms::CommandButton B_Guardar{Frame1};
    forms::CommandButton B_Eliminar{Frame1};
    forms::CommandButton B_Cancelar{Frame1};
    forms::CommandButton Command4{Frame1};
    forms::CommandButton Command8{Frame1};
    forms::CommandButton Command9{Frame1};

    jet::DataControl Data1;
    forms::CommonDialog CommonDialog{*this};
    forms::Timer Timer1{*this};

private:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;

    void B_Añadir_Click();
    void B_Buscar_Click();
    void B_Guardar_Click();
    void B_Eliminar_Click();
    void B_Cancelar_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command10_Click();
    void Command11_Click();
    void Command8_Click();
    void Command9_Click();
    void Command12_Click();
    void Timer1_Timer();

    // Plays the file from its start; a file that does not open plays nothing.
    void Reproducir(const QString& Fichero);

    // The checks both kinds of saving share; false (after its message) when
    // the song must not be written.
    bool ComprobarCampos();
    // Writes the boxes into the current row of Data1 (after AddNew or Edit).
    void EscribirCampos(jet::Recordset& catalogo);
    // Looks for the name in the list that the SELECT Lista reads; asks for a
    // missing one and adds it.
    bool BuscarNombre(const QString& Lista, const QString& Nombre, const QString& Palabras, forms::TextBox& Caja);
    // Shows the list dialog on the list whose SELECT ends in Cual, with the
    // list's shown name as the one to delete.
    void MostrarListaTipos(const QString& Cual, forms::ComboBox& Lista);
    // The open-file dialog; the chosen path, or an empty text when cancelled.
    QString ElegirFichero();

    bool Nuevo = false;
    // The preview's stream (0: none) and the channel it plays on.
    int Sonido = 0;
    int Canal = 0;
};
