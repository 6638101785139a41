#include "forms/DTPicker.h"

#include "forms/Dispatch.h"
#include "forms/PickerEdit.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QRegularExpression>

namespace forms {

namespace {

const QDate dayZero(1899, 12, 30);

// Raises CloseUp when the drop-down calendar goes away with a day chosen:
// a click on a day, Return, or a click outside it. Escape closes it without
// choosing: the picker gets back the day it had when the calendar opened.
class CalendarWatcher : public QObject {
public:
    CalendarWatcher(DTPicker& picker, QDateTimeEdit* edit) : QObject(edit), picker_(picker), edit_(edit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            opened_ = edit_->date();
            cancelled_ = false;
            break;
        case QEvent::KeyPress:
            // Escape reaches the calendar's window when no part of it takes the
            // key: its year box takes it to undo the year typed there.
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
                cancelled_ = true;
            break;
        case QEvent::Hide:
            if (cancelled_)
                edit_->setDate(opened_);
            else
                detail::Raise(picker_.OnCloseUp);
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    DTPicker& picker_;
    QDateTimeEdit* edit_;
    QDate opened_;
    bool cancelled_ = false;
};

}  // namespace

DTPicker::DTPicker(Container& in, PickerFormat format) : Control(in), format_(format)
{
}

QWidget* DTPicker::CreateWidget(QWidget* parent)
{
    auto* edit = new PickerEdit(parent);
    if (format_ == PickerFormat::Time) {
        edit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        edit->setDateTime(QDateTime(dayZero, QTime(0, 0)));
    } else {
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        edit->setCalendarPopup(true);
        edit->setDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
        QWidget* popup = edit->calendarWidget()->window();
        popup->installEventFilter(new CalendarWatcher(*this, edit));
    }
    QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, edit, [this] { detail::Raise(OnChange); });
    return edit;
}

QDateTime DTPicker::Value() const
{
    return static_cast<QDateTimeEdit*>(Widget())->dateTime();
}

void DTPicker::Value(const QDateTime& value)
{
    static_cast<QDateTimeEdit*>(Widget())->setDateTime(value);
}

void DTPicker::Value(const QDate& date)
{
    Value(QDateTime(date, QTime(0, 0)));
}

void DTPicker::Value(const QTime& time)
{
    Value(QDateTime(dayZero, time));
}

void DTPicker::CustomFormat(const QString& format)
{
    // "yyy" is the full year, as "yyyy" is.
    static const QRegularExpression fullYear(QStringLiteral("y{3,}"));
    static_cast<QDateTimeEdit*>(Widget())->setDisplayFormat(QString(format).replace(fullYear, QStringLiteral("yyyy")));
}

}  // namespace forms
