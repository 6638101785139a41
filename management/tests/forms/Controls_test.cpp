#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/CommonDialog.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MsgBox.h"
#include "forms/PictureBox.h"
#include "forms/TestSeam.h"
#include "forms/TextBox.h"
#include "forms/Timer.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QEventLoop>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

namespace ft = forms::test;

namespace {

class Controls : public forms::Form {
public:
    Controls()
    {
        B_Fichero.OnClick = [this] {
            try {
                CommonDialog.CancelError(true);
                CommonDialog.ShowOpen();
            } catch (const std::exception&) {
                ++cancels;
                return;
            }
            chosen = CommonDialog.FileName();
        };
        DTPicker1.OnCloseUp = [this] { closedOn = DTPicker1.Value().date(); };
        Combo.OnClick = [this] { ++comboClicks; };
        Text1.OnChange = [this] { ++changes; };
        Timer1.OnTimer = [this] { ++ticks; };
        Check1.OnClick = [this] { ++checkClicks; };
        L2.OnMouseDown = [this](int Button, int Shift, float X, float Y) {
            pressed = {float(Button), float(Shift), X, Y};
        };
    }

    forms::CommandButton B_Fichero{*this};
    forms::CommonDialog CommonDialog{*this};
    forms::DTPicker DTPicker1{*this};
    forms::DTPicker T_hora{*this, forms::PickerFormat::Time};
    forms::ComboBox Combo{*this, forms::ComboStyle::DropDownList};
    forms::TextBox Text1{*this};
    forms::Timer Timer1{*this};
    forms::CheckBox Check1{*this};
    forms::PictureBox L2{*this};

    QString chosen;
    int cancels = 0;
    QDate closedOn;
    int comboClicks = 0;
    int changes = 0;
    int ticks = 0;
    int checkClicks = 0;
    std::vector<float> pressed;

private:
    void Design() override
    {
        CommonDialog.DialogTitle("Selecione");
        Timer1.Interval(5);
        Timer1.Enabled(false);
    }
};

TEST(MsgBoxTest, StylesAndAnswers)
{
    struct Case {
        int style;
        int scripted;  // 0: none needed
        int answer;
    };
    const Case cases[] = {
        {forms::vbOKOnly, 0, forms::vbOK},
        {forms::vbInformation, 0, forms::vbOK},
        {forms::vbYesNo + forms::vbQuestion, forms::vbYes, forms::vbYes},
        {forms::vbYesNo + forms::vbInformation, forms::vbNo, forms::vbNo},
        {forms::vbYesNo + forms::vbCritical, forms::vbYes, forms::vbYes},
    };
    ft::Seam seam;
    for (const Case& c : cases) {
        if (c.scripted)
            ft::AnswerMsgBox(c.scripted);
        EXPECT_EQ(forms::MsgBox("¿Desea eliminar el cliente?", c.style), c.answer) << c.style;
        EXPECT_EQ(ft::Messages().back().Buttons, c.style);
        EXPECT_EQ(ft::Messages().back().Prompt, "¿Desea eliminar el cliente?");
    }
    EXPECT_TRUE(ft::Errors().empty());
    EXPECT_THROW(forms::MsgBox("x", 3), std::invalid_argument);
}

TEST(CommonDialogTest, ChosenPathOrCancelTrappedByTheHandler)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    EXPECT_EQ(form.CommonDialog.DialogTitle(), "Selecione");
    ft::ChooseFile("/cuñas/verano.mp3");
    ASSERT_TRUE(ft::Click(form.B_Fichero));
    EXPECT_EQ(form.chosen, "/cuñas/verano.mp3");
    ft::CancelFileDialog();
    ASSERT_TRUE(ft::Click(form.B_Fichero));
    EXPECT_EQ(form.cancels, 1);
    EXPECT_EQ(form.CommonDialog.FileName(), "/cuñas/verano.mp3");
    EXPECT_TRUE(ft::Errors().empty());
}

TEST(CommonDialogTest, CancelWithoutCancelErrorRaisesNothing)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    ft::CancelFileDialog();
    EXPECT_NO_THROW(form.CommonDialog.ShowOpen());
    EXPECT_EQ(form.CommonDialog.FileName(), "");
}

TEST(DTPickerTest, CloseUpComesWithTheChosenDay)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    EXPECT_EQ(form.DTPicker1.Value().date(), QDate::currentDate());
    ASSERT_TRUE(ft::CloseUp(form.DTPicker1, QDate(2007, 3, 25)));
    EXPECT_EQ(form.closedOn, QDate(2007, 3, 25));
    // Setting the value by code is no CloseUp.
    form.DTPicker1.Value(QDate(2007, 3, 26));
    EXPECT_EQ(form.closedOn, QDate(2007, 3, 25));
    form.DTPicker1.Enabled(false);
    EXPECT_FALSE(ft::CloseUp(form.DTPicker1, QDate(2007, 1, 1)));
}

