#include "forms/Label.h"

#include "forms/Palette.h"

#include <QLabel>

namespace forms {

Label::Label(Container& in) : Control(in) {}

QWidget* Label::CreateWidget(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QString Label::Caption() const
{
    return static_cast<QLabel*>(Widget())->text();
}

void Label::Caption(const QString& caption)
{
    auto* label = static_cast<QLabel*>(Widget());
    // Captions are plain text, never markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
}

void Label::Alignment(forms::Alignment alignment)
{
    const Qt::Alignment horizontal = alignment == Alignment::Right    ? Qt::AlignRight
                                     : alignment == Alignment::Center ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft;
    static_cast<QLabel*>(Widget())->setAlignment(horizontal | Qt::AlignTop);
}

void Label::ForeColor(const QColor& color)
{
    detail::SetForeColor(Widget(), color);
}

void Label::BackColor(const QColor& color)
{
    detail::SetBackColor(Widget(), color);
}

}  // namespace forms
