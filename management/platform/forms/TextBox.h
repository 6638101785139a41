#pragma once

#include "forms/Control.h"

#include <functional>

namespace forms {

enum class Lines { Single, Multi };

class TextBox : public Control {
public:
    explicit TextBox(Container& in, Lines lines = Lines::Single);

    QString Text() const;
    // Raises OnChange when the text differs, as typing does.
    void Text(const QString& text);
    bool Locked() const;
    void Locked(bool locked);

    std::function<void()> OnChange;

private:
    QWidget* CreateWidget(QWidget* parent) override;
    Lines lines_;
};

}  // namespace forms
