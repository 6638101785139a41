// Typing into the pickers with the keyboard, as a user does: real key and
// mouse events on the shown widgets, no test seam for the typing.

#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/TestSeam.h"
#include "forms/TextBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ft = forms::test;

namespace {

class Pickers : public forms::Form {
public:
    forms::TextBox Text1{*this};
    forms::DTPicker T_hora{*this, forms::PickerFormat::Time};
    forms::DTPicker T_Dia{*this};
    forms::DTPicker T_Corta{*this};
    forms::DTPicker T_Año{*this};

private:
    void Design() override
    {
        Width(6000);
        Height(4000);
        Text1.Move(120, 120, 1500, 315);
        int top = 600;
        for (forms::DTPicker* picker : {&T_hora, &T_Dia, &T_Corta, &T_Año}) {
            picker->Move(120, top, 1800, 315);
            top += 480;
        }
        T_Corta.CustomFormat("dd/MM/yy");
        T_Año.CustomFormat("yyy");
        T_Dia.Value(QDate(2026, 12, 10));
        T_Corta.Value(QDate(2026, 12, 10));
        T_Año.Value(QDate(2006, 9, 18));
    }
};

enum class Gesture {
    ClickFirstField,  // a click on the first field, the caret before its digits
    SelectAll,  // a click, then Ctrl+A
    TabIn,  // Tab from the text box before it
    ClickSecondField,  // a click between the digits of the second field
};

struct Case {
    const char* picker;
    Gesture gesture;
    const char* typed;
    QDateTime expected;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.picker << " typed " << c.typed;
}

forms::DTPicker& Named(Pickers& form, const std::string& name)
{
    if (name == "T_hora")
        return form.T_hora;
    if (name == "T_Dia")
        return form.T_Dia;
    if (name == "T_Corta")
        return form.T_Corta;
    return form.T_Año;
}

QDateTime Time(int h, int m, int s)
{
    return QDateTime(QDate(1899, 12, 30), QTime(h, m, s));
}

QDateTime Day(int y, int m, int d)
{
    return QDateTime(QDate(y, m, d), QTime(0, 0));
}

bool Shown(Pickers& form)
{
    form.Show();
    return QTest::qWaitForWindowExposed(form.Text1.Widget()->window());
}

// Where the caret lands for a click at the given character of the shown text.
QPoint AtCharacter(QLineEdit* edit, int index)
{
    const int x = edit->fontMetrics().horizontalAdvance(edit->text().left(index));
    return QPoint(edit->contentsRect().left() + 2 + x, edit->height() / 2);
}

class PickerTyping : public ::testing::TestWithParam<Case> {};

TEST_P(PickerTyping, TypedFieldsBecomeTheValue)
{
    const Case& c = GetParam();
    ft::Seam seam;
    Pickers& form = forms::Get<Pickers>();
    ASSERT_TRUE(Shown(form));
    forms::DTPicker& picker = Named(form, c.picker);
    auto* edit = picker.Widget()->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);

