// The drop-down calendar of a date picker, opened, used and closed with the
// keyboard and the mouse: real events on the shown widgets.

#include "Keyboard.h"

#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/TestSeam.h"
#include "forms/TextBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace ft = forms::test;

namespace {

class Calendario : public forms::Form {
public:
    Calendario()
    {
        T_Dia.OnCloseUp = [this] { closedOn.push_back(T_Dia.Value().date()); };
    }

    forms::TextBox Text1{*this};
    forms::DTPicker T_Dia{*this};
    forms::DTPicker T_hora{*this, forms::PickerFormat::Time};

    std::vector<QDate> closedOn;

private:
    void Design() override
    {
        Width(5000);
        Height(3000);
        Text1.Move(120, 120, 1500, 315);
        T_Dia.Move(120, 600, 1800, 315);
        T_hora.Move(120, 1080, 1800, 315);
        T_Dia.Value(QDate(2026, 3, 10));
    }
};

QDateTimeEdit* Edit(forms::DTPicker& picker)
{
    return static_cast<QDateTimeEdit*>(picker.Widget());
}

QWidget* Popup(forms::DTPicker& picker)
{
    return Edit(picker)->calendarWidget()->window();
}

// A left click on a day of the month the open calendar shows.
void ClickDay(QCalendarWidget* calendar, int day)
{
    auto* view = calendar->findChild<QAbstractItemView*>();
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        for (int col = 0; col < model->columnCount(); ++col) {
            const QModelIndex index = model->index(row, col);
            // Days 10 to 20 are shown once, in the month itself.
            if (model->data(index).toInt() == day) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
                return;
            }
        }
    ADD_FAILURE() << "no day " << day << " in the calendar";
}

class PickerCalendar : public ::testing::Test {
protected:
    void SetUp() override
    {
        Calendario& f = forms::Get<Calendario>();
        f.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.Surface()));
        QTest::mouseClick(f.Text1.Widget(), Qt::LeftButton);
        Press(Qt::Key_Tab);
        ASSERT_TRUE(f.T_Dia.Widget()->hasFocus());
    }

    Calendario& Form() { return forms::Get<Calendario>(); }

    ft::Seam seam_;
};

TEST_F(PickerCalendar, F4AndAltDownDropTheCalendarDownWithoutChangingTheDay)
{
    const std::pair<const char*, std::function<void()>> keys[] = {
        {"F4", [] { Press(Qt::Key_F4); }},
        {"Alt+Down", [] { Press(Qt::Key_Down, Qt::AltModifier); }},
    };
    for (const auto& [name, key] : keys) {
        SCOPED_TRACE(name);
        key();
        ASSERT_TRUE(Popup(Form().T_Dia)->isVisible());
        EXPECT_EQ(QApplication::activePopupWidget(), Popup(Form().T_Dia));
        EXPECT_EQ(Form().T_Dia.Value().date(), QDate(2026, 3, 10));
        EXPECT_EQ(Edit(Form().T_Dia)->calendarWidget()->selectedDate(), QDate(2026, 3, 10));
        Press(Qt::Key_Escape);
        ASSERT_FALSE(Popup(Form().T_Dia)->isVisible());
        EXPECT_TRUE(Form().T_Dia.Widget()->hasFocus());
    }
    EXPECT_TRUE(Form().closedOn.empty());
}

TEST_F(PickerCalendar, EscapeClosesTheCalendarWithoutChoosingTheDayMovedTo)
{
    struct Case {
        const char* moves;
        std::vector<Qt::Key> keys;
    };
    const Case cases[] = {
        {"no move", {}},
        {"a day on", {Qt::Key_Right}},
        {"a week back, a day on", {Qt::Key_Up, Qt::Key_Right}},
        {"a month on", {Qt::Key_PageDown}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moves);
        Press(Qt::Key_F4);
        ASSERT_TRUE(Popup(Form().T_Dia)->isVisible());
        for (Qt::Key key : c.keys)
            Press(key);
        Press(Qt::Key_Escape);
        EXPECT_FALSE(Popup(Form().T_Dia)->isVisible());
        EXPECT_EQ(Form().T_Dia.Value().date(), QDate(2026, 3, 10));
    }
    EXPECT_TRUE(Form().closedOn.empty());
}

TEST_F(PickerCalendar, ReturnOrAClickChoosesTheDayAndClosesUp)
{
    Press(Qt::Key_F4);
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    EXPECT_FALSE(Popup(Form().T_Dia)->isVisible());
    EXPECT_EQ(Form().T_Dia.Value().date(), QDate(2026, 3, 18));

    Press(Qt::Key_Down, Qt::AltModifier);
    ClickDay(Edit(Form().T_Dia)->calendarWidget(), 12);
    EXPECT_FALSE(Popup(Form().T_Dia)->isVisible());
    EXPECT_EQ(Form().T_Dia.Value().date(), QDate(2026, 3, 12));

    // Return on the day it opened with chooses that day.
    Press(Qt::Key_F4);
    Press(Qt::Key_Return);
    EXPECT_EQ(Form().closedOn, std::vector<QDate>({QDate(2026, 3, 18), QDate(2026, 3, 12), QDate(2026, 3, 12)}));
}

TEST_F(PickerCalendar, ACalendarClosedByEscapeAfterOneChosenCanBeChosenFromAgain)
{
    Press(Qt::Key_F4);
    Press(Qt::Key_Escape);
    Press(Qt::Key_F4);
    Press(Qt::Key_Left);
    Press(Qt::Key_Enter);
    EXPECT_EQ(Form().T_Dia.Value().date(), QDate(2026, 3, 9));
    EXPECT_EQ(Form().closedOn, std::vector<QDate>({QDate(2026, 3, 9)}));
}

TEST_F(PickerCalendar, ATimePickerHasNoCalendarAndF4ChangesNothing)
{
    Press(Qt::Key_Tab);
    ASSERT_TRUE(Form().T_hora.Widget()->hasFocus());
    Form().T_hora.Value(QTime(10, 0));
    Press(Qt::Key_F4);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(Form().T_hora.Value().time(), QTime(10, 0));
}

TEST_F(PickerCalendar, TheCalendarNamesItsMonthAndDaysInSpanish)
{
    Press(Qt::Key_F4);
    QCalendarWidget* calendar = Edit(Form().T_Dia)->calendarWidget();
    QStringList buttons;
    for (const QToolButton* button : calendar->findChildren<QToolButton*>())
        if (button->isVisible())
            buttons << button->text();
    EXPECT_TRUE(buttons.contains("marzo")) << buttons.join(',').toStdString();
    const QAbstractItemModel* model = calendar->findChild<QAbstractItemView*>()->model();
    // The heading row, Monday first.
    QStringList days;
    for (int col = 0; col < model->columnCount(); ++col)
        days << model->data(model->index(0, col)).toString();
    EXPECT_EQ(days.join('|').toStdString(), "lun|mar|mié|jue|vie|sáb|dom");
    Press(Qt::Key_Escape);
}

}  // namespace
