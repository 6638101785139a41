// Moving through a form and pressing its buttons with the keyboard alone,
// and which window has the keyboard: real key events on the shown widgets.

#include "Keyboard.h"

#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "forms/TestSeam.h"
#include "forms/TextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ft = forms::test;

namespace {

class Teclado : public forms::Form {
public:
    Teclado()
    {
        B_Guardar.OnClick = [this] { pressed.push_back("B_Guardar"); };
        B_Salir.OnClick = [this] { pressed.push_back("B_Salir"); };
        B_Eliminar.OnClick = [this] { pressed.push_back("B_Eliminar"); };
    }

    forms::Label Label1{*this};
    forms::TextBox T_Nombre{*this};
    forms::Label Label2{*this};
    forms::TextBox T_Comentario{*this, forms::Lines::Multi};
    forms::MSFlexGrid LISTA{*this};
    forms::Frame Frame1{*this};
    forms::DTPicker T_Dia{Frame1};
    forms::CheckBox C_Prioritario{Frame1};
    forms::CommandButton B_Eliminar{Frame1};
    forms::CommandButton B_Oculto{Frame1};
    forms::ComboBox Combo{*this, forms::ComboStyle::DropDownList};
    forms::CommandButton B_Guardar{*this};
    forms::CommandButton B_Salir{*this};
    forms::Frame Frame2{*this};
    forms::TextBox T_Apagado{Frame2};

    std::vector<std::string> pressed;

private:
    void Design() override
    {
        Width(9000);
        Height(6000);
        Label1.Caption("Nombre");
        Label1.Move(120, 120, 900, 255);
        T_Nombre.Move(1080, 120, 3000, 315);
        Label2.Caption("Comentario");
        Label2.Move(120, 540, 900, 255);
        T_Comentario.Move(1080, 540, 3000, 900);
        LISTA.Move(120, 1560, 4000, 1800);
        LISTA.Cols(3);
        LISTA.Rows(5);
        Frame1.Move(4320, 120, 4500, 2400);
        T_Dia.Move(120, 240, 1800, 315);
        C_Prioritario.Caption("Sat");
        C_Prioritario.Move(120, 720, 1200, 255);
        B_Eliminar.Caption("Eliminar");
        B_Eliminar.Move(120, 1200, 1200, 375);
        B_Eliminar.Enabled(false);
        B_Oculto.Caption("Oculto");
        B_Oculto.Move(1440, 1200, 1200, 375);
        B_Oculto.Visible(false);
        Combo.Move(120, 3600, 2000, 315);
        Combo.AddItem("Uno");
        B_Guardar.Caption("Guardar");
        B_Guardar.Move(2400, 3600, 1200, 375);
        B_Salir.Caption("Salir");
        B_Salir.Move(3720, 3600, 1200, 375);
        Frame2.Move(120, 4200, 4500, 900);
        T_Apagado.Move(120, 240, 1800, 315);
        Frame2.Enabled(false);
    }
};

class Otra : public forms::Form {
public:
    forms::TextBox Text1{*this};
    forms::CommandButton Command1{*this};

private:
    void Design() override
    {
        Width(4000);
        Height(2000);
        Text1.Move(120, 120, 1500, 315);
        Command1.Move(120, 600, 1200, 375);
    }
};

class KeyboardFocus : public ::testing::Test {
protected:
    void SetUp() override
    {
        Teclado& f = forms::Get<Teclado>();
        f.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.Surface()));
        f.T_Nombre.SetFocus();
        ASSERT_TRUE(f.T_Nombre.Widget()->hasFocus());
    }

    static Teclado& Form() { return forms::Get<Teclado>(); }

    // The control with the focus, by name.
    static std::string Focused()
    {
        Teclado& f = Form();
        const std::pair<const char*, forms::Control*> controls[] = {
            {"T_Nombre", &f.T_Nombre},
            {"T_Comentario", &f.T_Comentario},
            {"LISTA", &f.LISTA},
            {"T_Dia", &f.T_Dia},
            {"C_Prioritario", &f.C_Prioritario},
            {"B_Eliminar", &f.B_Eliminar},
            {"B_Oculto", &f.B_Oculto},
            {"Combo", &f.Combo},
            {"B_Guardar", &f.B_Guardar},
            {"B_Salir", &f.B_Salir},
            {"T_Apagado", &f.T_Apagado},
        };
        QWidget* focus = QApplication::focusWidget();
        for (const auto& [name, control] : controls) {
            QWidget* w = control->Widget();
            if (focus && (focus == w || w->isAncestorOf(focus)))
                return name;
        }
        return focus ? "a widget of no control" : "nothing";
    }

    ft::Seam seam_;
};

