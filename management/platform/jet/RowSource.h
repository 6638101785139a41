// The rows of one SELECT as the file held them when it was opened. The rows
// of a large table, on a file in write-ahead-log mode, are read as they are
// reached through a connection of their own, whose read transaction keeps
// that moment while other statements write: their ids in the SELECT's order,
// from the first row on and, for a row nearer the last, from the last back,
// with the values of the rows used lately kept and the others read again by
// id. Inside a transaction, whose changes must be seen, the rows are read as
// reached on the file's own connection until it runs another statement.
// Otherwise (a few rows, another journal, a SELECT of sums or of several
// tables) every row is read at opening.
#pragma once

#include "ColumnValues.h"
#include "Connection.h"
#include "RowStore.h"
#include "jet/Value.h"

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace jet::detail {

struct RecordsetColumn {
    QString name;
    ColumnKind kind;
    int tableColumn;  // -1 when the column cannot be written
};

class RowSource final : public PendingRead {
public:
    static std::shared_ptr<RowSource> Open(std::shared_ptr<Connection> connection, const QString& sql);
    ~RowSource();
    RowSource(const RowSource&) = delete;
    RowSource& operator=(const RowSource&) = delete;

    const QString& Sql() const { return sql_; }  // as the form wrote it
    const TableSelect& Select() const { return select_; }
    const std::shared_ptr<const TableInfo>& Table() const { return table_; }  // null: read only
    const std::vector<RecordsetColumn>& Columns() const { return columns_; }
    int Width() const { return int(columns_.size()); }
    // Table rows kept by id and read from the moment of opening.
    bool ReadsByKey() const { return byKey_; }

    // Reads up to this row; false when there are fewer.
    bool Has(int index);
    int Count();
    // The id of a row that Has (table rows only).
    long long Key(int index) const;
    std::optional<int> IndexOf(long long key);
    // The values of a row, Width() of them, valid until the next call.
    const Value* Row(int index);
    const Value* RowOfKey(long long key);

    void ReadAll() override;

    // Ids of the table rows whose values meet a condition (SQLite text);
    // errors name criteria.
    std::vector<long long> KeysMatching(const QString& condition, const QString& criteria);
    // The first row of another SELECT whose values meet a condition.
    std::optional<int> FirstMatching(const QString& condition, const QString& criteria);

private:
    // Values of the rows used lately, by id; the older half goes when full.
    class RecentRows {
    public:
        const Value* Find(long long key);
        const Value* Keep(long long key, std::unique_ptr<Value[]> row);

    private:
        std::unordered_map<long long, std::unique_ptr<Value[]>> recent_;
        std::unordered_map<long long, std::unique_ptr<Value[]>> older_;
    };

    RowSource() = default;
    Connection& Reading() const { return reader_ ? *reader_ : *connection_; }
    void DescribeColumns(const Statement& statement, bool lastIsKey);
    int Read() const { return table_ ? int(keys_.size()) : store_.Rows(); }
    void KeepWholeWhenSmall();
    void ReleaseReader();
    bool ReadRow();
    bool ReadRowBackwards();
    void StopReading();
    void ReadValues(sqlite3_stmt* statement, Value* row);
    std::unique_ptr<Value[]> ReadValues(sqlite3_stmt* statement, std::unique_ptr<Value[]> row);

    std::shared_ptr<Connection> connection_;
    std::shared_ptr<Connection> reader_;  // holds the moment of opening
    QString sql_;
    QString sqliteSql_;
    TableSelect select_;
    std::shared_ptr<const TableInfo> table_;
    std::vector<RecordsetColumn> columns_;
    bool byKey_ = false;  // values read by id, only some kept
    std::optional<Statement> cursor_;  // the rows not read yet
    bool pending_ = false;  // read on the file's connection as reached
    std::optional<Statement> backwards_;  // the ids from the last row on
    std::optional<Statement> rowByKey_;
    std::optional<int> count_;
    std::vector<long long> keys_;  // from the first row on
    std::vector<long long> tail_;  // from the last row back
    RowStore store_{0};  // whole rows, when not read by id
    std::vector<TextPool> texts_;  // one per column
    RecentRows recent_;
};

}  // namespace jet::detail
