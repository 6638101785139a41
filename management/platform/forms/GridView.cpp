#include "forms/GridView.h"

#include "forms/Dispatch.h"
#include "forms/MouseState.h"
#include "forms/MSFlexGrid.h"
#include "forms/Twips.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <algorithm>

namespace forms {

namespace {

const QString controlDragFormat = QStringLiteral("application/x-varnook-control");
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
    setAcceptDrops(true);
    setWordWrap(false);
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
    const QPoint inViewport = at - viewport()->geometry().topLeft();
    mouseCol = columnAt(inViewport.x());
    if (inViewport.y() < 0) {
        mouseRow = 0;
        return;
    }
    const int r = rowAt(inViewport.y());
    // Below the last row counts as the last row.
    mouseRow = r < 0 ? model_.Rows() - 1 : r + 1;
}

QPoint GridView::CellCenter(int r, int c) const
{
    const int x = columnViewportPosition(c) + columnWidth(c) / 2;
    const int y = r == 0 ? -horizontalHeader()->height() / 2 : rowViewportPosition(r - 1) + rowHeight(r - 1) / 2;
    return viewport()->geometry().topLeft() + QPoint(x, y);
}

QPoint GridView::InGrid(QWidget* from, const QPointF& at) const
{
    return from->mapTo(const_cast<GridView*>(this), at.toPoint());
}

void GridView::Press(QMouseEvent* event, const QPoint& at)
{
    TrackMouse(at);
    if (mouseRow >= 1 && mouseCol >= 0) {
        if (event->modifiers() & Qt::ShiftModifier) {
            rowSel = mouseRow;
            colSel = mouseCol;
        } else {
            row = rowSel = mouseRow;
            col = colSel = mouseCol;
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
    TrackMouse(at);
    if (dragPending_) {
        if ((at - pressAt_).manhattanLength() >= QApplication::startDragDistance())
            RunDrag();
        return;
    }
    if (pressed_ && (event->buttons() & Qt::LeftButton) && mouseRow >= 1 && mouseCol >= 0 &&
        (mouseRow != rowSel || mouseCol != colSel)) {
        rowSel = mouseRow;
        colSel = mouseCol;
        ShowSelection();
    }
}

void GridView::Release(const QPoint& at)
{
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

void GridView::RunDrag()
{
    dragPending_ = false;
    pressed_ = false;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(controlDragFormat, QByteArray());
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
    dragSource = nullptr;
}

bool GridView::DragEvent(QDropEvent* event, const QPoint& at, int state, bool drop)
{
    const QMimeData* mime = event->mimeData();
    const bool control = mime->hasFormat(controlDragFormat) && dragSource;
    const bool files = !control && oleDropMode == 1 && mime->hasUrls();
    if (!control && !files)
        return false;
    event->acceptProposedAction();
    TrackMouse(at);
    const float x = float(detail::Twips(at.x()));
    const float y = float(detail::Twips(at.y()));
    if (control) {
        if (drop)
            detail::Raise(grid_.OnDragDrop, *dragSource, x, y);
        else
            detail::Raise(grid_.OnDragOver, *dragSource, x, y, state);
    } else {
        const QStringList dropped = FilesOf(mime);
        if (drop)
            detail::Raise(grid_.OnOLEDragDrop, dropped, x, y);
        else
            detail::Raise(grid_.OnOLEDragOver, dropped, x, y, state);
    }
    return true;
}

void GridView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DragEvent(event, InGrid(viewport(), event->position()), dragEnter, false))
        event->ignore();
}

void GridView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!DragEvent(event, InGrid(viewport(), event->position()), dragOver, false))
        event->ignore();
}

void GridView::dragLeaveEvent(QDragLeaveEvent*)
{
    if (dragSource)
        detail::Raise(grid_.OnDragOver, *dragSource, 0.0f, 0.0f, dragLeave);
}

void GridView::dropEvent(QDropEvent* event)
{
    if (!DragEvent(event, InGrid(viewport(), event->position()), dragOver, true))
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
        if (!DragEvent(drop, InGrid(header, drop->position()), state, isDrop))
            drop->ignore();
        return true;
    }
    default: return QTableView::eventFilter(watched, event);
    }
}

}  // namespace forms
