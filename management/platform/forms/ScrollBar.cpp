#include "forms/ScrollBar.h"

#include "forms/Dispatch.h"

#include <QScrollBar>

namespace forms {

ScrollBar::ScrollBar(Container& in, Orientation orientation) : Control(in), orientation_(orientation)
{
}

QWidget* ScrollBar::CreateWidget(QWidget* parent)
{
    auto* bar = new QScrollBar(orientation_ == Orientation::Horizontal ? Qt::Horizontal : Qt::Vertical, parent);
    bar->setRange(0, 32767);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this] { detail::Raise(OnChange); });
    QObject::connect(bar, &QScrollBar::sliderMoved, bar, [this] { detail::Raise(OnScroll); });
    return bar;
}

int ScrollBar::Min() const
{
    return static_cast<QScrollBar*>(Widget())->minimum();
}

void ScrollBar::Min(int value)
{
    static_cast<QScrollBar*>(Widget())->setMinimum(value);
}

int ScrollBar::Max() const
{
    return static_cast<QScrollBar*>(Widget())->maximum();
}

void ScrollBar::Max(int value)
{
    static_cast<QScrollBar*>(Widget())->setMaximum(value);
}

int ScrollBar::SmallChange() const
{
    return static_cast<QScrollBar*>(Widget())->singleStep();
}

void ScrollBar::SmallChange(int value)
{
    static_cast<QScrollBar*>(Widget())->setSingleStep(value);
}

int ScrollBar::LargeChange() const
{
    return static_cast<QScrollBar*>(Widget())->pageStep();
}

void ScrollBar::LargeChange(int value)
{
    static_cast<QScrollBar*>(Widget())->setPageStep(value);
}

int ScrollBar::Value() const
{
    return static_cast<QScrollBar*>(Widget())->value();
}

void ScrollBar::Value(int value)
{
    static_cast<QScrollBar*>(Widget())->setValue(value);
}

}  // namespace forms
