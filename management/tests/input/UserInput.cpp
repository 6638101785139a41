#include "UserInput.h"

#include "forms/Control.h"
#include "forms/DTPicker.h"
#include "forms/Form.h"
#include "forms/MSFlexGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QTableView>
#include <QTest>
#include <QUrl>

namespace user {

namespace {

QTableView* View(forms::MSFlexGrid& grid)
{
    return static_cast<QTableView*>(grid.Widget());
}

QWidget* Viewport(forms::MSFlexGrid& grid)
{
    return View(grid)->viewport();
}

}  // namespace

bool Shown(forms::Form& form)
{
    form.Show();
    return QTest::qWaitForWindowExposed(form.Surface()->window());
}

void Click(forms::Control& control)
{
    QTest::mouseClick(control.Widget(), Qt::LeftButton);
}

void ClickInto(forms::DTPicker& picker, int character)
{
    auto* edit = picker.Widget()->findChild<QLineEdit*>();
    const int x = edit->fontMetrics().horizontalAdvance(edit->text().left(character));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->contentsRect().left() + 2 + x, edit->height() / 2));
}

void SelectAll()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
}

void Type(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

bool TabTo(forms::Control& control)
{
    QWidget* target = control.Widget();
    constexpr int roundOfAnyForm = 40;
    for (int tabs = 0; tabs < roundOfAnyForm && !target->hasFocus(); ++tabs)
        Press(Qt::Key_Tab);
    return target->hasFocus();
}

QPoint Cell(forms::MSFlexGrid& grid, int row, int col)
{
    QTableView* view = View(grid);
    return view->visualRect(view->model()->index(row - 1, col)).center();
}

QPoint Header(forms::MSFlexGrid& grid, int col)
{
    QTableView* view = View(grid);
    const int x = view->columnViewportPosition(col) + view->columnWidth(col) / 2;
    return QPoint(x, -view->horizontalHeader()->height() / 2);
}

QPoint BelowTheRows(forms::MSFlexGrid& grid)
{
    QTableView* view = View(grid);
    const int rows = view->model()->rowCount();
    const int y = rows == 0 ? 0 : view->rowViewportPosition(rows - 1) + view->rowHeight(rows - 1);
    return QPoint(view->columnViewportPosition(1) + 5, y + 5);
}

void MoveTo(forms::MSFlexGrid& grid, const QPoint& at)
{
    QTest::mouseMove(Viewport(grid), at);
}

void ClickAt(forms::MSFlexGrid& grid, const QPoint& at)
{
    QTest::mouseClick(Viewport(grid), Qt::LeftButton, {}, at);
}

void DoubleClickAt(forms::MSFlexGrid& grid, const QPoint& at)
{
    QTest::mouseDClick(Viewport(grid), Qt::LeftButton, {}, at);
}

void DropFiles(forms::MSFlexGrid& grid, const QStringList& files, const QPoint& at)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    QWidget* viewport = Viewport(grid);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
}

void Drag(forms::MSFlexGrid& grid, const QPoint& from, const QPoint& to)
{
    QWidget* viewport = Viewport(grid);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    constexpr int steps = 8;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(viewport, from + (to - from) * i / steps);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

}  // namespace user
