#include "forms/DTPicker.h"

#include "forms/Dispatch.h"
#include "forms/PickerEdit.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QRegularExpression>

namespace forms {

namespace {

const QDate dayZero(1899, 12, 30);

// Raises CloseUp when the drop-down calendar goes away.
class CloseUpWatcher : public QObject {
public:
    CloseUpWatcher(DTPicker& picker, QObject* parent) : QObject(parent), picker_(picker) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            detail::Raise(picker_.OnCloseUp);
        return QObject::eventFilter(watched, event);
    }

private:
    DTPicker& picker_;
};

}  // namespace

DTPicker::DTPicker(Container& in, PickerFormat format) : Control(in), format_(format) {}

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
        popup->installEventFilter(new CloseUpWatcher(*this, edit));
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
