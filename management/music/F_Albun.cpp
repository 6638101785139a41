#include "music/F_Albun.h"

#include "music/F_Musica.h"

F_Albun::F_Albun()
    : ListaNombres("Buscar albún", "SELECT NOMBRE FROM ALBUN ORDER BY NOMBRE",
                   "SELECT NOMBRE FROM ALBUN WHERE NOMBRE LIKE ")
{
}

forms::TextBox& F_Albun::Destino()
{
    return forms::Get<F_Musica>().T_Albun;
}
