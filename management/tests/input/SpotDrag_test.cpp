// Reordering the spots of a block in the contracts form's lista3 by
// dragging one with the real pointer: press, move, release.

#include "UserInput.h"

#include "../traffic/BloquesFixture.h"

#include "traffic/F_Publicidad.h"

#include <cstdint>
#include <ostream>

// Readable failures.
inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << "{" << texts.join(", ").toStdString() << "}";
}

namespace {

const QTime Ocho(8, 0);

class SpotDrag : public BloquesFixture {
protected:
    // The contracts form showing contract 21, with the spots of the block at
    // eight in lista3 after a click on the block in lista2.
    F_Publicidad& Mostrado()
    {
        Bloque(Ocho, 90);
        for (int orden : {21, 22, 23})
            Guardar({orden, QString("c%1.wav").arg(orden), "Campaña", "Voz"});
        Colocar(Ocho, 21, 1, 30);
        Colocar(Ocho, 22, 2, 30);
        Colocar(Ocho, 23, 3, 30);
        F_Publicidad& f = forms::Get<F_Publicidad>();
        std::int32_t orden = 21;
        f.Buscar(orden);
        double filtro = 21;
        f.Filtrar(filtro);
        EXPECT_TRUE(user::Shown(f));
        user::ClickAt(f.lista2, user::Cell(f.lista2, 1, 1));
        EXPECT_EQ(f.lista3.Rows(), 4);
        return f;
    }

    static QStringList Orden()
    {
        return Filas("SELECT ORDEN,NUMERO FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=#08:00:00# ORDER BY NUMERO");
    }
};

TEST_F(SpotDrag, ASpotDraggedOntoAnotherRowTakesItsPlaceAndTheBlockIsRenumbered)
{
    struct Case {
        int from, to;
        QStringList orden;
    };
    const Case cases[] = {
        {1, 3, {"22 1", "23 2", "21 3"}},
        {3, 1, {"21 1", "22 2", "23 3"}},
        {2, 2, {"21 1", "22 2", "23 3"}},  // a drag back onto itself
    };
    F_Publicidad& f = Mostrado();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        user::Drag(f.lista3, user::Cell(f.lista3, c.from, 2), user::Cell(f.lista3, c.to, 2));
        EXPECT_EQ(Orden(), c.orden);
    }
}

TEST_F(SpotDrag, ADropOnTheHeaderOrAPlainClickKeepsTheOrder)
{
    F_Publicidad& f = Mostrado();
    Sql("UPDATE PUBLICIDAD_CONTENIDO SET NUMERO=NUMERO*10");
    user::Drag(f.lista3, user::Cell(f.lista3, 3, 2), user::Header(f.lista3, 2));
    EXPECT_EQ(Orden(), QStringList({"21 10", "22 20", "23 30"}));
    // A click without moving drops the spot on itself: the shown order is stored.
    user::ClickAt(f.lista3, user::Cell(f.lista3, 2, 2));
    EXPECT_EQ(Orden(), QStringList({"21 1", "22 2", "23 3"}));
}

}  // namespace
