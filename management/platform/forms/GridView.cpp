#include "forms/GridView.h"

#include "forms/Dispatch.h"
#include "forms/MSFlexGrid.h"
#include "forms/MouseState.h"
#include "forms/Twips.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <algorithm>

namespace forms {

namespace {

constexpr int dragEnter = 0;
constexpr int dragLeave = 1;
constexpr int dragOver = 2;

QStringList FilesOf(const QMimeData* mime)
{
    QStringList files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            files << QDir::toNativeSeparators(url.toLocalFile());
    return files;
}

}  // namespace

Control* GridView::dragSource = nullptr;

GridView::GridView(MSFlexGrid& grid, QWidget* parent) : QTableView(parent), grid_(grid)
{
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setDragEnabled(false);
    // Tab, Shift+Tab and Ctrl+Tab go on to the next or previous control;
    // the arrow keys move within the grid.
    setTabKeyNavigation(false);
    setAcceptDrops(true);
    setWordWrap(false);
    // MouseRow follows the pointer without a button held too.
    viewport()->setMouseTracking(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->viewport()->setAcceptDrops(true);
    horizontalHeader()->viewport()->installEventFilter(this);
    ResetAfterFill();
}

void GridView::ResetAfterFill()
{
    widthsTwips.assign(size_t(model_.Cols()), defaultWidthTwips);
    for (int c = 0; c < model_.Cols(); ++c)
        ApplyWidth(c);
    row = rowSel = model_.Rows() > 1 ? 1 : 0;
    col = colSel = model_.Cols() > 1 ? 1 : 0;
    ShowSelection();
}

void GridView::ApplyWidth(int c)
{
    horizontalHeader()->resizeSection(c, detail::Pixels(widthsTwips[size_t(c)]));
}

void GridView::ShowSelection()
{
    QItemSelectionModel* selection = selectionModel();
    if (row < 1 || model_.Rows() < 2) {
        selection->clearSelection();
        return;
    }
    const QModelIndex first = model_.index(std::min(row, rowSel) - 1, std::min(col, colSel));
    const QModelIndex last = model_.index(std::max(row, rowSel) - 1, std::max(col, colSel));
    selection->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(model_.index(row - 1, col), QItemSelectionModel::NoUpdate);
}

void GridView::TrackMouse(const QPoint& at)
{
    mouseAt_ = at;
}

int GridView::MouseRow() const
{
    const int lastRow = model_.Rows() > 1 ? model_.Rows() - 1 : -1;
    // A pointer that has not been over the grid yet rests below its rows.
    if (!mouseAt_)
        return lastRow;
    const int y = mouseAt_->y() - viewport()->geometry().top();
    if (y < 0)
        return 0;
    const int r = rowAt(y);
    return r >= 0 ? r + 1 : lastRow;
}

int GridView::MouseCol() const
{
    if (!mouseAt_)
        return 0;
    return columnAt(mouseAt_->x() - viewport()->geometry().left());
}

QPoint GridView::InGrid(QWidget* from, const QPointF& at) const
{
    return from->mapTo(const_cast<GridView*>(this), at.toPoint());
}

void GridView::Press(QMouseEvent* event, const QPoint& at)
{
    TrackMouse(at);
    const int r = MouseRow();
    const int c = MouseCol();
    if (r >= 1 && c >= 0) {
        if (event->modifiers() & Qt::ShiftModifier) {
            rowSel = r;
            colSel = c;
        } else {
            row = rowSel = r;
            col = colSel = c;
        }
        ShowSelection();
    }
    pressed_ = true;
    pressAt_ = at;
    detail::Raise(grid_.OnMouseDown, detail::ButtonOf(event->button()), detail::ShiftOf(event->modifiers()),
                  float(detail::Twips(at.x())), float(detail::Twips(at.y())));
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    Press(event, InGrid(viewport(), event->position()));
}

void GridView::mouseMoveEvent(QMouseEvent* event)
{
    Move(event, InGrid(viewport(), event->position()));
}

void GridView::mouseReleaseEvent(QMouseEvent* event)
{
    Release(InGrid(viewport(), event->position()));
}

void GridView::Move(QMouseEvent* event, const QPoint& at)
{
    if (dragging_) {
        DragTo(at);
        return;
    }
    // Without a button held, crossing the header on the way to the buttons
    // above the grid keeps the row the pointer was over.
    if (event->buttons() == Qt::NoButton && at.y() < viewport()->geometry().top())
        return;
    TrackMouse(at);
    if (dragPending_) {
        if ((at - pressAt_).manhattanLength() >= QApplication::startDragDistance()) {
            StartDrag();
            DragTo(at);
        }
        return;
    }
    const int r = MouseRow();
    const int c = MouseCol();
    if (pressed_ && (event->buttons() & Qt::LeftButton) && r >= 1 && c >= 0 && (r != rowSel || c != colSel)) {
        rowSel = r;
        colSel = c;
        ShowSelection();
    }
}

void GridView::Release(const QPoint& at)
{
    if (dragging_) {
        EndDrag(at);
        return;
    }
    if (!pressed_)
        return;
    pressed_ = false;
    if (dragPending_) {
        // A drag that never moved ends with a drop where it began.
        dragPending_ = false;
        TrackMouse(at);
        detail::Raise(grid_.OnDragDrop, grid_, float(detail::Twips(at.x())), float(detail::Twips(at.y())));
        dragSource = nullptr;
        return;
    }
    detail::Raise(grid_.OnClick);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    TrackMouse(InGrid(viewport(), event->position()));
    detail::Raise(grid_.OnDblClick);
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    const int lastRow = model_.Rows() - 1;
    const int lastCol = model_.Cols() - 1;
    const int page = std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()));
    int r = row;
    int c = col;
    switch (event->key()) {
    case Qt::Key_Up: --r; break;
    case Qt::Key_Down: ++r; break;
    case Qt::Key_Left: --c; break;
    case Qt::Key_Right: ++c; break;
    case Qt::Key_PageUp: r -= page; break;
    case Qt::Key_PageDown: r += page; break;
    case Qt::Key_Home: r = 1; break;
    case Qt::Key_End: r = lastRow; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Plain Tab and Shift+Tab never get here: the window moves the focus.
        if (event->modifiers() & Qt::ControlModifier) {
            focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
            return;
        }
        QTableView::keyPressEvent(event);
        return;
    default: QTableView::keyPressEvent(event); return;
    }
    if (lastRow < 1)
        return;
    row = rowSel = std::clamp(r, 1, lastRow);
    col = colSel = std::clamp(c, 1, std::max(1, lastCol));
    ShowSelection();
    scrollTo(model_.index(row - 1, col));
}

