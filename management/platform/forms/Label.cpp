#include "forms/Label.h"

#include "forms/Form.h"
#include "forms/Palette.h"

#include <QLabel>

namespace forms {

Label::Label(Container& in) : Control(in)
{
}

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
    // A label in another frame, such as a total beside a frame of its own, names nothing there.
    Control* named = Parent().NextInTabOrder(*this);
    if (!named || named->HasOwnCaption() || named->Widget()->parentWidget() != label->parentWidget()) {
        label->setText(caption);
        return;
    }
    // Screen readers take a control's name from its accessible name, and on
    // some desktops its label from the label's buddy. An ampersand would make
    // the buddy's label a keyboard shortcut and hide the ampersand.
    label->setBuddy(nullptr);
    label->setText(caption);
    if (!caption.contains(u'&'))
        label->setBuddy(named->Widget());
    named->Widget()->setAccessibleName(caption);
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

void Label::BorderStyle(int style)
{
    auto* label = static_cast<QLabel*>(Widget());
    label->setFrameStyle(style == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

}  // namespace forms
