#pragma once

#include "forms/Control.h"

#include <functional>

namespace forms {

enum class ComboStyle { DropDown = 0, DropDownList = 2 };

class ComboBox : public Control {
public:
    explicit ComboBox(Container& in, ComboStyle style = ComboStyle::DropDown);

    void AddItem(const QString& item);
    void Clear();
    int ListCount() const;
    QString List(int index) const;
    // -1 when nothing is selected; selecting another entry raises OnClick.
    int ListIndex() const;
    void ListIndex(int index);
    QString Text() const;
    void Text(const QString& text);

    std::function<void()> OnClick;

private:
    QWidget* CreateWidget(QWidget* parent) override;
    ComboStyle style_;
};

}  // namespace forms
