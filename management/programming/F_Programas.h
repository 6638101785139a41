// F_Programas: the program editor. Keeps the programs (table PROGRAMAS), one
// per start time, and the audio files of the program shown (PROGRAMAS_CONTENIDO
// rows at its time); closing it copies every program's length and end into
// the programming rows starting at its time. Shown modally by the menu's
// hidden "Programas".
//
//   F_Programas& f = forms::Get<F_Programas>();
//   QTime hora(10, 0);
//   f.BuscarProgramas(hora);   // loads the program at 10:00:00, if there is one
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

#include <QStringList>
#include <QTime>

class F_Programas : public forms::Form {
public:
    F_Programas();

    // Loads the program starting at Buscar; a time without a program changes nothing.
    void BuscarProgramas(QTime& Buscar);
    // The item grid's header and column widths.
    void PonerTitulos();
    // The file's length text; its whole seconds are left in Segundos_Fichero.
    QString Duracion(QString& Fichero);
    QString Tiempo(double& Segundos);
    // Shows in LISTA the items filed under Hora.
    void CargarLista(const QTime& Hora);
    // The start time of the program whose items LISTA shows: while a new
    // program is being typed the picker may already hold another time.
    QTime Hora_Lista() const { return Hora_Lista_; }

    // Frames first: what they hold is created after them.
    forms::Frame Frame_Bloques{*this};
    forms::Frame Frame1{*this};
    // As a container: braces around a frame alone would copy it.
    forms::Frame Frame{static_cast<forms::Container&>(Frame_Bloques)};

    forms::Label Label1{Frame_Bloques};
    forms::DTPicker T_hora{Frame_Bloques, forms::PickerFormat::Time};
    forms::Label Label2{Frame_Bloques};
    forms::TextBox T_Nombre{Frame_Bloques};
    forms::Label Label3{Frame_Bloques};
    forms::TextBox T_Realizacion{Frame_Bloques};
    forms::Label Label4{Frame_Bloques};
    forms::Label L_Total{Frame_Bloques};

    forms::MSFlexGrid LISTA{Frame};
    forms::CommandButton Command1{Frame};
    forms::CommandButton Command2{Frame};
    forms::CommandButton Command3{Frame};

    forms::CommandButton B_Añadir{Frame1};
    forms::CommandButton B_Guardar{Frame1};
    forms::CommandButton B_Eliminar{Frame1};
    forms::CommandButton B_Buscar{Frame1};
    forms::CommandButton B_Salir{Frame1};
    forms::CommandButton B_Terminar{Frame1};

    jet::DataControl Data_Programas;
    jet::DataControl Data_Programa_Contenido;
    jet::DataControl Data_Bloques;
    forms::CommonDialog CommonDialog{*this};

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

private:
    void B_Añadir_Click();
    void B_Guardar_Click();
    void B_Eliminar_Click();
    void B_Terminar_Click();
    void B_Buscar_Click();
    void B_Salir_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void LISTA_DblClick();
    void LISTA_MouseDown(int Button, int Shift, float X, float Y);
    void LISTA_DragDrop(forms::Control& Source, float X, float Y);
    void LISTA_OLEDragDrop(const QStringList& Files, float X, float Y);

    void GuardarNuevo();
    void GuardarEditado();
    void ActualizarProgramacion();
    void Renumerar(forms::MSFlexGrid& Lista, const QTime& Hora);
    // Moves Data_Programas to the program starting at Hora; false when none does.
    bool EncontrarPrograma(const QTime& Hora);
    // Appends the file as the program's item at position Numero and adds its
    // seconds to Segundos_Programa.
    void AñadirFichero(const QString& Fichero, int Numero);
    // Stores Segundos_Programa as the length of the program whose items are
    // listed, and shows it.
    void GuardarTotal();

    bool Nuevo_Programa = false;
    double Segundos_Programa = 0;
    double Segundos_Fichero = 0;
    QTime Hora_Lista_;
};
