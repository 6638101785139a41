#pragma once

// Drives forms headless from tests: answers message boxes, the file dialog
// and modal forms from a script, acts as the user on controls, and records
// what was shown. Nothing here blocks.

#include "forms/Form.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <typeindex>
#include <vector>

namespace forms {
class CheckBox;
class ComboBox;
class CommandButton;
class Control;
class DTPicker;
class MSFlexGrid;
class ScrollBar;
class TextBox;
class Timer;
}  // namespace forms

namespace forms::test {

// One per test: makes the application when needed and switches the seam on;
// on destruction destroys every form instance, so the next test starts fresh.
class Seam {
public:
    Seam();
    ~Seam();
    Seam(const Seam&) = delete;
    Seam& operator=(const Seam&) = delete;
};

struct Message {
    QString Prompt;
    int Buttons;
};

// Every message box shown, in order. OK boxes answer themselves.
const std::vector<Message>& Messages();
// Answer of the next Yes/No box (vbYes or vbNo); one call per box. An
// unanswered Yes/No box gives vbNo and records an error.
void AnswerMsgBox(int answer);

// Answer of the next open-file dialog: a full path, or a cancel.
void ChooseFile(const QString& path);
void CancelFileDialog();

// Errors no handler trapped, and seam misuse (an unanswered box or dialog).
const std::vector<QString>& Errors();

// Names of the forms shown modally, in order.
const std::vector<QString>& ShownModally();

// The text of the window that shows the program waiting for another
// program's lock, while it is shown; empty otherwise.
QString WaitingWindowText();

namespace detail {
void WhenShown(std::type_index type, std::function<void(Form&)> script);
}

// What the user does the next time form T is shown modally; the form is
// closed by the user afterwards if the script left it shown. Without a
// script a modal form is closed at once.
template <class T>
void WhenShown(std::function<void(T&)> script)
{
    detail::WhenShown(typeid(T), [script](Form& form) { script(static_cast<T&>(form)); });
}

// The user's actions. Each returns false, doing nothing, when the user
// could not reach the control (hidden or disabled, itself or its container;
// a locked text box; a time picker has no calendar to close).
bool Click(CommandButton& button);
bool Click(CheckBox& box);
bool Choose(ComboBox& combo, int index);
bool Type(TextBox& box, const QString& text);
bool Scroll(ScrollBar& bar, int value);
// Opens the calendar, picks day and closes it (CloseUp).
bool CloseUp(DTPicker& picker, const QDate& day);
// Grid actions put the pointer over the middle of a cell of row; a row past
// the last one means the empty area below the last row, which the grid
// reports as its last row, or as no row (-1) when it has no rows.
bool Click(MSFlexGrid& grid, int row, int col = 1);
bool DblClick(MSFlexGrid& grid, int row, int col = 1);
bool MouseDown(MSFlexGrid& grid, int row, int button = 1);
// Drops what is being dragged (source) onto row of grid.
bool DragDrop(MSFlexGrid& grid, Control& source, int row);
bool DragOver(MSFlexGrid& grid, Control& source, int row);
bool OLEDragDrop(MSFlexGrid& grid, const QStringList& files, int row);
bool OLEDragOver(MSFlexGrid& grid, const QStringList& files, int row);
// One tick, when the timer is enabled with an interval.
bool Tick(Timer& timer);
// The user closes the window.
void Close(Form& form);

}  // namespace forms::test