TEST_F(KeyboardFocus, TabAndShiftTabGoThroughEveryControlTheUserCanReachInTabOrder)
{
    const std::vector<std::string> chain = {"T_Comentario", "LISTA",     "T_Dia",   "C_Prioritario",
                                            "Combo",        "B_Guardar", "B_Salir", "T_Nombre"};
    std::vector<std::string> forward;
    for (size_t i = 0; i < chain.size(); ++i) {
        Press(Qt::Key_Tab);
        forward.push_back(Focused());
    }
    EXPECT_EQ(forward, chain);

    std::vector<std::string> backward;
    for (size_t i = 0; i < chain.size(); ++i) {
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        backward.push_back(Focused());
    }
    const std::vector<std::string> reversed = {"B_Salir", "B_Guardar", "Combo",        "C_Prioritario",
                                               "T_Dia",   "LISTA",     "T_Comentario", "T_Nombre"};
    EXPECT_EQ(backward, reversed);
}

TEST_F(KeyboardFocus, AMultiLineBoxTakesNoTabCharacter)
{
    Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), "T_Comentario");
    QTest::keyClicks(QApplication::focusWidget(), "Verano");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "LISTA");
    EXPECT_EQ(Form().T_Comentario.Text(), "Verano");
    Press(Qt::Key_Backtab);
    EXPECT_EQ(Focused(), "T_Comentario");
    // Return still starts a new line.
    Press(Qt::Key_End, Qt::ControlModifier);
    Press(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "otra");
    EXPECT_EQ(Form().T_Comentario.Text(), "Verano\notra");
}

TEST_F(KeyboardFocus, ArrowsMoveWithinAGridAndEveryKindOfTabLeavesIt)
{
    Teclado& f = Form();
    struct Case {
        const char* keys;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* reached;
    };
    const Case cases[] = {
        {"Tab", Qt::Key_Tab, Qt::NoModifier, "T_Dia"},
        {"Shift+Tab", Qt::Key_Tab, Qt::ShiftModifier, "T_Comentario"},
        {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, "T_Comentario"},
        {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, "T_Dia"},
        {"Ctrl+Shift+Tab", Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, "T_Comentario"},
        {"Ctrl+Shift+Backtab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "T_Comentario"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        f.LISTA.SetFocus();
        f.LISTA.Row(1);
        f.LISTA.Col(1);
        Press(Qt::Key_Down);
        Press(Qt::Key_Down);
        Press(Qt::Key_Right);
        EXPECT_EQ(f.LISTA.Row(), 3);
        EXPECT_EQ(f.LISTA.Col(), 2);
        Press(c.key, c.modifiers);
        EXPECT_EQ(Focused(), c.reached);
        // Leaving the grid keeps its current cell.
        EXPECT_EQ(f.LISTA.Row(), 3);
        EXPECT_EQ(f.LISTA.Col(), 2);
    }
}

TEST_F(KeyboardFocus, ReturnEnterAndSpacePressTheFocusedButtonOnly)
{
    Teclado& f = Form();
    struct Case {
        const char* keys;
        forms::Control* focused;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::string> pressed;
    };
    const Case cases[] = {
        {"Return on Guardar", &f.B_Guardar, Qt::Key_Return, Qt::NoModifier, {"B_Guardar"}},
        {"Enter on Salir", &f.B_Salir, Qt::Key_Enter, Qt::KeypadModifier, {"B_Salir"}},
        {"Space on Guardar", &f.B_Guardar, Qt::Key_Space, Qt::NoModifier, {"B_Guardar"}},
        // No button is pressed from elsewhere: there is no default button.
        {"Return in a text box", &f.T_Nombre, Qt::Key_Return, Qt::NoModifier, {}},
        {"Return in the grid", &f.LISTA, Qt::Key_Return, Qt::NoModifier, {}},
        {"Return on the check box", &f.C_Prioritario, Qt::Key_Return, Qt::NoModifier, {}},
        {"Ctrl+Return on Guardar", &f.B_Guardar, Qt::Key_Return, Qt::ControlModifier, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        f.pressed.clear();
        c.focused->SetFocus();
        Press(c.key, c.modifiers);
        EXPECT_EQ(f.pressed, c.pressed);
    }
    EXPECT_EQ(f.C_Prioritario.Value(), 0);
}

TEST_F(KeyboardFocus, AReturnHeldDownPressesTheButtonOnce)
{
    Teclado& f = Form();
    f.B_Guardar.SetFocus();
    QWidget* button = QApplication::focusWidget();
    QTest::keyPress(button, Qt::Key_Return);
    for (int repeats = 0; repeats < 3; ++repeats) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QApplication::sendEvent(button, &repeat);
    }
    QTest::keyRelease(button, Qt::Key_Return);
    EXPECT_EQ(f.pressed, std::vector<std::string>({"B_Guardar"}));
}

TEST_F(KeyboardFocus, TheWindowShownLastTakesTheKeyboardAndGivesItBackWhenItGoes)
{
    Teclado& f = Form();
    Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), "T_Comentario");
    Otra& otra = forms::Get<Otra>();
    otra.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(otra.Surface()));
    EXPECT_EQ(QApplication::activeWindow(), otra.Surface());
    EXPECT_EQ(QApplication::focusWidget(), otra.Text1.Widget());

    otra.Unload();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Surface()));
    EXPECT_EQ(Focused(), "T_Comentario");

    // A form hidden and shown again takes it once more.
    otra.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(otra.Surface()));
    otra.Hide();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Surface()));
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "LISTA");
}

}  // namespace
