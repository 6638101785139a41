#include "forms/GridModel.h"

#include "jet/Recordset.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

namespace forms {

GridModel::GridModel()
{
    Resize(2, 2);
}

void GridModel::Resize(int rows, int cols)
{
    if (rows == rows_ && cols == cols_)
        return;
    beginResetModel();
    std::vector<jet::Value> cells(size_t(rows) * size_t(cols));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[size_t(r) * size_t(cols) + size_t(c)] = std::move(Cell(r, c));
    cells_ = std::move(cells);
    alignments_.resize(size_t(cols), CellAlignment::General);
    rows_ = rows;
    cols_ = cols;
    endResetModel();
}

void GridModel::Fill(const jet::Recordset& recordset)
{
    beginResetModel();
    const int fields = recordset.FieldCount();
    const int records = recordset.RecordCount();
    rows_ = records + 1;
    cols_ = fields + 1;
    // Built in row order in one pass: 100 000 records must fill quickly.
    std::vector<jet::Value> cells;
    cells.reserve(size_t(rows_) * size_t(cols_));
    cells.emplace_back();
    for (int f = 0; f < fields; ++f)
        cells.emplace_back(recordset.FieldName(f));
    for (int r = 0; r < records; ++r) {
        cells.emplace_back();
        for (int f = 0; f < fields; ++f)
            cells.push_back(recordset.ValueAt(r, f));
    }
    cells_ = std::move(cells);
    alignments_.assign(size_t(cols_), CellAlignment::General);
    endResetModel();
}

QString GridModel::Text(int row, int col) const
{
    return Cell(row, col).toString();
}

void GridModel::SetText(int row, int col, const QString& text)
{
    Cell(row, col) = jet::Value(text);
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

void GridModel::MoveRow(int row, int newPosition)
{
    if (row == newPosition)
        return;
    emit layoutAboutToBeChanged();
    auto at = [this](int r) { return cells_.begin() + std::ptrdiff_t(r) * cols_; };
    if (row < newPosition)
        std::rotate(at(row), at(row + 1), at(newPosition + 1));
    else
        std::rotate(at(newPosition), at(row), at(row + 1));
    emit layoutChanged();
}

void GridModel::SetAlignment(int col, CellAlignment alignment)
{
    alignments_[size_t(col)] = alignment;
    emit headerDataChanged(Qt::Horizontal, col, col);
    if (rows_ > 1)
        emit dataChanged(index(0, col), index(rows_ - 2, col));
}

Qt::Alignment GridModel::QtAlignment(int row, int col) const
{
    switch (alignments_[size_t(col)]) {
    case CellAlignment::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case CellAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case CellAlignment::General: break;
    }
    // Numbers to the right, everything else to the left.
    return (Cell(row, col).IsNumber() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_ - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row() + 1;
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole: return Text(row, col);
    case Qt::TextAlignmentRole: return QVariant::fromValue(QtAlignment(row, col));
    case Qt::BackgroundRole:
        if (col == 0)
            return QApplication::palette().button();
        return {};
    default: return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= cols_)
        return {};
    switch (role) {
    case Qt::DisplayRole: return Text(0, section);
    case Qt::TextAlignmentRole: return QVariant::fromValue(QtAlignment(0, section));
    default: return {};
    }
}

}  // namespace forms
