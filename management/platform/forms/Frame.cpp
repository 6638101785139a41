#include "forms/Frame.h"

#include "forms/Palette.h"

#include <QGroupBox>

namespace forms {

Frame::Frame(Container& in) : Control(in)
{
}

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

namespace {

// A borderless frame is drawn from a style sheet, which ignores the palette,
// so its colour goes into the sheet too: a coloured strip stays coloured.
void Restyle(QGroupBox* box)
{
    if (!box->property("borderless").toBool()) {
        box->setStyleSheet(QString());
        return;
    }
    QString sheet = QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0;");
    const QColor color = box->property("backColor").value<QColor>();
    if (color.isValid())
        sheet += QStringLiteral(" background-color: %1;").arg(color.name());
    box->setStyleSheet(sheet + QStringLiteral(" }"));
}

}  // namespace

void Frame::BorderStyle(int style)
{
    auto* box = static_cast<QGroupBox*>(Widget());
    box->setProperty("borderless", style == 0);
    Restyle(box);
}

void Frame::BackColor(const QColor& color)
{
    auto* box = static_cast<QGroupBox*>(Widget());
    detail::SetBackColor(box, color);
    box->setProperty("backColor", color);
    Restyle(box);
}

}  // namespace forms
