// F_Albun: the album pick list of the catalogue editor; the chosen name goes
// into the editor's album box.
#pragma once

#include "music/ListaNombres.h"

class F_Albun : public ListaNombres {
public:
    F_Albun();

private:
    forms::TextBox& Destino() override;
};
