#pragma once

#include "jet/Rows.h"
#include "jet/Value.h"

#include <QAbstractTableModel>

#include <unordered_map>
#include <vector>

namespace forms {

enum class CellAlignment { General, Left, Right, Center };

// The cells of a grid, row 0 (header) and column 0 (fixed) included. Filled
// from a recordset's rows, a cell's value is read only when it is drawn or
// read, and turned into text then; cells written afterwards are kept apart.
// Each grid row shows a line: the header, a record, or a row added later;
// moving rows moves lines. The Qt model shows rows 1..Rows-1 and takes row 0
// as its header.
class GridModel : public QAbstractTableModel {
public:
    GridModel();

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void Resize(int rows, int cols);
    // The rows under their field names; alignments back to general.
    void Fill(const jet::Rows& rows);

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
    static quint64 CellKey(int line, int col) { return (quint64(quint32(line)) << 32) | quint32(col); }
    jet::Value Cell(int row, int col) const;
    Qt::Alignment QtAlignment(int row, int col) const;
    QVariant Shown(int row, int col, int role) const;

    int rows_ = 0;
    int cols_ = 0;
    jet::Rows records_;
    int recordLines_ = 0;  // lines 1..recordLines_ show the records
    int fieldCols_ = 0;  // in columns 1..fieldCols_
    std::vector<int> lines_;  // grid row -> line
    int nextLine_ = 0;  // lines are never shown again once gone
    std::unordered_map<quint64, jet::Value> written_;  // by line and column
    std::vector<CellAlignment> alignments_;
};

}  // namespace forms
