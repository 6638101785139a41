#include "forms/Palette.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace forms::detail {

void SetBackColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetForeColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

}  // namespace forms::detail
