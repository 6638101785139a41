#pragma once

#include "jet/Value.h"

#include <QAbstractTableModel>

#include <vector>

namespace jet {
class Recordset;
}

namespace forms {

enum class CellAlignment { General, Left, Right, Center };

// The cells of a grid, row 0 (header) and column 0 (fixed) included, kept as
// values in one flat array and formatted only when drawn or read. The Qt
// model shows rows 1..Rows-1 and takes row 0 as its header.
class GridModel : public QAbstractTableModel {
public:
    GridModel();

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void Resize(int rows, int cols);
    // The recordset's rows under its field names; alignments back to general.
    void Fill(const jet::Recordset& recordset);

    QString Text(int row, int col) const;
    void SetText(int row, int col, const QString& text);
    void MoveRow(int row, int newPosition);

    CellAlignment Alignment(int col) const { return alignments_[size_t(col)]; }
    void SetAlignment(int col, CellAlignment alignment);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const jet::Value& Cell(int row, int col) const { return cells_[size_t(row) * size_t(cols_) + size_t(col)]; }
    jet::Value& Cell(int row, int col) { return cells_[size_t(row) * size_t(cols_) + size_t(col)]; }
    Qt::Alignment QtAlignment(int row, int col) const;

    int rows_ = 0;
    int cols_ = 0;
    std::vector<jet::Value> cells_;
    std::vector<CellAlignment> alignments_;
};

}  // namespace forms
