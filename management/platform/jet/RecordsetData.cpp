#include "RecordsetData.h"

#include "ColumnValues.h"

#include <sqlite3.h>

namespace jet::detail {

std::unique_ptr<RecordsetData> RecordsetData::Open(std::shared_ptr<Connection> connection, const QString& sql)
{
    auto data = std::make_unique<RecordsetData>();
    const Translation translation = connection->Translate(sql);
    data->sql = sql;
    data->sqliteSql = translation.sql;
    if (!translation.table.isEmpty())
        data->table = connection->Table(translation.table);
    const int first = data->table ? 1 : 0;
    const Statement statement =
        connection->Prepare(data->table ? translation.sqlWithRowid : translation.sql, sql);
    sqlite3_stmt* handle = statement.get();

    const int count = sqlite3_column_count(handle);
    for (int i = first; i < count; ++i) {
        RecordsetColumn column{QString::fromUtf8(sqlite3_column_name(handle, i)),
                               KindOfDeclaredType(sqlite3_column_decltype(handle, i)), -1};
        // A column read straight from the table has a declared type; an
        // expression named like a column has none and is not written back.
        if (data->table && sqlite3_column_decltype(handle, i)) {
            column.tableColumn = data->table->IndexOf(column.name);
            if (column.tableColumn >= 0)
                column.kind = data->table->columns[size_t(column.tableColumn)].kind;
        }
        data->columns.push_back(column);
    }
    while (connection->Step(statement, sql)) {
        if (first)
            data->rowids.push_back(sqlite3_column_int64(handle, 0));
        for (int i = first; i < count; ++i)
            data->values.push_back(ReadColumn(handle, i, data->columns[size_t(i - first)].kind));
        ++data->rows;
    }
    data->pending.resize(data->columns.size());
    data->connection = std::move(connection);
    return data;
}

} // namespace jet::detail