void GridView::BeginDrag()
{
    // Only a mouse button held on the grid can start a drag.
    if (!pressed_)
        return;
    dragSource = &grid_;
    dragPending_ = true;
}

// The grid's own drag stays inside its window: the pointer carries the
// grid, raising DragOver on the grids it passes and DragDrop where the
// button is let go.
void GridView::StartDrag()
{
    dragPending_ = false;
    pressed_ = false;
    dragging_ = true;
    dragTarget_ = nullptr;
    QApplication::setOverrideCursor(Qt::DragMoveCursor);
}

GridView* GridView::GridUnder(const QPoint& at) const
{
    QWidget* top = window();
    for (QWidget* w = top->childAt(mapTo(top, at)); w; w = w->parentWidget())
        if (auto* grid = dynamic_cast<GridView*>(w))
            return grid;
    return nullptr;
}

void GridView::DragTo(const QPoint& at)
{
    GridView* target = GridUnder(at);
    if (target != dragTarget_ && dragTarget_)
        detail::Raise(dragTarget_->grid_.OnDragOver, *dragSource, 0.0f, 0.0f, dragLeave);
    const int state = target == dragTarget_ ? dragOver : dragEnter;
    dragTarget_ = target;
    if (!target)
        return;
    const QPoint there = target->mapFromGlobal(mapToGlobal(at));
    target->TrackMouse(there);
    detail::Raise(target->grid_.OnDragOver, *dragSource, float(detail::Twips(there.x())),
                  float(detail::Twips(there.y())), state);
}

void GridView::EndDrag(const QPoint& at)
{
    dragging_ = false;
    dragTarget_ = nullptr;
    QApplication::restoreOverrideCursor();
    if (GridView* target = GridUnder(at)) {
        const QPoint there = target->mapFromGlobal(mapToGlobal(at));
        target->TrackMouse(there);
        detail::Raise(target->grid_.OnDragDrop, *dragSource, float(detail::Twips(there.x())),
                      float(detail::Twips(there.y())));
    }
    dragSource = nullptr;
}

bool GridView::FilesEvent(QDropEvent* event, const QPoint& at, int state, bool drop)
{
    const QMimeData* mime = event->mimeData();
    if (oleDropMode != 1 || !mime->hasUrls())
        return false;
    event->acceptProposedAction();
    TrackMouse(at);
    const float x = float(detail::Twips(at.x()));
    const float y = float(detail::Twips(at.y()));
    const QStringList dropped = FilesOf(mime);
    if (drop)
        detail::Raise(grid_.OnOLEDragDrop, dropped, x, y);
    else
        detail::Raise(grid_.OnOLEDragOver, dropped, x, y, state);
    return true;
}

void GridView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!FilesEvent(event, InGrid(viewport(), event->position()), dragEnter, false))
        event->ignore();
}

void GridView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!FilesEvent(event, InGrid(viewport(), event->position()), dragOver, false))
        event->ignore();
}

void GridView::dropEvent(QDropEvent* event)
{
    if (!FilesEvent(event, InGrid(viewport(), event->position()), dragOver, true))
        event->ignore();
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    // The header row takes part in mouse and drop events as row 0.
    QWidget* header = horizontalHeader()->viewport();
    if (watched != header)
        return QTableView::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        Press(mouse, InGrid(header, mouse->position()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        Release(InGrid(header, mouse->position()));
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        Move(mouse, InGrid(header, mouse->position()));
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const bool isDrop = event->type() == QEvent::Drop;
        const int state = event->type() == QEvent::DragEnter ? dragEnter : dragOver;
        if (!FilesEvent(drop, InGrid(header, drop->position()), state, isDrop))
            drop->ignore();
        return true;
    }
    default: return QTableView::eventFilter(watched, event);
    }
}

}  // namespace forms
