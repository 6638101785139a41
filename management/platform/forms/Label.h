#pragma once

#include "forms/Control.h"

#include <QColor>

namespace forms {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
public:
    explicit Label(Container& in);

    QString Caption() const;
    void Caption(const QString& caption);
    void Alignment(forms::Alignment alignment);
    void ForeColor(const QColor& color);
    void BackColor(const QColor& color);
    // 0: none (the default); 1: a single line around the label.
    void BorderStyle(int style);

private:
    QWidget* CreateWidget(QWidget* parent) override;
    bool HasOwnCaption() const override { return true; }
};

}  // namespace forms
