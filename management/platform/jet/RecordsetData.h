// What a Recordset holds: its statement, its columns, its rows (row-major,
// with their row ids when it is updatable), the current position and a
// pending AddNew or Edit. Rows are read when opened, or on a file in
// write-ahead-log mode as they are first asked for.
#pragma once

#include "ColumnValues.h"
#include "Connection.h"
#include "RowStore.h"
#include "jet/Value.h"

#include <memory>
#include <optional>
#include <vector>

namespace jet::detail {

struct RecordsetColumn {
    QString name;
    ColumnKind kind;
    int tableColumn;   // -1 when the column cannot be written
};

enum class EditMode { None, Edit, AddNew };

class RecordsetData final : public PendingRead {
public:
    static std::unique_ptr<RecordsetData> Open(std::shared_ptr<Connection> connection, const QString& sql);
    ~RecordsetData();
    RecordsetData(const RecordsetData&) = delete;
    RecordsetData& operator=(const RecordsetData&) = delete;

    // Reads rows up to this one; false when the recordset has fewer.
    bool HasRow(int row);
    void ReadAll() override;
    int RowCount();

    int Rows() const { return store.Rows(); }
    const Value& At(int row, int column) const { return store.At(row, column); }
    bool HasCurrent() { return !currentDeleted && position >= 0 && HasRow(position); }

    std::shared_ptr<Connection> connection;
    QString sql;               // as the form wrote it
    QString sqliteSql;         // as translated, without row ids
    std::shared_ptr<const TableInfo> table;   // null for a read-only recordset
    std::vector<RecordsetColumn> columns;
    RowStore store{0};         // the rows read so far
    std::vector<long long> rowids;
    int position = 0;
    bool currentDeleted = false;
    bool noMatch = false;
    EditMode mode = EditMode::None;
    std::vector<std::optional<Value>> pending;

private:
    RecordsetData() = default;
    bool ReadRow();

    std::optional<Statement> reading_;
    std::vector<TextPool> texts_;   // one per column
};

} // namespace jet::detail
