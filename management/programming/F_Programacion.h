// F_Programacion: the editor of one named daily programming (rows of
// PROGRAMACION under the name in Programacion_Nombre, day flags of
// PROGRAMACION_NOMBRE). Shown modally by the menu's hidden "Programacion".
//
//   F_Programacion& f = forms::Get<F_Programacion>();
//   QString nombre = "Mañanas";
//   f.Buscar(nombre);            // the programming search opens a programming
//   double codigo = 12;
//   f.Musica(codigo);            // the music search appends a song
//   f.Data_Programacion.RecordSource = RowQuery;  // dialogs that change rows
//   f.Data_Programacion.Refresh();
//   f.PonerTitulos();
#pragma once

#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/CommonDialog.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "forms/PictureBox.h"
#include "jet/DataControl.h"

#include <QString>
#include <QStringList>

class F_Programacion : public forms::Form {
public:
    F_Programacion();

    // Name of the open programming: empty at load, "Ninguna" after deleting it.
    QString Programacion_Nombre;

    // Headers and column widths of LISTA, after every reload of the grid.
    void PonerTitulos();
    // Opens the programming named Nombre; an unknown name changes nothing.
    void Buscar(QString& Nombre);
    // Appends the catalogue song codigo after the last row; an unknown code
    // adds nothing.
    void Musica(double& codigo);

    // Frames first: what they hold is created after them.
    forms::Frame Frame1{*this};
    forms::Frame Frame2{*this};

    forms::CommandButton B_Añadir{Frame1};
    forms::CommandButton B_Buscar{Frame1};
    forms::CommandButton B_Eliminar{Frame1};
    forms::CheckBox L{Frame1};
    forms::CheckBox M{Frame1};
    forms::CheckBox MI{Frame1};
    forms::CheckBox J{Frame1};
    forms::CheckBox V{Frame1};
    forms::CheckBox S{Frame1};
    forms::CheckBox D{Frame1};
    forms::CommandButton Command6{Frame1};

    forms::MSFlexGrid LISTA{Frame2};
    forms::CommandButton Command2{Frame2};
    forms::CommandButton Command9{Frame2};
    forms::CommandButton Command5{Frame2};
    forms::CommandButton Command1{Frame2};
    forms::CommandButton Command3{Frame2};
    forms::CommandButton Command4{Frame2};
    forms::CommandButton Command7{Frame2};
    forms::CommandButton Command8{Frame2};
    forms::Label Label1{Frame2};
    forms::CommonDialog CommonDialog{*this};
    forms::PictureBox Image1{Frame2};

    jet::DataControl Data_Programacion_Nombre;
    jet::DataControl Data_Programacion;

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

private:
    void B_Añadir_Click();
    void B_Buscar_Click();
    void B_Eliminar_Click();
    void Command6_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void LISTA_DblClick();
    void LISTA_DragOver(forms::Control& Source, float X, float Y, int State);
    void LISTA_OLEDragOver(const QStringList& Files, float X, float Y, int State);
    void LISTA_OLEDragDrop(const QStringList& Files, float X, float Y);

    void ActualizarDuraciones();
    void InsertarBloques();
    // Writes a "FIC" row for the file Fichero starting at Inicio and reloads the grid.
    void InsertarFichero(const QString& Fichero, const QString& Inicio);
    // The end (column 5) of a grid row, as "hh:mm:ss".
    QString FinDeFila(int Fila);
    // The end of the grid row under the mouse pointer.
    QString FinBajoPuntero();
    void RecargarLista();
    void MostrarPropiedades();
    // The day boxes into the row being written.
    void CopiarDias(jet::Recordset& Filas);
};
