#include "forms/CommandButton.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "forms/TestSeam.h"
#include "forms/TextBox.h"
#include "forms/Timer.h"

#include <QAccessible>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

// Labels and controls in the order a form declares them, which is their tab order.
class Fields : public forms::Form {
public:
    forms::Frame Frame1{*this};
    forms::Frame Frame2{static_cast<forms::Container&>(Frame1)};
    forms::Label Label1{Frame1};
    forms::DTPicker T_hora{Frame1, forms::PickerFormat::Time};
    forms::Label Label2{Frame1};
    forms::Timer Timer1{*this};
    forms::TextBox T_Nombre{Frame1};
    forms::Label Label3{Frame1};
    forms::CommandButton B_Guardar{Frame1};
    forms::Label Label4{*this};
    forms::Label L_Total{*this};
    forms::Label Label5{*this};
    forms::TextBox T_Grupo{*this};
    forms::Label Label6{*this};
    forms::MSFlexGrid LISTA{*this};
    forms::Label L_Suma{Frame1};
    forms::TextBox T_Detalle{Frame2};

private:
    void Design() override
    {
        Frame1.Caption("Bloques");
        Label1.Caption("Hora emisión");
        Label2.Caption("Nombre");
        Label3.Caption("Pulse para guardar");
        B_Guardar.Caption("Guardar");
        Label4.Caption("Total");
        L_Total.Caption("00:00:30");
        Label5.Caption("Rock & Roll");
        Label6.Caption("Bloques del día");
        L_Suma.Caption("00:01:30");
    }
};

std::string NameOf(const QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget))->text(QAccessible::Name).toStdString();
}

std::string NameOf(forms::Control& control)
{
    return NameOf(control.Widget());
}

std::string FirstLabelOf(forms::Control& control)
{
    const auto labels = QAccessible::queryAccessibleInterface(control.Widget())->relations(QAccessible::Label);
    return labels.isEmpty() ? std::string() : labels.front().first->text(QAccessible::Name).toStdString();
}

TEST(AccessibleNamesTest, AControlWithoutACaptionIsNamedByTheLabelJustBeforeItInTabOrder)
{
    forms::test::Seam seam;
    Fields& f = forms::Get<Fields>();
    // Not by the frame around it.
    EXPECT_EQ(NameOf(f.T_hora), "Hora emisión");
    EXPECT_EQ(FirstLabelOf(f.T_hora), "Hora emisión");
    // A timer has no place in tab order.
    EXPECT_EQ(NameOf(f.T_Nombre), "Nombre");
    EXPECT_EQ(FirstLabelOf(f.T_Nombre), "Nombre");
    EXPECT_EQ(NameOf(f.LISTA), "Bloques del día");
    // A label in the frame around another frame is not the label of what that frame holds.
    EXPECT_EQ(NameOf(f.T_Detalle), "");
    EXPECT_EQ(FirstLabelOf(f.T_Detalle), "");
    // Buttons and labels keep their own caption.
    EXPECT_EQ(NameOf(f.B_Guardar), "Guardar");
    EXPECT_EQ(NameOf(f.L_Total), "00:00:30");
}

TEST(AccessibleNamesTest, AnAmpersandInTheLabelStaysTextAndStillNamesTheControl)
{
    forms::test::Seam seam;
    Fields& f = forms::Get<Fields>();
    EXPECT_EQ(NameOf(f.T_Grupo), "Rock & Roll");
    // Not a keyboard shortcut: the label shows and reads its ampersand.
    EXPECT_EQ(f.Label5.Caption(), "Rock & Roll");
    EXPECT_EQ(NameOf(f.Label5), "Rock & Roll");
}

TEST(AccessibleNamesTest, ANewCaptionRenamesTheControlAndTheNextLoadNamesItAgain)
{
    forms::test::Seam seam;
    Fields& f = forms::Get<Fields>();
    f.Label1.Caption("Hora de inicio");
    EXPECT_EQ(NameOf(f.T_hora), "Hora de inicio");
    EXPECT_EQ(FirstLabelOf(f.T_hora), "Hora de inicio");
    f.Unload();
    EXPECT_EQ(NameOf(f.T_hora), "Hora emisión");
}

}  // namespace
