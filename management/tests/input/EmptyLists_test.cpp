// A double-click on the empty list of every list dialog, opened as the user
// opens it, with real mouse events: the dialog stays open and hands nothing
// to its opener.

#include "UserInput.h"

#include "support/StationFixture.h"

#include "music/F_Albun.h"
#include "music/F_Buscar_Musica.h"
#include "music/F_Interprete.h"
#include "music/F_Musica.h"
#include "programming/F_Buscar_Programa.h"
#include "programming/F_Buscar_Programacion.h"
#include "programming/F_Buscar_Rotacion.h"
#include "programming/F_Programacion.h"
#include "programming/F_Programas.h"
#include "programming/F_Rotacion.h"
#include "traffic/F_BLoques.h"
#include "traffic/F_Buscar_BLoques.h"
#include "traffic/F_Buscar_Clientes.h"
#include "traffic/F_Buscar_Publicidad.h"
#include "traffic/F_Clientes.h"
#include "traffic/F_Publicidad.h"

#include <QTest>
#include <QWidget>

#include <functional>

namespace {

namespace ft = forms::test;

struct Lista {
    const char* dialogo;
    // Queues what the user does once the dialog is shown, then opens it.
    std::function<void(std::function<void(forms::Form&, forms::MSFlexGrid&)>)> abrir;
    // The opener shows nothing that came from the dialog.
    std::function<bool()> intacto;
};

template <class Dialogo>
Lista De(const char* dialogo, std::function<void()> abrir, std::function<bool()> intacto)
{
    return {dialogo,
            [abrir](std::function<void(forms::Form&, forms::MSFlexGrid&)> usuario) {
                ft::WhenShown<Dialogo>([usuario](Dialogo& d) { usuario(d, d.LISTA); });
                abrir();
            },
            intacto};
}

class EmptyLists : public StationFixture {};

TEST_F(EmptyLists, ADoubleClickOnAnEmptyListLeavesTheDialogOpenAndHandsNothingOver)
{
    const auto musicaNueva = [] {
        F_Musica& f = forms::Get<F_Musica>();
        ft::Click(f.B_Añadir);
        f.T_Interprete.Text("Escrito");
        f.T_Albun.Text("Escrito");
        return &f;
    };
    const Lista listas[] = {
        De<F_Buscar_Publicidad>(
            "F_Buscar_Publicidad", [] { ft::Click(forms::Get<F_Publicidad>().B_Buscar_P); },
            [] { return forms::Get<F_Publicidad>().T_Orden.Text().isEmpty(); }),
        De<F_Buscar_Clientes>(
            "F_Buscar_Clientes", [] { ft::Click(forms::Get<F_Clientes>().B_Buscar); },
            [] { return !forms::Get<F_Clientes>().B_Eliminar.Enabled(); }),
        De<F_Buscar_BLoques>(
            "F_Buscar_BLoques", [] { ft::Click(forms::Get<F_BLoques>().B_Buscar); },
            [] { return !forms::Get<F_BLoques>().B_Eliminar.Enabled(); }),
        De<F_Buscar_Programacion>(
            "F_Buscar_Programacion", [] { ft::Click(forms::Get<F_Programacion>().B_Buscar); },
            [] { return !forms::Get<F_Programacion>().Frame2.Enabled(); }),
        De<F_Buscar_Programa>(
            "F_Buscar_Programa", [] { ft::Click(forms::Get<F_Programas>().B_Buscar); },
            [] { return forms::Get<F_Programas>().T_Nombre.Text().isEmpty(); }),
        // Its opener, "Rotaciones", is hidden.
        De<F_Buscar_Rotacion>(
            "F_Buscar_Rotacion", [] { forms::Get<F_Buscar_Rotacion>().Show(forms::vbModal); },
            [] { return forms::detail::FindForm(typeid(F_Rotacion)) == nullptr; }),
        De<F_Buscar_Musica>(
            "F_Buscar_Musica", [] { ft::Click(forms::Get<F_Musica>().B_Buscar); },
            [] { return !forms::Get<F_Musica>().B_Eliminar.Enabled(); }),
        De<F_Interprete>(
            "F_Interprete", [musicaNueva] { ft::Click(musicaNueva()->Command10); },
            [] { return forms::Get<F_Musica>().T_Interprete.Text() == "Escrito"; }),
        De<F_Albun>(
            "F_Albun", [musicaNueva] { ft::Click(musicaNueva()->Command11); },
            [] { return forms::Get<F_Musica>().T_Albun.Text() == "Escrito"; }),
    };
    for (const Lista& lista : listas) {
        SCOPED_TRACE(lista.dialogo);
        const size_t mostrados = ft::ShownModally().size();
        int filas = -1;
        bool abierto = false;
        lista.abrir([&](forms::Form& dialogo, forms::MSFlexGrid& grid) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialogo.Surface()->window()));
            filas = grid.Rows();
            user::DoubleClickAt(grid, user::BelowTheRows(grid));
            abierto = dialogo.Loaded();
        });
        // Shown once, and no dialog of its own opened on the double-click.
        EXPECT_EQ(ft::ShownModally().size(), mostrados + 1);
        EXPECT_EQ(ft::ShownModally().back(), lista.dialogo);
        EXPECT_EQ(filas, 1);
        EXPECT_TRUE(abierto);
        EXPECT_TRUE(lista.intacto());
        forms::UnloadAll();
    }
    ExpectNoUntrappedErrors();
}

}  // namespace
