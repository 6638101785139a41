// What a Recordset holds: its statement, its columns, the rows read when it
// was opened (row-major, with their row ids when it is updatable), the
// current position and a pending AddNew or Edit.
#pragma once

#include "Connection.h"
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

struct RecordsetData {
    std::shared_ptr<Connection> connection;
    QString sql;               // as the form wrote it
    QString sqliteSql;         // as translated, without row ids
    const TableInfo* table = nullptr;   // null for a read-only recordset
    std::vector<RecordsetColumn> columns;
    std::vector<Value> values;
    std::vector<long long> rowids;
    int rows = 0;
    int position = 0;
    bool currentDeleted = false;
    bool noMatch = false;
    EditMode mode = EditMode::None;
    std::vector<std::optional<Value>> pending;

    static std::unique_ptr<RecordsetData> Open(std::shared_ptr<Connection> connection, const QString& sql);
    const Value& At(int row, int column) const { return values[size_t(row) * columns.size() + size_t(column)]; }
    bool HasCurrent() const { return !currentDeleted && position >= 0 && position < rows; }
};

} // namespace jet::detail
