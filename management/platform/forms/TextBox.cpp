#include "forms/TextBox.h"

#include "forms/Dispatch.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace forms {

TextBox::TextBox(Container& in, Lines lines) : Control(in), lines_(lines)
{
}

QWidget* TextBox::CreateWidget(QWidget* parent)
{
    if (lines_ == Lines::Multi) {
        auto* edit = new QPlainTextEdit(parent);
        // Tab moves on to the next control, as in every other box.
        edit->setTabChangesFocus(true);
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this] { detail::Raise(OnChange); });
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { detail::Raise(OnChange); });
    return edit;
}

QString TextBox::Text() const
{
    if (lines_ == Lines::Multi)
        return static_cast<QPlainTextEdit*>(Widget())->toPlainText();
    return static_cast<QLineEdit*>(Widget())->text();
}

void TextBox::Text(const QString& text)
{
    if (Text() == text)
        return;
    if (lines_ == Lines::Multi)
        static_cast<QPlainTextEdit*>(Widget())->setPlainText(text);
    else
        static_cast<QLineEdit*>(Widget())->setText(text);
}

bool TextBox::Locked() const
{
    if (lines_ == Lines::Multi)
        return static_cast<QPlainTextEdit*>(Widget())->isReadOnly();
    return static_cast<QLineEdit*>(Widget())->isReadOnly();
}

void TextBox::Locked(bool locked)
{
    if (lines_ == Lines::Multi)
        static_cast<QPlainTextEdit*>(Widget())->setReadOnly(locked);
    else
        static_cast<QLineEdit*>(Widget())->setReadOnly(locked);
}

}  // namespace forms
