// The traffic forms worked with the keyboard alone, as a user does: Tab
// from control to control, Return on the buttons, dates typed and the
// calendar opened and closed with keys. Real key events on the shown forms;
// the test seam answers the file dialog and runs the modal forms' scripts.

#include "UserInput.h"

#include "../traffic/BloquesFixture.h"

#include "menu/F_Menu.h"
#include "traffic/Asignar.h"
#include "traffic/F_BLoques.h"
#include "traffic/F_Buscar_BLoques.h"
#include "traffic/F_Buscar_Clientes.h"
#include "traffic/F_Buscar_Publicidad.h"
#include "traffic/F_Clientes.h"
#include "traffic/F_Publicidad.h"
#include "traffic/Periodo.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QTest>

#include <cstdint>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Readable failures.
inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << "{" << texts.join(", ").toStdString() << "}";
}

namespace {

namespace ft = forms::test;

using Stop = std::pair<std::string, forms::Control*>;

// The controls of a form in tab order, as the user meets them.
struct Chain {
    forms::Form* form;
    std::vector<Stop> stops;
};

// What the keyboard can reach in window: every control shown and enabled
// that takes the focus by Tab.
std::set<QWidget*> TabStops(QWidget* window)
{
    std::set<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            stops.insert(w);
    return stops;
}

// The name of the stop whose control has the focus.
std::string Focused(const std::vector<Stop>& stops)
{
    QWidget* focus = QApplication::focusWidget();
    for (const Stop& stop : stops)
        if (focus && (focus == stop.second->Widget() || stop.second->Widget()->isAncestorOf(focus)))
            return stop.first;
    return focus ? std::string("a ") + focus->metaObject()->className() + " of no stop listed" : "nothing";
}

template <class F>
F& ShownForm()
{
    F& f = forms::Get<F>();
    EXPECT_TRUE(user::Shown(f));
    return f;
}

class KeyboardOnly : public BloquesFixture {
protected:
    // Contract 12 with its spot, saved; the contracts form showing it.
    static F_Publicidad& ContratoMostrado()
    {
        Guardar({12, "spot.wav", "Verano", "Ana"});
        F_Publicidad& f = ShownForm<F_Publicidad>();
        std::int32_t orden = 12;
        f.Buscar(orden);
        double filtro = 12;
        f.Filtrar(filtro);
        return f;
    }

    static QStringList Dias() { return Filas("SELECT DIA FROM DIAS WHERE CONTRATO=12 ORDER BY DIA"); }

