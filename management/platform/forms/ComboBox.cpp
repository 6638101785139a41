#include "forms/ComboBox.h"

#include "forms/Dispatch.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace forms {

ComboBox::ComboBox(Container& in, ComboStyle style) : Control(in), style_(style)
{
}

QWidget* ComboBox::CreateWidget(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(style_ == ComboStyle::DropDown);
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [this] { detail::Raise(OnClick); });
    return combo;
}

void ComboBox::AddItem(const QString& item)
{
    auto* combo = static_cast<QComboBox*>(Widget());
    const QSignalBlocker quiet(combo);
    const int selected = combo->currentIndex();
    const QString text = combo->currentText();
    combo->addItem(item);
    // Adding an entry selects nothing.
    if (selected == -1) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable())
            combo->setEditText(text);
    }
}

void ComboBox::Clear()
{
    static_cast<QComboBox*>(Widget())->clear();
}

int ComboBox::ListCount() const
{
    return static_cast<QComboBox*>(Widget())->count();
}

QString ComboBox::List(int index) const
{
    return static_cast<QComboBox*>(Widget())->itemText(index);
}

int ComboBox::ListIndex() const
{
    return static_cast<QComboBox*>(Widget())->currentIndex();
}

void ComboBox::ListIndex(int index)
{
    static_cast<QComboBox*>(Widget())->setCurrentIndex(index);
}

QString ComboBox::Text() const
{
    return static_cast<QComboBox*>(Widget())->currentText();
}

void ComboBox::Text(const QString& text)
{
    auto* combo = static_cast<QComboBox*>(Widget());
    if (combo->isEditable())
        combo->setEditText(text);
    else
        combo->setCurrentIndex(combo->findText(text));
}

}  // namespace forms
