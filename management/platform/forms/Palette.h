#pragma once

class QColor;
class QWidget;

namespace forms::detail {

void SetBackColor(QWidget* widget, const QColor& color);
void SetForeColor(QWidget* widget, const QColor& color);

}  // namespace forms::detail