TEST(DTPickerTest, ClosingTheRealCalendarRaisesCloseUp)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    form.Show();
    auto* edit = static_cast<QDateTimeEdit*>(form.DTPicker1.Widget());
    QWidget* popup = edit->calendarWidget()->window();
    popup->show();
    edit->calendarWidget()->setSelectedDate(QDate(2008, 5, 6));
    emit edit->calendarWidget()->clicked(QDate(2008, 5, 6));
    popup->hide();
    EXPECT_EQ(form.closedOn, QDate(2008, 5, 6));
}

TEST(DTPickerTest, TimePickerValueIsATimeOnDayZero)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    EXPECT_EQ(form.T_hora.Value(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    form.T_hora.Value(QTime(8, 30));
    EXPECT_EQ(form.T_hora.Value(), QDateTime(QDate(1899, 12, 30), QTime(8, 30)));
    EXPECT_FALSE(ft::CloseUp(form.T_hora, QDate(2007, 1, 1)));
}

TEST(ComboBoxTest, AddingSelectsNothingAndSelectingRaisesClick)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    for (const char* entry : {"Nº Contrato", "Cuña", "Campaña", "Locutor"})
        form.Combo.AddItem(QString::fromUtf8(entry));
    EXPECT_EQ(form.Combo.ListIndex(), -1);
    EXPECT_EQ(form.comboClicks, 0);
    form.Combo.ListIndex(0);
    EXPECT_EQ(form.comboClicks, 1);
    ASSERT_TRUE(ft::Choose(form.Combo, 2));
    EXPECT_EQ(form.comboClicks, 2);
    EXPECT_EQ(form.Combo.Text(), "Campaña");
    EXPECT_EQ(form.Combo.ListCount(), 4);
}

TEST(TextBoxTest, EveryChangeOfTheTextRaisesChange)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    ASSERT_TRUE(ft::Type(form.Text1, "ver"));
    form.Text1.Text("");
    form.Text1.Text("");
    EXPECT_EQ(form.changes, 2);
    form.Text1.Locked(true);
    EXPECT_FALSE(ft::Type(form.Text1, "no"));
    EXPECT_EQ(form.Text1.Text(), "");
}

TEST(TimerTest, TicksOnlyWhileEnabled)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    EXPECT_FALSE(ft::Tick(form.Timer1));
    form.Timer1.Enabled(true);
    EXPECT_TRUE(ft::Tick(form.Timer1));
    EXPECT_EQ(form.ticks, 1);
    form.Unload();
    EXPECT_FALSE(form.Timer1.Enabled());  // back to design state
}

TEST(TimerTest, TicksFromTheEventLoop)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    form.Timer1.Enabled(true);
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GT(form.ticks, 2);
    form.Timer1.Enabled(false);
    const int ticks = form.ticks;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(form.ticks, ticks);
}

TEST(PictureBoxTest, MouseDownGivesButtonShiftAndTwips)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    form.L2.Move(0, 0, 3000, 1500);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 4), QPointF(10, 4), Qt::LeftButton, Qt::LeftButton,
                      Qt::ShiftModifier);
    QApplication::sendEvent(form.L2.Widget(), &press);
    EXPECT_EQ(form.pressed, std::vector<float>({1, 1, 150, 60}));
}

TEST(CheckBoxTest, ValueAndClick)
{
    ft::Seam seam;
    Controls& form = forms::Get<Controls>();
    EXPECT_EQ(form.Check1.Value(), 0);
    ASSERT_TRUE(ft::Click(form.Check1));
    EXPECT_EQ(form.Check1.Value(), 1);
    form.Check1.Value(0);
    EXPECT_EQ(form.checkClicks, 2);
}

// A one-pixel marker on a white area, as the timeline window draws its intro
// marker and play cursor: borderless coloured frames.
class Markers : public forms::Form {
public:
    forms::PictureBox Area{*this};
    forms::Frame Marker{Area};
    forms::Label Boxed{*this};

private:
    void Design() override
    {
        Width(3000);
        Height(2000);
        Area.Move(0, 0, 1500, 1500);
        Area.BackColor(Qt::white);
        Marker.Move(300, 0, 15, 1500);
        Marker.BorderStyle(0);
        Marker.BackColor(Qt::red);
        Boxed.Move(1650, 150, 1200, 300);
        Boxed.BackColor(Qt::white);
        Boxed.BorderStyle(1);
    }
};

TEST(FrameTest, ABorderlessColouredFrameIsDrawnInItsColour)
{
    ft::Seam seam;
    Markers& form = forms::Get<Markers>();
    const QImage area = form.Area.Widget()->grab().toImage();
    EXPECT_EQ(area.pixelColor(20, 50), QColor(Qt::red));
    EXPECT_EQ(area.pixelColor(40, 50), QColor(Qt::white));
}

TEST(LabelTest, ABorderedLabelHasALineAroundIt)
{
    ft::Seam seam;
    Markers& form = forms::Get<Markers>();
    const QImage label = form.Boxed.Widget()->grab().toImage();
    EXPECT_NE(label.pixelColor(0, 10), QColor(Qt::white));
    EXPECT_EQ(label.pixelColor(40, 10), QColor(Qt::white));
}

}  // namespace