    // Asignar for contract 12 shown, the focus on its date picker.
    static Asignar& DiasDelContrato()
    {
        forms::Get<F_Publicidad>().T_Orden.Text("12");
        Asignar& a = forms::Get<Asignar>();
        a.L_Contrato.Caption("12");
        EXPECT_TRUE(user::Shown(a));
        EXPECT_TRUE(user::TabTo(a.DTPicker1));
        return a;
    }
};

TEST_F(KeyboardOnly, TabGoesRoundEveryControlOfEachTrafficFormTheUserCanReach)
{
    Bloque(QTime(10, 0), 0);
    Sql("INSERT INTO CLIENTES (NUMERO,NOMBRE,TELEFONO,DIRECCION,NIF,COMENTARIO,POBLACION) "
        "VALUES (1,'Bar Sol','','','','','')");
    const std::pair<const char*, std::function<Chain()>> forms[] = {
        {"F_Menu",
         [] {
             F_Menu& f = ShownForm<F_Menu>();
             return Chain{&f,
                          {{"Clientes", &f.Command1},
                           {"Bloques Publicitarios", &f.Command4},
                           {"Publicidad", &f.Command3},
                           {"Herramientas", &f.Command10},
                           {"Música", &f.Command8},
                           {"Informes", &f.Command12},
                           {"Ayuda", &f.Command7},
                           {"Acerca de..", &f.Command11},
                           {"Salir", &f.Command5}}};
         }},
        {"F_Clientes idle",
         [] {
             F_Clientes& f = ShownForm<F_Clientes>();
             return Chain{&f,
                          {{"B_Añadir", &f.B_Añadir},
                           {"B_Buscar", &f.B_Buscar},
                           {"B_Cancelar", &f.B_Cancelar},
                           {"B_Salir", &f.B_Salir}}};
         }},
        {"F_Clientes entering",
         [] {
             F_Clientes& f = ShownForm<F_Clientes>();
             ft::Click(f.B_Añadir);
             return Chain{&f,
                          {{"T_Codigo", &f.T_Codigo},
                           {"T_Nombre", &f.T_Nombre},
                           {"T_Telefonos", &f.T_Telefonos},
                           {"T_Direccion", &f.T_Direccion},
                           {"T_Nif", &f.T_Nif},
                           {"T_Poblacion", &f.T_Poblacion},
                           {"T_Comentario", &f.T_Comentario},
                           {"B_Añadir", &f.B_Añadir},
                           {"B_Guardar", &f.B_Guardar},
                           {"B_Cancelar", &f.B_Cancelar},
                           {"B_Salir", &f.B_Salir}}};
         }},
        {"F_Buscar_Clientes",
         [] {
             F_Buscar_Clientes& f = ShownForm<F_Buscar_Clientes>();
             return Chain{&f, {{"LISTA", &f.LISTA}}};
         }},
        {"F_Publicidad idle",
         [] {
             F_Publicidad& f = ShownForm<F_Publicidad>();
             return Chain{&f,
                          {{"B_Añadir_p", &f.B_Añadir_p},
                           {"B_Buscar_P", &f.B_Buscar_P},
                           {"B_Cancelar_P", &f.B_Cancelar_P},
                           {"Command2", &f.Command2}}};
         }},
        {"F_Publicidad adding",
         [] {
             F_Publicidad& f = ShownForm<F_Publicidad>();
             ft::Click(f.B_Añadir_p);
             return Chain{&f,
                          {{"T_Orden", &f.T_Orden},
                           {"Command1", &f.Command1},
                           {"T_Campaña", &f.T_Campaña},
                           {"Command3", &f.Command3},
                           {"Command5", &f.Command5},
                           {"T_Voz", &f.T_Voz},
                           {"T_Comentario", &f.T_Comentario},
                           {"Lista1", &f.Lista1},
                           {"Poner_p", &f.Poner_p},
                           {"Quitar_P", &f.Quitar_P},
                           {"lista2", &f.lista2},
                           {"lista3", &f.lista3},
                           {"B_Guardar_p", &f.B_Guardar_p},
                           {"B_Cancelar_P", &f.B_Cancelar_P},
                           {"Command2", &f.Command2}}};
         }},
        {"F_Buscar_Publicidad",
         [] {
             F_Buscar_Publicidad& f = ShownForm<F_Buscar_Publicidad>();
             return Chain{&f,
                          {{"Combo", &f.Combo},
                           {"Text1", &f.Text1},
                           {"Command2", &f.Command2},
                           {"Command3", &f.Command3},
                           {"Command1", &f.Command1},
                           {"LISTA", &f.LISTA}}};
         }},
        {"Asignar",
         [] {
             Asignar& f = ShownForm<Asignar>();
             return Chain{&f,
                          {{"LISTA", &f.LISTA},
                           {"DTPicker1", &f.DTPicker1},
                           {"Command1", &f.Command1},
                           {"Command3", &f.Command3},
                           {"Command2", &f.Command2}}};
         }},
        {"Periodo",
         [] {
             Periodo& f = ShownForm<Periodo>();
             return Chain{&f,
                          {{"T_Inicio", &f.T_Inicio},
                           {"T_Final", &f.T_Final},
                           {"Command1", &f.Command1},
                           {"Command2", &f.Command2}}};
         }},
        {"F_BLoques adding",
         [] {
             F_BLoques& f = ShownForm<F_BLoques>();
             ft::Click(f.B_Añadir);
             return Chain{&f,
                          {{"B_Añadir", &f.B_Añadir},
                           {"B_Guardar", &f.B_Guardar},
                           {"B_Cancelar", &f.B_Cancelar},
                           {"B_Salir", &f.B_Salir},
                           {"T_hora", &f.T_hora},
                           {"T_Duracion", &f.T_Duracion},
                           {"C_Prioritario", &f.C_Prioritario},
                           {"Command1", &f.Command1},
                           {"Command2", &f.Command2},
                           {"LISTA", &f.LISTA}}};
         }},
        {"F_Buscar_BLoques",
         [] {
             F_Buscar_BLoques& f = ShownForm<F_Buscar_BLoques>();
             return Chain{&f, {{"LISTA", &f.LISTA}}};
         }},
    };
    for (const auto& [name, open] : forms) {
        SCOPED_TRACE(name);
        const Chain chain = open();
        const std::vector<Stop>& stops = chain.stops;
        // The list names every control the keyboard can reach, none twice.
        std::set<QWidget*> listed;
        for (const Stop& stop : stops)
            listed.insert(stop.second->Widget());
        EXPECT_EQ(listed, TabStops(chain.form->Surface()));
        EXPECT_EQ(listed.size(), stops.size());

        stops.front().second->SetFocus();
        std::vector<std::string> forward, expected;
        for (size_t i = 1; i <= stops.size(); ++i) {
            user::Press(Qt::Key_Tab);
            forward.push_back(Focused(stops));
            expected.push_back(stops[i % stops.size()].first);
        }
        EXPECT_EQ(forward, expected);
        std::vector<std::string> backward, reversed;
        for (size_t i = 1; i <= stops.size(); ++i) {
            user::Press(Qt::Key_Tab, Qt::ShiftModifier);
            backward.push_back(Focused(stops));
            reversed.push_back(stops[stops.size() - i].first);
        }
        EXPECT_EQ(backward, reversed);
        chain.form->Unload();
    }
}

TEST_F(KeyboardOnly, EscapeOnTheOpenCalendarOfAsignarStoresNoDay)
{
    ContratoMostrado();
    Asignar& a = DiasDelContrato();
    QWidget* calendar = static_cast<QDateTimeEdit*>(a.DTPicker1.Widget())->calendarWidget()->window();
    const std::pair<const char*, std::vector<Qt::Key>> moves[] = {
        {"nothing", {}},
        {"to the next day", {Qt::Key_Right}},
        {"to the next week", {Qt::Key_Down}},
    };
    for (const auto& [name, keys] : moves) {
        SCOPED_TRACE(name);
        user::Press(Qt::Key_F4);
        ASSERT_TRUE(calendar->isVisible());
        for (Qt::Key key : keys)
            user::Press(key);
        user::Press(Qt::Key_Escape);
        EXPECT_FALSE(calendar->isVisible());
        EXPECT_EQ(a.DTPicker1.Value().date(), QDate::currentDate());
    }
    EXPECT_TRUE(Dias().isEmpty());
    EXPECT_TRUE(Prompts().isEmpty()) << Prompts().join('|').toStdString();

    // Return chooses: the day shown, then the day moved to.
    user::Press(Qt::Key_Down, Qt::AltModifier);
    user::Press(Qt::Key_Return);
    user::Press(Qt::Key_F4);
    user::Press(Qt::Key_Right);
    user::Press(Qt::Key_Return);
    const QDate hoy = QDate::currentDate();
    EXPECT_EQ(Dias(), QStringList({hoy.toString("dd/MM/yyyy"), hoy.addDays(1).toString("dd/MM/yyyy")}));
}

TEST_F(KeyboardOnly, ReturnOnTheFocusedButtonPressesIt)
{
    F_Clientes& f = ShownForm<F_Clientes>();
    ASSERT_TRUE(user::TabTo(f.B_Añadir));
    user::Press(Qt::Key_Return);
    // "Añadir" proposes the number and gives its box the focus.
    EXPECT_EQ(f.T_Codigo.Text(), "1");
    EXPECT_TRUE(f.T_Codigo.Widget()->hasFocus());
    // Return in a box presses nothing.
    user::Press(Qt::Key_Return);
    EXPECT_TRUE(f.B_Guardar.Enabled());
    EXPECT_TRUE(Prompts().isEmpty());
    ASSERT_TRUE(user::TabTo(f.B_Cancelar));
    user::Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(f.T_Codigo.Text(), "");
    EXPECT_FALSE(f.B_Guardar.Enabled());
}

TEST_F(KeyboardOnly, TheWholeTrafficPathWithTheKeyboard)
{
    const QString cuña = Wav("spot.wav", 30000);
    const QDate dia = QDate::currentDate().addDays(3);
    F_Menu& menu = ShownForm<F_Menu>();
    // The first window has the keyboard, on its first button.
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu.Surface()));
    ASSERT_TRUE(menu.Command1.Widget()->hasFocus());
    // Back from each form the menu has the keyboard again.
    const auto backInTheMenu = [&menu] { return QTest::qWaitForWindowActive(menu.Surface()); };

    ft::WhenShown<F_Clientes>([](F_Clientes& f) {
        ASSERT_TRUE(user::Shown(f));
        ASSERT_TRUE(user::TabTo(f.B_Añadir));
        user::Press(Qt::Key_Return);
        user::Press(Qt::Key_Tab);
        user::Type("Bar Sol");
        ASSERT_TRUE(user::TabTo(f.T_Comentario));
        user::Type("Paga al contado");
        ASSERT_TRUE(user::TabTo(f.B_Guardar));
        user::Press(Qt::Key_Return);
        ASSERT_TRUE(user::TabTo(f.B_Salir));
        user::Press(Qt::Key_Return);
    });
    user::Press(Qt::Key_Return);
    ASSERT_TRUE(backInTheMenu());
    EXPECT_EQ(Filas("SELECT NUMERO,NOMBRE,COMENTARIO FROM CLIENTES"), QStringList({"1 Bar Sol Paga al contado"}));

    ft::WhenShown<F_BLoques>([](F_BLoques& f) {
        ASSERT_TRUE(user::Shown(f));
        ASSERT_TRUE(user::TabTo(f.B_Añadir));
        user::Press(Qt::Key_Return);
        ASSERT_TRUE(f.T_hora.Widget()->hasFocus());
        user::Type("10:00:00");
        ASSERT_TRUE(user::TabTo(f.B_Guardar));
        user::Press(Qt::Key_Return);
        ASSERT_TRUE(user::TabTo(f.B_Salir));
        user::Press(Qt::Key_Return);
    });
    ASSERT_TRUE(user::TabTo(menu.Command4));
    user::Press(Qt::Key_Return);
    ASSERT_TRUE(backInTheMenu());
    EXPECT_EQ(Filas("SELECT HORA,TIEMPO FROM BLOQUES"), QStringList({"10:00:00 0"}));

    ft::ChooseFile(cuña);
    ft::WhenShown<F_Publicidad>([&dia](F_Publicidad& f) {
        ASSERT_TRUE(user::Shown(f));
        ASSERT_TRUE(user::TabTo(f.B_Añadir_p));
        user::Press(Qt::Key_Return);
        ASSERT_TRUE(f.T_Orden.Widget()->hasFocus());
        EXPECT_EQ(f.T_Orden.Text(), "1");

        // The advertiser: the search's pick is a double-click, as the form has it.
        ft::WhenShown<F_Buscar_Clientes>([](F_Buscar_Clientes& b) {
            ASSERT_TRUE(user::Shown(b));
            user::DoubleClickAt(b.LISTA, user::Cell(b.LISTA, 1, 2));
        });
        ASSERT_TRUE(user::TabTo(f.Command1));
        user::Press(Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.Surface()));
        EXPECT_EQ(f.T_Cliente.Caption(), "1");

        ASSERT_TRUE(user::TabTo(f.T_Campaña));
        user::Type("Verano");
        ASSERT_TRUE(user::TabTo(f.Command5));
        user::Press(Qt::Key_Return);
        EXPECT_EQ(f.L_Duracion.Caption(), "00:00:30");
        ASSERT_TRUE(user::TabTo(f.T_Voz));
        user::Type("Ana");
        user::Press(Qt::Key_Tab);
        user::Type("Tres cunas");
        user::Press(Qt::Key_Tab);
        EXPECT_TRUE(f.Lista1.Widget()->hasFocus());
        ASSERT_TRUE(user::TabTo(f.B_Guardar_p));
        user::Press(Qt::Key_Return);

        // Its broadcast day typed, then chosen in the calendar.
        ft::WhenShown<Asignar>([&dia](Asignar& a) {
            ASSERT_TRUE(user::Shown(a));
            ASSERT_TRUE(user::TabTo(a.DTPicker1));
            user::Type(dia.toString("dd/MM/yyyy"));
            user::Press(Qt::Key_F4);
            user::Press(Qt::Key_Return);
            ASSERT_TRUE(user::TabTo(a.Command2));
            user::Press(Qt::Key_Return);
        });
        ASSERT_TRUE(user::TabTo(f.Command3));
        user::Press(Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.Surface()));
        EXPECT_EQ(f.T_Periodo1.Value().date(), dia);

        // Placed in the block at ten.
        ASSERT_TRUE(user::TabTo(f.Lista1));
        user::Press(Qt::Key_Home);
        ASSERT_TRUE(user::TabTo(f.Poner_p));
        user::Press(Qt::Key_Return);
        EXPECT_EQ(f.L_Pases.Caption(), "1");
        ASSERT_TRUE(user::TabTo(f.Command2));
        user::Press(Qt::Key_Return);
    });
    ASSERT_TRUE(user::TabTo(menu.Command3));
    user::Press(Qt::Key_Return);
    ASSERT_TRUE(backInTheMenu());

    ASSERT_TRUE(user::TabTo(menu.Command5));
    user::Press(Qt::Key_Return);
    EXPECT_FALSE(menu.Loaded());
    EXPECT_EQ(QStringList(ft::ShownModally().begin(), ft::ShownModally().end()),
              QStringList({"F_Clientes", "F_BLoques", "F_Publicidad", "F_Buscar_Clientes", "Asignar"}));
    EXPECT_TRUE(Prompts().isEmpty()) << Prompts().join('|').toStdString();

    // The next start keeps the spot in its block until its broadcast day has passed.
    forms::Get<F_Menu>();
    const QString d = dia.toString("dd/MM/yyyy");
    EXPECT_EQ(Filas("SELECT ORDEN,CLIENTE,CLIENTE_NOMBRE,CAMPAÑA,PERIODO,NOMBRE,DURACION_MOSTRAR,VOZ,COMENTARIO "
                    "FROM PUBLICIDAD"),
              QStringList({"1 1 Bar Sol Verano " + d + " spot.wav 00:00:30 Ana Tres cunas"}));
    EXPECT_EQ(Filas("SELECT DIA FROM DIAS WHERE CONTRATO=1"), QStringList({d}));
    EXPECT_EQ(Filas("SELECT ORDEN,BLOQUE,TIEMPO,FECHA1 FROM PUBLICIDAD_CONTENIDO"),
              QStringList({"1 10:00:00 30 " + d}));
    EXPECT_EQ(Filas("SELECT HORA,TIEMPO,TIEMPO_VER FROM BLOQUES"), QStringList({"10:00:00 30 00:00:30"}));
}

}  // namespace
