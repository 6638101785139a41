#include "music/F_Interprete.h"

#include "music/F_Musica.h"

F_Interprete::F_Interprete()
    : ListaNombres("Interpretes", "SELECT NOMBRE FROM INTERPRETE ORDER BY NOMBRE",
                   "SELECT NOMBRE FROM INTERPRETE WHERE NOMBRE LIKE ")
{
}

forms::TextBox& F_Interprete::Destino()
{
    return forms::Get<F_Musica>().T_Interprete;
}
