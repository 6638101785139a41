#include "forms/TestSeam.h"

#include "forms/Appearance.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/DTPicker.h"
#include "forms/Dispatch.h"
#include "forms/FormRegistry.h"
#include "forms/GridView.h"
#include "forms/Language.h"
#include "forms/LockWaitIndicator.h"
#include "forms/MSFlexGrid.h"
#include "forms/MsgBox.h"
#include "forms/ScrollBar.h"
#include "forms/StandIn.h"
#include "forms/TextBox.h"
#include "forms/Timer.h"
#include "forms/Twips.h"
#include "forms/WindowFocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

#include <deque>
#include <map>
#include <optional>

namespace forms {

// The grid's inner view, for the seam's mouse and drop events.
struct GridAccess {
    static GridView& View(MSFlexGrid& grid) { return grid.View(); }
};

namespace {

struct FileAnswer {
    bool chosen;
    QString path;
};

struct State {
    std::vector<test::Message> messages;
    std::deque<int> answers;
    std::deque<FileAnswer> files;
    std::vector<QString> errors;
    std::vector<QString> shown;
    std::map<std::type_index, std::deque<std::function<void(Form&)>>> scripts;
};

State& TheState()
{
    static State state;
    return state;
}

QApplication& EnsureApplication()
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *app;
    static int argc = 1;
    static char name[] = "forms_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own globals may already be gone at exit.
    static auto* app = new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnook"));
    detail::UseFormsAppearance();
    detail::UseSpanish();
    detail::KeyboardFollowsWindows();
    return *app;
}

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What a user can reach: not hidden or disabled, itself or a container.
bool Reachable(Control& control)
{
    QWidget* widget = control.Widget();
    return widget->isEnabled() && widget->isVisibleTo(widget->window());
}

// Answers from the script, records what was shown, never blocks.
class ScriptedUser : public detail::StandIn {
public:
    void RecordError(const QString& text) override { TheState().errors.push_back(text); }

    int MsgBox(const QString& prompt, int buttons) override
    {
        State& state = TheState();
        state.messages.push_back({prompt, buttons});
        if ((buttons & 0x0F) == 0)
            return vbOK;
        if (state.answers.empty()) {
            state.errors.push_back(QStringLiteral("Yes/No message box without an answer: ") + prompt);
            return vbNo;
        }
        const int answer = state.answers.front();
        state.answers.pop_front();
        return answer;
    }

    std::optional<QString> FileDialog() override
    {
        State& state = TheState();
        if (state.files.empty()) {
            state.errors.push_back(QStringLiteral("open-file dialog without an answer"));
            return std::nullopt;
        }
        const FileAnswer answer = state.files.front();
        state.files.pop_front();
        if (!answer.chosen)
            return std::nullopt;
        return answer.path;
    }

    void Modal(Form& form) override
    {
        State& state = TheState();
        state.shown.push_back(form.Name());
        auto& queue = state.scripts[typeid(form)];
        if (!queue.empty()) {
            const std::function<void(Form&)> script = std::move(queue.front());
            queue.pop_front();
            detail::Raise(script, form);
        }
        if (form.Visible())
            test::Close(form);
    }
};

ScriptedUser& TheScriptedUser()
{
    static ScriptedUser user;
    return user;
}

}  // namespace

namespace test {

Seam::Seam()
{
    EnsureApplication();
    forms::detail::WatchLockWaits();
    TheState() = State();
    forms::detail::InstallStandIn(&TheScriptedUser());
}

Seam::~Seam()
{
    forms::detail::Raise([] { UnloadAll(); });
    // Windows go before the forms whose controls their signals reach.
    FlushDeletes();
    forms::detail::DestroyAllForms();
    forms::detail::InstallStandIn(nullptr);
    TheState() = State();
}

const std::vector<Message>& Messages()
{
    return TheState().messages;
}

void AnswerMsgBox(int answer)
{
    TheState().answers.push_back(answer);
}

void ChooseFile(const QString& path)
{
    TheState().files.push_back({true, path});
}

void CancelFileDialog()
{
    TheState().files.push_back({false, QString()});
}

const std::vector<QString>& Errors()
{
    return TheState().errors;
}

const std::vector<QString>& ShownModally()
{
    return TheState().shown;
}

QString WaitingWindowText()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        for (QLabel* label : window->findChildren<QLabel*>())
            if (window->isVisible() && label->text().startsWith(QStringLiteral("Esperando")))
                return label->text();
    return QString();
}

namespace detail {

void WhenShown(std::type_index type, std::function<void(Form&)> script)
{
    TheState().scripts[type].push_back(std::move(script));
}

}  // namespace detail

bool Click(CommandButton& button)
{
    if (!Reachable(button))
        return false;
    static_cast<QAbstractButton*>(button.Widget())->click();
    FlushDeletes();
    return true;
}

bool Click(CheckBox& box)
{
    if (!Reachable(box))
        return false;
    static_cast<QAbstractButton*>(box.Widget())->click();
    FlushDeletes();
    return true;
}

bool Choose(ComboBox& combo, int index)
{
    if (!Reachable(combo))
        return false;
    static_cast<QComboBox*>(combo.Widget())->setCurrentIndex(index);
    FlushDeletes();
    return true;
}

