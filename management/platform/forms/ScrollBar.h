#pragma once

#include "forms/Control.h"

#include <functional>

namespace forms {

enum class Orientation { Horizontal, Vertical };

class ScrollBar : public Control {
public:
    explicit ScrollBar(Container& in, Orientation orientation = Orientation::Horizontal);

    int Min() const;
    void Min(int value);
    int Max() const;
    void Max(int value);
    int SmallChange() const;
    void SmallChange(int value);
    int LargeChange() const;
    void LargeChange(int value);
    // A change of the value raises OnChange, whoever made it.
    int Value() const;
    void Value(int value);

    std::function<void()> OnChange;
    // While the user drags the thumb.
    std::function<void()> OnScroll;

private:
    QWidget* CreateWidget(QWidget* parent) override;
    Orientation orientation_;
};

}  // namespace forms
