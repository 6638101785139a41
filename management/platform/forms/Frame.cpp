#include "forms/Frame.h"

#include "forms/Palette.h"

#include <QGroupBox>

namespace forms {

Frame::Frame(Container& in) : Control(in) {}

QWidget* Frame::CreateWidget(QWidget* parent)
{
    return new QGroupBox(parent);
}

QString Frame::Caption() const
{
    return static_cast<QGroupBox*>(Widget())->title();
}

void Frame::Caption(const QString& caption)
{
    static_cast<QGroupBox*>(Widget())->setTitle(caption);
}

void Frame::BorderStyle(int style)
{
    auto* box = static_cast<QGroupBox*>(Widget());
    box->setStyleSheet(style == 0 ? QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }")
                                  : QString());
}

void Frame::BackColor(const QColor& color)
{
    detail::SetBackColor(Widget(), color);
}

}  // namespace forms
