// F_Interprete: the performer pick list of the catalogue editor; the chosen
// name goes into the editor's performer box.
#pragma once

#include "music/ListaNombres.h"

class F_Interprete : public ListaNombres {
public:
    F_Interprete();

private:
    forms::TextBox& Destino() override;
};
