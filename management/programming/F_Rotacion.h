// F_Rotacion: inserts the rotation chosen in F_Buscar_Rotacion into the
// programming open in F_Programacion, as a "ROT" row at the start time the
// user picks (00:00:00 when the dialog opens).
//
//   F_Rotacion& r = forms::Get<F_Rotacion>();
//   r.L_Nombre.Caption("Éxitos");      // the rotation's name
//   r.Show(forms::vbModal);
#pragma once

#include "programming/DialogoHoraInicio.h"

class F_Rotacion : public DialogoHoraInicio {
protected:
    void Design() override;

private:
    void Command1_Click() override;
};
