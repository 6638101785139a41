#include "forms/CommandButton.h"

#include "forms/Dispatch.h"

#include <QIcon>
#include <QPixmap>
#include <QPushButton>

namespace forms {

CommandButton::CommandButton(Container& in) : Control(in) {}

QWidget* CommandButton::CreateWidget(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    QObject::connect(button, &QPushButton::clicked, button, [this] { detail::Raise(OnClick); });
    return button;
}

QString CommandButton::Caption() const
{
    return static_cast<QPushButton*>(Widget())->text();
}

void CommandButton::Caption(const QString& caption)
{
    static_cast<QPushButton*>(Widget())->setText(caption);
}

void CommandButton::Picture(const QString& resource)
{
    auto* button = static_cast<QPushButton*>(Widget());
    const QPixmap picture(resource);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
}

}  // namespace forms