bool Type(TextBox& box, const QString& text)
{
    if (!Reachable(box) || box.Locked())
        return false;
    box.Text(text);
    FlushDeletes();
    return true;
}

bool Scroll(ScrollBar& bar, int value)
{
    if (!Reachable(bar))
        return false;
    static_cast<QScrollBar*>(bar.Widget())->setValue(value);
    FlushDeletes();
    return true;
}

bool CloseUp(DTPicker& picker, const QDate& day)
{
    // A time picker has no calendar to close.
    if (!Reachable(picker) || !static_cast<QDateTimeEdit*>(picker.Widget())->calendarPopup())
        return false;
    picker.Value(day);
    forms::detail::Raise(picker.OnCloseUp);
    FlushDeletes();
    return true;
}

namespace {

// Grid widget pixels of the middle of a cell; for a row past the last one,
// just below the last row.
QPoint CellCenter(const GridView& view, int row, int col)
{
    const int rows = view.Model().Rows();
    const int x = view.columnViewportPosition(col) + view.columnWidth(col) / 2;
    int y = 0;
    if (row == 0)
        y = -view.horizontalHeader()->height() / 2;
    else if (row < rows)
        y = view.rowViewportPosition(row - 1) + view.rowHeight(row - 1) / 2;
    else if (rows > 1)
        y = view.rowViewportPosition(rows - 2) + view.rowHeight(rows - 2) + 2;
    else
        y = 2;
    return view.viewport()->geometry().topLeft() + QPoint(x, y);
}

// Puts the pointer over a cell, or below the last row for a row the grid
// does not have; the grid tells which row that is, as for the real pointer.
GridView& Point(MSFlexGrid& grid, int row, int col)
{
    GridView& view = GridAccess::View(grid);
    view.TrackMouse(CellCenter(view, row, col));
    return view;
}

void Press(MSFlexGrid& grid, int row, int col, int button)
{
    GridView& view = Point(grid, row, col);
    if (view.MouseRow() >= 1 && view.MouseCol() >= 0) {
        view.row = view.rowSel = view.MouseRow();
        view.col = view.colSel = view.MouseCol();
        view.ShowSelection();
    }
    const QPoint at = CellCenter(view, row, col);
    forms::detail::Raise(grid.OnMouseDown, button, 0, float(forms::detail::Twips(at.x())),
                         float(forms::detail::Twips(at.y())));
}

}  // namespace

bool Click(MSFlexGrid& grid, int row, int col)
{
    if (!Reachable(grid))
        return false;
    Press(grid, row, col, 1);
    forms::detail::Raise(grid.OnClick);
    FlushDeletes();
    return true;
}

bool DblClick(MSFlexGrid& grid, int row, int col)
{
    if (!Reachable(grid))
        return false;
    Press(grid, row, col, 1);
    forms::detail::Raise(grid.OnClick);
    forms::detail::Raise(grid.OnDblClick);
    FlushDeletes();
    return true;
}

bool MouseDown(MSFlexGrid& grid, int row, int button)
{
    if (!Reachable(grid))
        return false;
    Press(grid, row, grid.Col(), button);
    FlushDeletes();
    return true;
}

namespace {

constexpr int dragOverState = 2;

// Puts the pointer on row of grid and raises an event at that place.
bool AtRow(MSFlexGrid& grid, int row, const std::function<void(float X, float Y)>& raise)
{
    if (!Reachable(grid))
        return false;
    GridView& view = Point(grid, row, 1);
    const QPoint at = CellCenter(view, row, 1);
    raise(float(forms::detail::Twips(at.x())), float(forms::detail::Twips(at.y())));
    FlushDeletes();
    return true;
}

bool AcceptsFiles(MSFlexGrid& grid)
{
    return GridAccess::View(grid).oleDropMode == 1;
}

}  // namespace

bool DragDrop(MSFlexGrid& grid, Control& source, int row)
{
    return AtRow(grid, row, [&](float x, float y) { forms::detail::Raise(grid.OnDragDrop, source, x, y); });
}

bool DragOver(MSFlexGrid& grid, Control& source, int row)
{
    return AtRow(grid, row,
                 [&](float x, float y) { forms::detail::Raise(grid.OnDragOver, source, x, y, dragOverState); });
}

bool OLEDragDrop(MSFlexGrid& grid, const QStringList& files, int row)
{
    return AcceptsFiles(grid)
           && AtRow(grid, row, [&](float x, float y) { forms::detail::Raise(grid.OnOLEDragDrop, files, x, y); });
}

bool OLEDragOver(MSFlexGrid& grid, const QStringList& files, int row)
{
    return AcceptsFiles(grid) && AtRow(grid, row, [&](float x, float y) {
               forms::detail::Raise(grid.OnOLEDragOver, files, x, y, dragOverState);
           });
}

bool Tick(Timer& timer)
{
    if (!timer.Enabled() || timer.Interval() <= 0)
        return false;
    forms::detail::Raise(timer.OnTimer);
    FlushDeletes();
    return true;
}

void Close(Form& form)
{
    if (!form.Loaded())
        return;
    forms::detail::Raise([&form] { form.Unload(); });
    FlushDeletes();
}

}  // namespace test

}  // namespace forms
