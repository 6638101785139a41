#include "forms/PickerEdit.h"

#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <utility>

namespace forms {

namespace {

// The numeric field a run of one display-format letter stands for, and the
// most digits it takes; NoSection for the separators between fields.
std::pair<QDateTimeEdit::Section, int> FieldOf(QChar letter, int run)
{
    switch (letter.unicode()) {
    case u'd': return {run <= 2 ? QDateTimeEdit::DaySection : QDateTimeEdit::NoSection, 2};
    case u'M': return {run <= 2 ? QDateTimeEdit::MonthSection : QDateTimeEdit::NoSection, 2};
    case u'y': return {QDateTimeEdit::YearSection, run <= 2 ? 2 : 4};
    case u'H':
    case u'h': return {QDateTimeEdit::HourSection, 2};
    case u'm': return {QDateTimeEdit::MinuteSection, 2};
    case u's': return {QDateTimeEdit::SecondSection, 2};
    default: return {QDateTimeEdit::NoSection, 0};
    }
}

int Lowest(QDateTimeEdit::Section section)
{
    return section == QDateTimeEdit::DaySection || section == QDateTimeEdit::MonthSection ? 1 : 0;
}

int Highest(QDateTimeEdit::Section section, int digits)
{
    switch (section) {
    case QDateTimeEdit::DaySection: return 31;
    case QDateTimeEdit::MonthSection: return 12;
    case QDateTimeEdit::YearSection: return digits == 2 ? 99 : 9999;
    case QDateTimeEdit::HourSection: return 23;
    default: return 59;
    }
}

// A year typed with two digits lies within the 80 years before and the 20
// after this one, as the database reads such years: a contract running into
// the 2030s is not typed into the 1930s.
int FullYear(int typed)
{
    if (typed >= 100)
        return typed;
    const int current = QDate::currentDate().year();
    const int full = current - current % 100 + typed;
    if (full > current + 20)
        return full - 100;
    if (full < current - 79)
        return full + 100;
    return full;
}

// The day of that month nearest to day: the 31st is the 30th in April.
QDate DayIn(int year, int month, int day)
{
    return QDate(year, month, std::min(day, QDate(year, month, 1).daysInMonth()));
}

bool IsDigit(QChar key)
{
    return key >= u'0' && key <= u'9';
}

// Shift and the like, pressed on their own on the way to a separator such
// as ":" or "/" on many keyboards: no key of the typing.
bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock: return true;
    default: return false;
    }
}

bool DropsCalendarDown(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_F4 && modifiers == Qt::NoModifier)
           || (event.key() == Qt::Key_Down && modifiers == Qt::AltModifier);
}

}  // namespace

PickerEdit::PickerEdit(QWidget* parent) : QDateTimeEdit(parent)
{
}

void PickerEdit::OpenCalendar()
{
    if (!calendarPopup() || isReadOnly())
        return;
    StopTyping();
    // Qt drops the calendar down only for a press on the picker's arrow.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QPoint arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this).center();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QDateTimeEdit::mousePressEvent(&press);
}

// Where each field stands in the text shown: a separator shows as written,
// a field as its digits.
std::vector<PickerEdit::Field> PickerEdit::Fields() const
{
    const QString format = displayFormat();
    const QString shown = lineEdit()->text();
    std::vector<Field> fields;
    int at = 0;
    for (int i = 0; i < format.size();) {
        int run = 1;
        while (i + run < format.size() && format[i + run] == format[i])
            ++run;
        const auto [section, digits] = FieldOf(format[i], run);
        if (section == NoSection) {
            at += run;
        } else {
            int end = at;
            while (end < shown.size() && IsDigit(shown[end]))
                ++end;
            fields.push_back({section, at, end - at, digits});
            at = end;
        }
        i += run;
    }
    return fields;
}

int PickerEdit::FieldAtCaret(const std::vector<Field>& fields) const
{
    const QLineEdit* edit = lineEdit();
    const int at = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    for (size_t i = 0; i < fields.size(); ++i)
        if (at <= fields[i].start + fields[i].length)
            return int(i);
    return int(fields.size()) - 1;
}

