// F_PLaylist: inserts the program chosen in F_Buscar_Programa into the
// programming open in F_Programacion, as a "PRO" row at the start time the
// user confirms or changes.
//
//   F_PLaylist& p = forms::Get<F_PLaylist>();
//   p.L_Nombre.Caption("Magazine");     // the program's name
//   p.T_hora.Value(QTime(10, 0));       // its own start, proposed
//   p.Show(forms::vbModal);
#pragma once

#include "programming/DialogoHoraInicio.h"

class F_PLaylist : public DialogoHoraInicio {
protected:
    void Design() override;

private:
    void Command1_Click() override;
};
