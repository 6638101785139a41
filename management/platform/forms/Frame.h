#pragma once

#include "forms/Container.h"
#include "forms/Control.h"

#include <QColor>

namespace forms {

// A captioned group; controls declared with the frame as their container
// sit inside it and are disabled and hidden with it.
class Frame : public Control, public Container {
public:
    explicit Frame(Container& in);

    QString Caption() const;
    void Caption(const QString& caption);
    // 0: no border and no caption area (a plain coloured strip).
    void BorderStyle(int style);
    void BackColor(const QColor& color);

    Form& OwnerForm() override { return Parent(); }
    QWidget* Surface() override { return Widget(); }

private:
    QWidget* CreateWidget(QWidget* parent) override;
    bool HasOwnCaption() const override { return true; }
};

}  // namespace forms
