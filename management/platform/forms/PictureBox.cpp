#include "forms/PictureBox.h"

#include "forms/Dispatch.h"
#include "forms/MouseState.h"
#include "forms/Palette.h"
#include "forms/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace forms {

namespace {

class PictureWidget : public QLabel {
public:
    PictureWidget(PictureBox& box, QWidget* parent) : QLabel(parent), box_(box) {}

protected:
    void mousePressEvent(QMouseEvent* event) override { Raise(box_.OnMouseDown, event, event->button()); }
    void mouseMoveEvent(QMouseEvent* event) override { Raise(box_.OnMouseMove, event, event->buttons()); }
    void mouseReleaseEvent(QMouseEvent* event) override { Raise(box_.OnMouseUp, event, event->button()); }

private:
    void Raise(const MouseHandler& handler, QMouseEvent* event, Qt::MouseButtons buttons)
    {
        const QPointF at = event->position();
        detail::Raise(handler, detail::ButtonOf(buttons), detail::ShiftOf(event->modifiers()),
                      float(detail::Twips(int(at.x()))), float(detail::Twips(int(at.y()))));
    }

    PictureBox& box_;
};

}  // namespace

PictureBox::PictureBox(Container& in) : Control(in)
{
}

QWidget* PictureBox::CreateWidget(QWidget* parent)
{
    auto* picture = new PictureWidget(*this, parent);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

void PictureBox::Picture(const QString& resource)
{
    static_cast<QLabel*>(Widget())->setPixmap(QPixmap(resource));
}

void PictureBox::BackColor(const QColor& color)
{
    detail::SetBackColor(Widget(), color);
}

}  // namespace forms
