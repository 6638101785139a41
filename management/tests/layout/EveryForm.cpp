#include "EveryForm.h"

#include "menu/F_Menu.h"
#include "music/F_Albun.h"
#include "music/F_Anadir_Tipos.h"
#include "music/F_Buscar_Musica.h"
#include "music/F_Interprete.h"
#include "music/F_Locucion.h"
#include "music/F_Musica.h"
#include "programming/F_Buscar_Programa.h"
#include "programming/F_Buscar_Programacion.h"
#include "programming/F_Buscar_Rotacion.h"
#include "programming/F_Nueva_Programacion.h"
#include "programming/F_PLaylist.h"
#include "programming/F_Programa_Propiedades.h"
#include "programming/F_Programacion.h"
#include "programming/F_Programacion_Propiedades.h"
#include "programming/F_Programas.h"
#include "programming/F_Rotacion.h"
#include "traffic/Asignar.h"
#include "traffic/F_BLoques.h"
#include "traffic/F_Buscar_BLoques.h"
#include "traffic/F_Buscar_Clientes.h"
#include "traffic/F_Buscar_Publicidad.h"
#include "traffic/F_Clientes.h"
#include "traffic/F_Publicidad.h"
#include "traffic/Periodo.h"

namespace {

template <class T>
FormEntry Entry(const char* name)
{
    return {name, []() -> forms::Form& { return forms::Get<T>(); }};
}

}  // namespace

const std::vector<FormEntry>& EveryForm()
{
    static const std::vector<FormEntry> forms = {
        Entry<F_Menu>("F_Menu"),
        Entry<F_Clientes>("F_Clientes"),
        Entry<F_Buscar_Clientes>("F_Buscar_Clientes"),
        Entry<F_Publicidad>("F_Publicidad"),
        Entry<F_Buscar_Publicidad>("F_Buscar_Publicidad"),
        Entry<Asignar>("Asignar"),
        Entry<Periodo>("Periodo"),
        Entry<F_BLoques>("F_BLoques"),
        Entry<F_Buscar_BLoques>("F_Buscar_BLoques"),
        Entry<F_Programas>("F_Programas"),
        Entry<F_Programa_Propiedades>("F_Programa_Propiedades"),
        Entry<F_Programacion>("F_Programacion"),
        Entry<F_Programacion_Propiedades>("F_Programacion_Propiedades"),
        Entry<F_Nueva_Programacion>("F_Nueva_Programacion"),
        Entry<F_Buscar_Programacion>("F_Buscar_Programacion"),
        Entry<F_Buscar_Programa>("F_Buscar_Programa"),
        Entry<F_PLaylist>("F_PLaylist"),
        Entry<F_Buscar_Rotacion>("F_Buscar_Rotacion"),
        Entry<F_Rotacion>("F_Rotacion"),
        Entry<F_Musica>("F_Musica"),
        Entry<F_Buscar_Musica>("F_Buscar_Musica"),
        Entry<F_Interprete>("F_Interprete"),
        Entry<F_Albun>("F_Albun"),
        Entry<F_Añadir_Tipos>("F_Anadir_Tipos"),
        Entry<F_Locucion>("F_Locucion"),
    };
    return forms;
}
