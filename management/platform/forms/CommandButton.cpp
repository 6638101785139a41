#include "forms/CommandButton.h"

#include "forms/Dispatch.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>

namespace forms {

namespace {

// Return presses the button that has the focus, as Space does; no button of
// a form is a default button that Return presses from elsewhere.
class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!event->isAutoRepeat())
                click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

CommandButton::CommandButton(Container& in) : Control(in)
{
}

QWidget* CommandButton::CreateWidget(QWidget* parent)
{
    auto* button = new PushButton(parent);
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