    switch (c.gesture) {
    case Gesture::ClickFirstField: QTest::mouseClick(edit, Qt::LeftButton, {}, AtCharacter(edit, 0)); break;
    case Gesture::SelectAll:
        QTest::mouseClick(edit, Qt::LeftButton, {}, AtCharacter(edit, 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        break;
    case Gesture::TabIn:
        // Tab from the text box, through the pickers before this one.
        QTest::mouseClick(form.Text1.Widget(), Qt::LeftButton);
        for (int tabs = 0; tabs < 20 && !picker.Widget()->hasFocus(); ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        break;
    case Gesture::ClickSecondField: QTest::mouseClick(edit, Qt::LeftButton, {}, AtCharacter(edit, 4)); break;
    }
    ASSERT_TRUE(picker.Widget()->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(c.typed));
    // Leaving the picker ends what is still being typed.
    QTest::mouseClick(form.Text1.Widget(), Qt::LeftButton);
    EXPECT_EQ(picker.Value(), c.expected);
}

const Case typed[] = {
    // The time pickers of the blocks form, typed as the station's staff do.
    {"T_hora", Gesture::SelectAll, "10:00:00", Time(10, 0, 0)},
    {"T_hora", Gesture::SelectAll, "09:30:00", Time(9, 30, 0)},
    {"T_hora", Gesture::SelectAll, "01:00:00", Time(1, 0, 0)},
    {"T_hora", Gesture::ClickFirstField, "23:59:59", Time(23, 59, 59)},
    {"T_hora", Gesture::TabIn, "09:30:15", Time(9, 30, 15)},
    {"T_hora", Gesture::TabIn, "1:5:7", Time(1, 5, 7)},
    {"T_hora", Gesture::TabIn, "083015", Time(8, 30, 15)},
    {"T_hora", Gesture::ClickSecondField, "45", Time(0, 45, 0)},
    // An hour past 23 starts the hour again with its last digit.
    {"T_hora", Gesture::SelectAll, "25:10:00", Time(5, 10, 0)},
    {"T_Dia", Gesture::SelectAll, "25/03/2007", Day(2007, 3, 25)},
    {"T_Dia", Gesture::ClickFirstField, "3/4/2007", Day(2007, 4, 3)},
    // The 29th survives February of a year that has none while typing.
    {"T_Dia", Gesture::TabIn, "29/02/2008", Day(2008, 2, 29)},
    {"T_Dia", Gesture::TabIn, "31/04/2007", Day(2007, 4, 30)},
    {"T_Dia", Gesture::ClickSecondField, "06", Day(2026, 6, 10)},
    {"T_Dia", Gesture::SelectAll, "1/1/07", Day(2007, 1, 1)},
    {"T_Corta", Gesture::SelectAll, "25/03/07", Day(2007, 3, 25)},
    {"T_Corta", Gesture::TabIn, "31/12/99", Day(1999, 12, 31)},
    {"T_Corta", Gesture::ClickFirstField, "01/01/29", Day(2029, 1, 1)},
    {"T_Corta", Gesture::ClickFirstField, "01/01/30", Day(2030, 1, 1)},
    {"T_Año", Gesture::SelectAll, "1999", Day(1999, 9, 18)},
    {"T_Año", Gesture::ClickFirstField, "2010", Day(2010, 9, 18)},
    {"T_Año", Gesture::TabIn, "85", Day(1985, 9, 18)},
};

INSTANTIATE_TEST_SUITE_P(Keys, PickerTyping, ::testing::ValuesIn(typed),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             const Case& c = param.param;
                             QString name = QString("%1_%2_").arg(c.picker).arg(param.index);
                             for (const QChar ch : QString::fromUtf8(c.typed))
                                 name += ch.isDigit() ? ch : QChar(u'_');
                             return name.replace(u'ñ', u'n').toStdString();
                         });

// On many keyboards (a Spanish one among them) ":" and "/" need Shift: its
// own press and release come between the digits.
TEST(PickerShift, SeparatorsTypedWithShiftEndOneFieldOnly)
{
    ft::Seam seam;
    Pickers& form = forms::Get<Pickers>();
    ASSERT_TRUE(Shown(form));
    const struct {
        forms::DTPicker* picker;
        const char* typed;
        QDateTime expected;
    } cases[] = {
        {&form.T_hora, "09:30:15", Time(9, 30, 15)},
        {&form.T_Dia, "25/03/2007", Day(2007, 3, 25)},
    };
    for (const auto& c : cases) {
        auto* edit = c.picker->Widget()->findChild<QLineEdit*>();
        QTest::mouseClick(edit, Qt::LeftButton, {}, AtCharacter(edit, 1));
        QWidget* typing = QApplication::focusWidget();
        QTest::keyClick(typing, Qt::Key_A, Qt::ControlModifier);
        for (const char ch : std::string(c.typed)) {
            if (ch >= '0' && ch <= '9') {
                QTest::keyClick(typing, ch);
                continue;
            }
            QTest::keyPress(typing, Qt::Key_Shift);
            QTest::keyClick(typing, ch, Qt::ShiftModifier);
            QTest::keyRelease(typing, Qt::Key_Shift, Qt::ShiftModifier);
        }
        QTest::mouseClick(form.Text1.Widget(), Qt::LeftButton);
        EXPECT_EQ(c.picker->Value(), c.expected) << c.typed;
    }
}

TEST(PickerArrows, UpAndDownStepTheFieldUnderTheCaret)
{
    ft::Seam seam;
    Pickers& form = forms::Get<Pickers>();
    ASSERT_TRUE(Shown(form));
    form.T_hora.Value(QTime(8, 0));
    auto* edit = form.T_hora.Widget()->findChild<QLineEdit*>();
    QTest::mouseClick(edit, Qt::LeftButton, {}, AtCharacter(edit, 4));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(form.T_hora.Value(), Time(8, 1, 0));
    // Digits typed after the arrows still go to that field.
    QTest::keyClicks(QApplication::focusWidget(), "30");
    EXPECT_EQ(form.T_hora.Value(), Time(8, 30, 0));
}

}  // namespace

TEST(PickerYear, AFourDigitYearShowsItsDigitsAsTheyAreTypedAndTakesThemWhenWhole)
{
    ft::Seam seam;
    Pickers& form = forms::Get<Pickers>();
    ASSERT_TRUE(Shown(form));
    const struct {
        forms::DTPicker* picker;
        int caret;  // a click before this character puts the caret in the year
        const char* shown[4];
        QDate taken;
    } cases[] = {
        {&form.T_Dia, 7, {"10/12/2", "10/12/20", "10/12/203", "10/12/2031"}, QDate(2031, 12, 10)},
        {&form.T_Año, 1, {"1", "19", "198", "1987"}, QDate(1987, 9, 18)},
    };
    for (const auto& c : cases) {
        const QDate before = c.picker->Value().date();
        auto* edit = c.picker->Widget()->findChild<QLineEdit*>();
        QTest::mouseClick(edit, Qt::LeftButton, {}, AtCharacter(edit, c.caret));
        const QString year = QString(c.shown[3]).right(4);
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), year[i].toLatin1());
            EXPECT_EQ(edit->text(), c.shown[i]);
            // The value waits for the whole year.
            EXPECT_EQ(c.picker->Value().date(), i < 3 ? before : c.taken) << c.shown[i];
        }
    }
    // A year left half typed is taken as typed when the picker is left.
    auto* edit = form.T_Dia.Widget()->findChild<QLineEdit*>();
    QTest::mouseClick(edit, Qt::LeftButton, {}, AtCharacter(edit, 7));
    QTest::keyClicks(QApplication::focusWidget(), "27");
    EXPECT_EQ(edit->text(), "10/12/27");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(form.T_Dia.Value().date(), QDate(2027, 12, 10));
    EXPECT_EQ(edit->text(), "10/12/2027");
}

TEST(PickerArrows, TabLeavesThePickerAndTheArrowsMoveBetweenItsFields)
{
    ft::Seam seam;
    Pickers& form = forms::Get<Pickers>();
    ASSERT_TRUE(Shown(form));
    form.T_Dia.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(form.T_Corta.Widget()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(form.T_Dia.Widget()->hasFocus());
    // Shift+Tab comes into the last field, the year; Left goes back to the month.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClicks(QApplication::focusWidget(), "05");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClicks(QApplication::focusWidget(), "2030");
    EXPECT_EQ(form.T_Dia.Value(), Day(2030, 5, 10));
}
