#pragma once

#include "forms/Control.h"

#include <QStringList>

#include <functional>

namespace jet {
class DataControl;
}

namespace forms {

class GridModel;
class GridView;

constexpr int vbBeginDrag = 1;

// Grid of text cells. Row 0 is the header row and column 0 the fixed column;
// a grid bound to a data control shows the query's fields from column 1 on,
// one row per record, and reloads (field names as headers, default widths)
// each time the data control is refreshed.
class MSFlexGrid : public Control {
public:
    explicit MSFlexGrid(Container& in);
    ~MSFlexGrid() override;

    void DataSource(jet::DataControl& data);

    // "|"-separated header texts from column 0, each may start with "<" (left)
    // or ">" (right) for its column's alignment; the grid gets at least that
    // many columns.
    QString FormatString() const;
    void FormatString(const QString& format);
    int ColWidth(int col) const;
    void ColWidth(int col, int twips);

    int Rows() const;
    void Rows(int rows);
    int Cols() const;
    void Cols(int cols);

    // Current cell and the far corner of the selection.
    int Row() const;
    void Row(int row);
    int Col() const;
    void Col(int col);
    int RowSel() const;
    void RowSel(int row);
    int ColSel() const;
    void ColSel(int col);
    // Text of the current cell.
    QString Text() const;

    QString TextMatrix(int row, int col) const;
    void TextMatrix(int row, int col, const QString& text);

    // The row under the pointer as it last moved over the grid, or at the
    // last press or drag event there (0: the header; below the last row: the
    // last row, or -1 when the grid has no rows). Moving without a button
    // across the header, as on the way to buttons above the grid, keeps the
    // row pointed at. Before the pointer has been over the grid, as below
    // the last row: a file added from a button then goes after the last row.
    int MouseRow() const;
    int MouseCol() const;

    // Moves row to position newPosition, the rows between shift by one.
    void RowPosition(int row, int newPosition);
    bool Redraw() const;
    void Redraw(bool redraw);

    // vbBeginDrag starts a manual drag of the grid; dropping it on a grid
    // raises that grid's OnDragDrop with this grid as the source.
    void Drag(int action = vbBeginDrag);
    // 1: files dropped from the file manager raise OnOLEDragOver/OnOLEDragDrop.
    void OLEDropMode(int mode);

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(int Button, int Shift, float X, float Y)> OnMouseDown;
    std::function<void(Control& Source, float X, float Y)> OnDragDrop;
    std::function<void(Control& Source, float X, float Y, int State)> OnDragOver;
    std::function<void(const QStringList& Files, float X, float Y)> OnOLEDragDrop;
    std::function<void(const QStringList& Files, float X, float Y, int State)> OnOLEDragOver;

private:
    friend class GridView;
    friend struct GridAccess;
    QWidget* CreateWidget(QWidget* parent) override;
    GridView& View() const;
    void Follow(GridView& view);
    void Reload();

    jet::DataControl* data_ = nullptr;
};

}  // namespace forms
