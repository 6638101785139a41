#pragma once

#include "forms/Control.h"

#include <QDateTime>

#include <functional>

namespace forms {

enum class PickerFormat { Date, Time };

// Date picker with a drop-down calendar, or time picker. A time picker's
// value has the database's day zero (30/12/1899) as its date.
class DTPicker : public Control {
public:
    explicit DTPicker(Container& in, PickerFormat format = PickerFormat::Date);

    QDateTime Value() const;
    void Value(const QDateTime& value);
    void Value(const QDate& date);
    void Value(const QTime& time);
    // The fields shown, as "dd/MM/yy" or "yyy" (the full year): d day, M
    // month, yy or yyy year, HH hour, mm minute, ss second; other characters
    // separate them.
    void CustomFormat(const QString& format);

    // The user closed the drop-down calendar (also without changing the day).
    std::function<void()> OnCloseUp;
    // The value changed, by the user or by code.
    std::function<void()> OnChange;

private:
    QWidget* CreateWidget(QWidget* parent) override;
    PickerFormat format_;
};

}  // namespace forms
