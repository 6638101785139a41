// The keyboard of the tests of the forms runtime.
#pragma once

#include <QTest>
#include <QWidget>

// A key, and the modifiers held with it, where the keyboard goes: the open
// drop-down calendar or menu, else the widget with the focus.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}
