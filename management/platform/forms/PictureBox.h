#pragma once

#include "forms/Container.h"
#include "forms/Control.h"

#include <QColor>

#include <functional>

namespace forms {

// Mouse events give the button (1 left, 2 right, 4 middle), the shift state
// (1 shift, 2 ctrl, 4 alt) and the position in twips inside the control.
using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;

class PictureBox : public Control, public Container {
public:
    explicit PictureBox(Container& in);

    // A picture from the resources, e.g. ":/menu/menu.png".
    void Picture(const QString& resource);
    void BackColor(const QColor& color);

    Form& OwnerForm() override { return Parent(); }
    QWidget* Surface() override { return Widget(); }

    MouseHandler OnMouseDown;
    MouseHandler OnMouseMove;
    MouseHandler OnMouseUp;

private:
    QWidget* CreateWidget(QWidget* parent) override;
};

}  // namespace forms
