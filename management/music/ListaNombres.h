// ListaNombres: what the performer and album pick lists share. The names of
// one list are shown in a grid, narrowed to those that begin with the typed
// text; a double-click hands the chosen name to the catalogue editor's box
// and closes the list.
#pragma once

#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "forms/TextBox.h"
#include "jet/DataControl.h"

class ListaNombres : public forms::Form {
public:
    forms::Frame Frame1{*this};
    forms::Label Label1{Frame1};
    forms::TextBox Text1{Frame1};
    forms::MSFlexGrid LISTA{*this};
    jet::DataControl Data1;

protected:
    // Todos lists every name; Filtro is the statement's start before the
    // LIKE pattern of the typed text.
    ListaNombres(const QString& Titulo, const QString& Todos, const QString& Filtro);
    // The catalogue editor's box that receives the pick.
    virtual forms::TextBox& Destino() = 0;

private:
    void Design() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

    void Text1_Change();
    void LISTA_DblClick();

    QString Titulo_;
    QString Todos_;
    QString Filtro_;
};
