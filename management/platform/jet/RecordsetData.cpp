#include "RecordsetData.h"

#include "ColumnValues.h"

#include <sqlite3.h>

namespace jet::detail {

std::unique_ptr<RecordsetData> RecordsetData::Open(std::shared_ptr<Connection> connection, const QString& sql)
{
    std::unique_ptr<RecordsetData> data(new RecordsetData);
    const Translation translation = connection->Translate(sql);
    data->sql = sql;
    data->sqliteSql = translation.sql;
    if (!translation.table.isEmpty())
        data->table = connection->Table(translation.table);
    const int first = data->table ? 1 : 0;
    data->reading_.emplace(connection->Prepare(data->table ? translation.sqlWithRowid : translation.sql, sql));
    sqlite3_stmt* handle = data->reading_->get();

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
    data->pending.resize(data->columns.size());
    data->store = RowStore(int(data->columns.size()));
    data->texts_.resize(data->columns.size());
    data->connection = std::move(connection);
    if (data->connection->ReadsLazily()) {
        data->connection->AddPendingRead(data.get());
        data->HasRow(0);
    } else {
        data->ReadAll();
    }
    return data;
}

RecordsetData::~RecordsetData()
{
    if (reading_)
        connection->RemovePendingRead(this);
}

bool RecordsetData::ReadRow()
{
    sqlite3_stmt* handle = reading_->get();
    if (!connection->Step(*reading_, sql)) {
        reading_.reset();
        connection->RemovePendingRead(this);
        return false;
    }
    const int first = table ? 1 : 0;
    if (table)
        rowids.push_back(sqlite3_column_int64(handle, 0));
    Value* row = store.AppendRow();
    for (size_t i = 0; i < columns.size(); ++i)
        row[i] = ReadColumn(handle, int(i) + first, columns[i].kind, &texts_[i]);
    return true;
}

bool RecordsetData::HasRow(int row)
{
    while (row >= Rows() && reading_)
        if (!ReadRow())
            break;
    return row < Rows();
}

void RecordsetData::ReadAll()
{
    while (reading_ && ReadRow()) {
    }
}

int RecordsetData::RowCount()
{
    ReadAll();
    return Rows();
}

} // namespace jet::detail
