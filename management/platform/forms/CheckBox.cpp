#include "forms/CheckBox.h"

#include "forms/Dispatch.h"

#include <QCheckBox>

namespace forms {

CheckBox::CheckBox(Container& in) : Control(in)
{
}

QWidget* CheckBox::CreateWidget(QWidget* parent)
{
    auto* box = new QCheckBox(parent);
    QObject::connect(box, &QCheckBox::toggled, box, [this] { detail::Raise(OnClick); });
    return box;
}

QString CheckBox::Caption() const
{
    return static_cast<QCheckBox*>(Widget())->text();
}

void CheckBox::Caption(const QString& caption)
{
    static_cast<QCheckBox*>(Widget())->setText(caption);
}

int CheckBox::Value() const
{
    return static_cast<QCheckBox*>(Widget())->isChecked() ? 1 : 0;
}

void CheckBox::Value(int value)
{
    static_cast<QCheckBox*>(Widget())->setChecked(value != 0);
}

}  // namespace forms