void PickerEdit::keyPressEvent(QKeyEvent* event)
{
    if (calendarPopup() && DropsCalendarDown(*event)) {
        OpenCalendar();
        return;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const QChar key = plain && event->text().size() == 1 ? event->text()[0] : QChar();
    const std::vector<Field> fields = Fields();
    if (!fields.empty() && IsDigit(key)) {
        TypeDigit(fields, key);
        return;
    }
    if (!fields.empty() && key.isPunct()) {
        EndField(fields);
        return;
    }
    if (!IsModifierKey(event->key()))
        StopTyping();
    QDateTimeEdit::keyPressEvent(event);
}

void PickerEdit::mousePressEvent(QMouseEvent* event)
{
    StopTyping();
    QDateTimeEdit::mousePressEvent(event);
}

void PickerEdit::focusOutEvent(QFocusEvent* event)
{
    StopTyping();
    QDateTimeEdit::focusOutEvent(event);
}

bool PickerEdit::focusNextPrevChild(bool next)
{
    // Past the edit box's own step from field to field.
    return QWidget::focusNextPrevChild(next);
}

int PickerEdit::TypingField(const std::vector<Field>& fields)
{
    const int index = FieldAtCaret(fields);
    if (field_ < 0)
        wantedDay_ = date().day();
    if (index != field_) {
        if (field_ >= 0 && field_ < int(fields.size()))
            CommitTyped(fields[size_t(field_)]);
        field_ = index;
        typed_.clear();
    }
    return index;
}

void PickerEdit::TypeDigit(const std::vector<Field>& fields, QChar digit)
{
    const int index = TypingField(fields);
    movedOn_ = false;
    const Field& field = fields[size_t(index)];
    const int highest = Highest(field.section, field.digits);
    typed_ += digit;
    // A digit that makes the number too big starts the field again.
    if (typed_.toInt() > highest)
        typed_ = digit;
    const int value = typed_.toInt();
    const bool full = int(typed_.size()) >= field.digits || value * 10 > highest;
    if (!full) {
        // A four-digit year shows its digits until the last one comes; other
        // fields take each digit at once.
        if (field.digits == 4) {
            ShowTyped(field);
            return;
        }
        if (value >= Lowest(field.section))
            Apply(field, value);
        SelectField(fields);
        return;
    }
    typed_.clear();
    if (value >= Lowest(field.section)) {
        Apply(field, value);
        if (index + 1 < int(fields.size())) {
            field_ = index + 1;
            movedOn_ = true;
        }
    }
    SelectField(fields);
}

void PickerEdit::EndField(const std::vector<Field>& fields)
{
    // Typing "09:30" moves on after "09" already; its ":" is no second move.
    if (movedOn_) {
        movedOn_ = false;
        return;
    }
    const int index = TypingField(fields);
    CommitTyped(fields[size_t(index)]);
    field_ = std::min(index + 1, int(fields.size()) - 1);
    SelectField(fields);
}

void PickerEdit::CommitTyped(const Field& field)
{
    if (typed_.isEmpty())
        return;
    const int value = typed_.toInt();
    typed_.clear();
    if (value >= Lowest(field.section))
        Apply(field, value);
}

void PickerEdit::Apply(const Field& field, int value)
{
    QDate day = date();
    QTime hour = time();
    switch (field.section) {
    case DaySection:
        wantedDay_ = value;
        day = DayIn(day.year(), day.month(), value);
        break;
    case MonthSection: day = DayIn(day.year(), value, wantedDay_); break;
    case YearSection: day = DayIn(FullYear(value), day.month(), wantedDay_); break;
    case HourSection: hour = QTime(value, hour.minute(), hour.second()); break;
    case MinuteSection: hour = QTime(hour.hour(), value, hour.second()); break;
    default: hour = QTime(hour.hour(), hour.minute(), value); break;
    }
    setDateTime(QDateTime(day, hour));
}

void PickerEdit::ShowTyped(const Field& field)
{
    // Only the text shown: the value changes once the year is whole.
    QLineEdit* edit = lineEdit();
    const QSignalBlocker quiet(edit);
    edit->setText(edit->text().replace(field.start, field.length, typed_));
    edit->setSelection(field.start, int(typed_.size()));
}

void PickerEdit::SelectField(const std::vector<Field>& fields)
{
    setSelectedSection(fields[size_t(field_)].section);
}

void PickerEdit::StopTyping()
{
    if (field_ >= 0 && !typed_.isEmpty()) {
        const std::vector<Field> fields = Fields();
        if (field_ < int(fields.size()))
            CommitTyped(fields[size_t(field_)]);
    }
    field_ = -1;
    typed_.clear();
    movedOn_ = false;
}

}  // namespace forms
