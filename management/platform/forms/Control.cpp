#include "forms/Control.h"

#include "forms/Container.h"
#include "forms/Form.h"
#include "forms/Twips.h"

#include <QVariant>
#include <QWidget>

namespace forms {

namespace {
constexpr const char* tagProperty = "forms_tag";
}

Control::Control(Container& in) : Component(in.OwnerForm()), container_(in)
{
}

void Control::Create()
{
    widget_ = CreateWidget(container_.Surface());
}

void Control::Destroy()
{
    // The window deletes the widget with its other children.
    widget_ = nullptr;
}

QWidget* Control::Widget() const
{
    if (!widget_)
        Parent().Load();
    return widget_;
}

bool Control::Visible() const
{
    QWidget* w = Widget();
    return w->isVisibleTo(w->parentWidget());
}

void Control::Visible(bool visible)
{
    Widget()->setVisible(visible);
}

bool Control::Enabled() const
{
    return !Widget()->testAttribute(Qt::WA_ForceDisabled);
}

void Control::Enabled(bool enabled)
{
    Widget()->setEnabled(enabled);
}

int Control::Left() const
{
    return detail::Twips(Widget()->x());
}

void Control::Left(int twips)
{
    QWidget* w = Widget();
    w->move(detail::Pixels(twips), w->y());
}

int Control::Top() const
{
    return detail::Twips(Widget()->y());
}

void Control::Top(int twips)
{
    QWidget* w = Widget();
    w->move(w->x(), detail::Pixels(twips));
}

int Control::Width() const
{
    return detail::Twips(Widget()->width());
}

void Control::Width(int twips)
{
    QWidget* w = Widget();
    w->resize(detail::Pixels(twips), w->height());
}

int Control::Height() const
{
    return detail::Twips(Widget()->height());
}

void Control::Height(int twips)
{
    QWidget* w = Widget();
    w->resize(w->width(), detail::Pixels(twips));
}

void Control::Move(int left, int top, int width, int height)
{
    Widget()->setGeometry(detail::Pixels(left), detail::Pixels(top), detail::Pixels(width), detail::Pixels(height));
}

void Control::SetFocus()
{
    Widget()->setFocus(Qt::OtherFocusReason);
}

QString Control::Tag() const
{
    return Widget()->property(tagProperty).toString();
}

void Control::Tag(const QString& tag)
{
    Widget()->setProperty(tagProperty, tag);
}

}  // namespace forms
