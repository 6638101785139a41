// The programming editor's grid under the real pointer: the row it last
// moved over decides where "Ficheros" puts a file, and files dropped from the
// file manager start where they land.

#include "UserInput.h"

#include "../programming/EditorPrueba.h"

#include <functional>

namespace {

namespace ft = forms::test;

class ProgrammingGrid : public EditorPrueba {
protected:
    // Programming P with three rows; their ends start nothing else.
    F_Programacion& TresFilas()
    {
        Programacion("P");
        Fila("P", QTime(8, 0), "FIC", "a", "00:00:10", QTime(8, 0, 10), "a");
        Fila("P", QTime(9, 0), "FIC", "b", "00:00:20", QTime(9, 0, 20), "b");
        Fila("P", QTime(10, 0), "FIC", "c", "00:00:30", QTime(10, 0, 30), "c");
        F_Programacion& f = Abrir("P");
        EXPECT_TRUE(user::Shown(f));
        return f;
    }

    // Programming P without rows.
    F_Programacion& Vacia()
    {
        Programacion("P");
        F_Programacion& f = Abrir("P");
        EXPECT_TRUE(user::Shown(f));
        return f;
    }

    // HORA and FIN of the rows made for a file.
    static QStringList Añadida(const QString& fichero)
    {
        return Filas("SELECT HORA,FIN FROM PROGRAMACION WHERE DESCRIPCION=" + SqlTexto(fichero) + " ORDER BY HORA");
    }
};

TEST_F(ProgrammingGrid, FicherosStartsAtTheEndOfTheRowThePointerLastMovedOver)
{
    F_Programacion& f = TresFilas();
    ft::ChooseFile(Wav("uno.wav", 5000));
    user::MoveTo(f.LISTA, user::Cell(f.LISTA, 3, 3));
    user::MoveTo(f.LISTA, user::Cell(f.LISTA, 2, 3));
    // Up across the header to the button above the grid.
    user::MoveTo(f.LISTA, user::Header(f.LISTA, 3));
    user::Click(f.Command1);
    EXPECT_EQ(Añadida("uno.wav"), QStringList({"09:00:20 09:00:25"}));

    // The pointer goes no further than the empty area below the rows.
    ft::ChooseFile(Wav("dos.wav", 1000));
    user::MoveTo(f.LISTA, user::BelowTheRows(f.LISTA));
    user::Click(f.Command1);
    EXPECT_EQ(Añadida("dos.wav"), QStringList({"10:00:30 10:00:31"}));
    EXPECT_TRUE(ft::Messages().empty());
}

TEST_F(ProgrammingGrid, FicherosBeforeThePointerWasOverTheGridAddsAfterTheLastRow)
{
    F_Programacion& f = TresFilas();
    ft::ChooseFile(Wav("uno.wav", 2000));
    user::Click(f.Command1);
    EXPECT_EQ(Añadida("uno.wav"), QStringList({"10:00:30 10:00:32"}));
}

TEST_F(ProgrammingGrid, FicherosIntoAnEmptyProgrammingStartsAtMidnight)
{
    F_Programacion& f = Vacia();
    ft::ChooseFile(Wav("uno.wav", 90000));
    user::MoveTo(f.LISTA, user::BelowTheRows(f.LISTA));
    user::Click(f.Command1);
    EXPECT_EQ(Añadida("uno.wav"), QStringList({"00:00:00 00:01:30"}));
}

TEST_F(ProgrammingGrid, AFileDroppedOnAnEmptyProgrammingStartsAtMidnight)
{
    F_Programacion& f = Vacia();
    const QString a = Wav("a.wav", 90000);
    // The header takes nothing, not even in an empty programming.
    user::DropFiles(f.LISTA, {a}, user::Header(f.LISTA));
    EXPECT_EQ(f.LISTA.Rows(), 1);
    // Only the first of the files dropped is added.
    user::DropFiles(f.LISTA, {a, Wav("b.wav", 1000)}, user::BelowTheRows(f.LISTA));
    EXPECT_EQ(Filas("SELECT HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN FROM PROGRAMACION"),
              QStringList({"00:00:00 FIC a.wav 00:01:30 00:01:30"}));
    EXPECT_EQ(f.LISTA.Rows(), 2);
    EXPECT_TRUE(ft::Messages().empty());
}

TEST_F(ProgrammingGrid, AFileDroppedOnAFilledProgrammingStartsWhereItLands)
{
    F_Programacion& f = TresFilas();
    struct Case {
        const char* where;
        std::function<QPoint()> at;  // taken as the grid is when the file lands
        const char* file;
        int seconds;
        QStringList rows;  // HORA and FIN of the new row, none when refused
    };
    const Case cases[] = {
        {"on the first row", [&f] { return user::Cell(f.LISTA, 1, 3); }, "uno.wav", 3, {"08:00:10 08:00:13"}},
        {"below the rows", [&f] { return user::BelowTheRows(f.LISTA); }, "dos.wav", 4, {"10:00:30 10:00:34"}},
        {"on the header", [&f] { return user::Header(f.LISTA, 3); }, "tres.wav", 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        user::DropFiles(f.LISTA, {Wav(c.file, c.seconds * 1000)}, c.at());
        EXPECT_EQ(Añadida(c.file), c.rows);
    }
    // The end of the row dropped on is already the start of "dos.wav".
    user::DropFiles(f.LISTA, {Wav("cuatro.wav", 1000)}, user::Cell(f.LISTA, 4, 3));
    EXPECT_EQ(Añadida("cuatro.wav"), QStringList());
    ASSERT_EQ(ft::Messages().size(), 1u);
    EXPECT_EQ(ft::Messages()[0].Prompt, "Imposible poner la misma hora de inicio");
}

}  // namespace
