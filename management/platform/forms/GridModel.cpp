#include "forms/GridModel.h"

#include "forms/Dispatch.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>
#include <numeric>

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
    lines_.resize(size_t(std::min(rows, rows_)));
    while (int(lines_.size()) < rows)
        lines_.push_back(nextLine_++);
    if (cols < cols_) {
        fieldCols_ = std::min(fieldCols_, cols - 1);
        for (auto cell = written_.begin(); cell != written_.end();)
            cell = int(cell->first & 0xFFFFFFFFu) >= cols ? written_.erase(cell) : std::next(cell);
    }
    alignments_.resize(size_t(cols), CellAlignment::General);
    rows_ = rows;
    cols_ = cols;
    endResetModel();
}

void GridModel::Fill(const jet::Rows& rows)
{
    beginResetModel();
    records_ = rows;
    recordLines_ = rows.Count();
    fieldCols_ = rows.FieldCount();
    rows_ = recordLines_ + 1;
    cols_ = fieldCols_ + 1;
    lines_.resize(size_t(rows_));
    std::iota(lines_.begin(), lines_.end(), 0);
    nextLine_ = rows_;
    written_.clear();
    alignments_.assign(size_t(cols_), CellAlignment::General);
    endResetModel();
}

jet::Value GridModel::Cell(int row, int col) const
{
    const int line = lines_[size_t(row)];
    if (const auto cell = written_.find(CellKey(line, col)); cell != written_.end())
        return cell->second;
    if (col < 1 || col > fieldCols_)
        return {};
    if (line == 0)
        return records_.FieldName(col - 1);
    if (line <= recordLines_)
        return records_.At(line - 1, col - 1);
    return {};
}

QString GridModel::Text(int row, int col) const
{
    return Cell(row, col).toString();
}

void GridModel::SetText(int row, int col, const QString& text)
{
    written_[CellKey(lines_[size_t(row)], col)] = jet::Value(text);
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
    const auto at = [this](int r) { return lines_.begin() + r; };
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
    return Shown(index.row() + 1, index.column(), role);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= cols_)
        return {};
    return Shown(0, section, role);
}

QVariant GridModel::Shown(int row, int col, int role) const
{
    // Records are read as they are drawn: a database error here ends the
    // program as an untrapped one does.
    try {
        switch (role) {
        case Qt::DisplayRole: return Text(row, col);
        case Qt::TextAlignmentRole: return QVariant::fromValue(QtAlignment(row, col));
        case Qt::BackgroundRole:
            if (row > 0 && col == 0)
                return QApplication::palette().button();
            return {};
        default: return {};
        }
    } catch (...) {
        detail::Untrapped(detail::ErrorText(std::current_exception()));
        return {};
    }
}

}  // namespace forms
