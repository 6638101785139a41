#pragma once

#include "forms/GridModel.h"

#include <QTableView>

#include <optional>

namespace forms {

class Control;
class MSFlexGrid;

// The widget of an MSFlexGrid: draws the model, keeps the current cell and
// selection as the grid defines them, and turns mouse and drop events into
// the grid's events.
class GridView : public QTableView {
public:
    static constexpr int defaultWidthTwips = 975;

    GridView(MSFlexGrid& grid, QWidget* parent);

    GridModel& Model() { return model_; }
    const GridModel& Model() const { return model_; }

    int row = 0;
    int col = 1;
    int rowSel = 0;
    int colSel = 1;
    bool redraw = true;
    int oleDropMode = 0;
    QString formatString;
    std::vector<int> widthsTwips;

    void ShowSelection();
    void ResetAfterFill();
    void ApplyWidth(int col);
    void BeginDrag();

    // The pointer is at a grid position (pixels in the grid widget).
    void TrackMouse(const QPoint& at);
    // The cell under the pointer at the last mouse or drag event over the
    // grid: row 0 is the header; below the last row counts as the last row,
    // and as no row (-1) in a grid without rows. Before the pointer has been
    // over the grid it counts as below the rows, in column 0.
    int MouseRow() const;
    int MouseCol() const;

    // The control being dragged with Drag, while a drag runs.
    static Control* dragSource;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint InGrid(QWidget* from, const QPointF& at) const;
    void Press(QMouseEvent* event, const QPoint& at);
    void Move(QMouseEvent* event, const QPoint& at);
    void Release(const QPoint& at);
    bool FilesEvent(QDropEvent* event, const QPoint& at, int state, bool drop);
    void StartDrag();
    void DragTo(const QPoint& at);
    void EndDrag(const QPoint& at);
    GridView* GridUnder(const QPoint& at) const;

    MSFlexGrid& grid_;
    GridModel model_;
    std::optional<QPoint> mouseAt_;
    bool pressed_ = false;
    bool dragPending_ = false;
    bool dragging_ = false;
    GridView* dragTarget_ = nullptr;
    QPoint pressAt_;
};

}  // namespace forms
