// The user's hands: real mouse, key and drop events that the window system
// delivers to the widgets of a shown form.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>

namespace forms {
class Control;
class DTPicker;
class Form;
class MSFlexGrid;
}  // namespace forms

namespace user {

// Shows the form (not modally) and waits until its window is on screen.
bool Shown(forms::Form& form);

// A left click in the middle of a control.
void Click(forms::Control& control);

// A click into a picker, the caret landing before that character of the
// text it shows.
void ClickInto(forms::DTPicker& picker, int character);
// Ctrl+A in the widget with the focus.
void SelectAll();
// The keys of text, one by one, into the widget with the focus.
void Type(const QString& text);
// A key, and the modifiers held with it, where the keyboard goes: the open
// drop-down calendar or menu, else the widget with the focus.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Tab until control has the focus; false when a round of the window's
// controls never reached it.
bool TabTo(forms::Control& control);

// Points of a grid, in its viewport: the middle of a cell, the middle of a
// header cell (above the viewport), and the empty area below the last row.
QPoint Cell(forms::MSFlexGrid& grid, int row, int col = 1);
QPoint Header(forms::MSFlexGrid& grid, int col = 1);
QPoint BelowTheRows(forms::MSFlexGrid& grid);

// The pointer moves to a point of the grid's viewport with no button held.
void MoveTo(forms::MSFlexGrid& grid, const QPoint& at);
// A left click at a point of the grid's viewport, without moving.
void ClickAt(forms::MSFlexGrid& grid, const QPoint& at);
// A left double-click there.
void DoubleClickAt(forms::MSFlexGrid& grid, const QPoint& at);
// Files dragged from the file manager and dropped at a point of the grid's viewport.
void DropFiles(forms::MSFlexGrid& grid, const QStringList& files, const QPoint& at);
// The left button pressed at one point, the pointer moved to another in
// small steps, the button let go there.
void Drag(forms::MSFlexGrid& grid, const QPoint& from, const QPoint& to);

}  // namespace user
