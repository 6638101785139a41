// jet::Rows: the rows of a Recordset as they stood when it was asked for them
// (Recordset::Rows), read from the file only as they are asked for. Later
// moves of the recordset and writes through it do not change them, and they
// stay readable after the recordset is closed. Grids show them.
//
//   jet::Rows rows = data.Recordset().Rows();
//   for (int column = 0; column < rows.FieldCount(); ++column)
//       header << rows.FieldName(column);
//   QString shown = rows.At(rows.Count() - 1, 0).toString();
#pragma once

#include "jet/Value.h"

#include <QString>
#include <memory>

namespace jet {

namespace detail {
class RowSource;
struct RowChanges;
}  // namespace detail

class Rows {
public:
    Rows() = default;  // no fields and no rows

    int Count() const;
    int FieldCount() const;
    QString FieldName(int column) const;
    // Throws jet::Error for a row or column it does not have.
    Value At(int row, int column) const;

private:
    friend class Recordset;
    Rows(std::shared_ptr<detail::RowSource> source, std::shared_ptr<const detail::RowChanges> changes);

    std::shared_ptr<detail::RowSource> source_;
    std::shared_ptr<const detail::RowChanges> changes_;
};

}  // namespace jet
