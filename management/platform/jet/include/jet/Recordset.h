// jet::Recordset: the rows of one SELECT as they stood when it was opened,
// with a current row. Opened by Database::OpenRecordset or held by a
// DataControl.
//
//   jet::Recordset rs = db.OpenRecordset("SELECT HORA,TIEMPO FROM BLOQUES");
//   if (rs.AbsolutePosition() == -1) return;          // no rows
//   for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
//       rs.Edit();
//       rs.Fields("TIEMPO") = 0;
//       rs.Update();                                 // written at once
//   }
//   rs.FindFirst("ORDEN=" + QString::number(n));
//   if (!rs.NoMatch()) rs.Delete();
//
// A SELECT of one table (no join, grouping or Sum) is updatable:
// AddNew/Edit + field assignments + Update write the row, Delete removes the
// current row; values are converted to the column's type (text to a date/time
// column is read day first, digits to a number column become a number; a
// whole-number column refuses "4.5" and numbers beyond -2147483648 to
// 2147483647 with a jet::Error naming the column).
// Other recordsets are read-only. A row added with AddNew goes to the end and
// becomes current only when there was no current row. After Delete there is
// no current row until the next Move (MoveNext goes to the row after it).
// Moving, FindFirst or a new AddNew/Edit drop assignments not yet updated.
// FindFirst takes the criteria of a WHERE clause in the dialect of
// Database::Execute; without a match NoMatch() is true and the position stays.
// MoveFirst/MoveLast on an empty recordset leave it at its end; MoveNext at
// the end, reading a field without a current row, or writing to a read-only
// recordset throw jet::Error.
//
// The rows of a one-table SELECT on a file in write-ahead-log mode are read
// from the file as they are reached, not at opening, and only the values of
// the rows used lately are kept: a recordset over a large table opens at once
// and stays small, and FindFirst asks SQLite, which uses an index where there
// is one. Other recordsets are read whole at opening. Either way the rows are
// those of the moment of opening (later writes by another program or another
// Database are not in it), with the writes made through it.
//
// Rows are also read by index: FieldCount, FieldName, RecordCount and
// ValueAt(row, column); Rows() gives them as they stand, for a grid.
#pragma once

#include "jet/Field.h"
#include "jet/Rows.h"
#include "jet/Value.h"

#include <QString>
#include <cstdio>
#include <memory>

// <cstdio>'s EOF macro would swallow the member of that name; included above
// so that it cannot come back later in the same file.
#undef EOF

namespace jet {

namespace detail {
struct RecordsetData;
}

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    bool IsOpen() const;
    int AbsolutePosition() const;  // 0-based; -1 when there is no current row
    bool EOF() const;
    int RecordCount() const;
    void MoveFirst();
    void MoveNext();
    void MoveLast();

    Field Fields(const QString& name);  // case-insensitive, also CAMPAÑA/campaña
    Field Fields(int index);

    void AddNew();
    void Edit();
    void Update();
    void Delete();

    void FindFirst(const QString& criteria);
    bool NoMatch() const;

    void Close();

    int FieldCount() const;
    QString FieldName(int column) const;
    Value ValueAt(int row, int column) const;
    jet::Rows Rows() const;

private:
    friend class Database;
    friend class Field;
    explicit Recordset(std::unique_ptr<detail::RecordsetData> data);

    int FieldIndex(const QString& name) const;
    Value FieldValue(int column) const;
    void SetFieldValue(int column, const Value& value);

    std::unique_ptr<detail::RecordsetData> d_;
};

}  // namespace jet
