#pragma once

#include "forms/Control.h"

#include <functional>

namespace forms {

class CheckBox : public Control {
public:
    explicit CheckBox(Container& in);

    QString Caption() const;
    void Caption(const QString& caption);
    // 0 unchecked, 1 checked; a change raises OnClick, as a click does.
    int Value() const;
    void Value(int value);

    std::function<void()> OnClick;

private:
    QWidget* CreateWidget(QWidget* parent) override;
    bool HasOwnCaption() const override { return true; }
};

}  // namespace forms
