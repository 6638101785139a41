#include "RowSource.h"

#include <sqlite3.h>

#include <algorithm>

namespace jet::detail {

namespace {

// Rows whose values a recordset read by id keeps, up to twice this many:
// enough for a grid's page and a walk's neighbourhood, small beside a
// catalogue.
constexpr size_t recentRowsKept = 2048;

// Up to this many rows a table's rows are all read at opening, values and
// all, and the reader goes back at once: most forms list fewer, and a
// moment kept for long makes the write-ahead log grow.
constexpr int smallRows = 2048;

// Rows ahead of those read that are read on without counting the rows first.
constexpr int farAhead = 256;

// BEGIN and ROLLBACK, kept prepared on the reader.
void Run(Connection& connection, const QString& sql)
{
    connection.Step(connection.PrepareCached(sql, sql), sql);
}

}  // namespace

const Value* RowSource::RecentRows::Find(long long key)
{
    if (const auto found = recent_.find(key); found != recent_.end())
        return found->second.get();
    const auto older = older_.find(key);
    if (older == older_.end())
        return nullptr;
    std::unique_ptr<Value[]> row = std::move(older->second);
    older_.erase(older);
    return Keep(key, std::move(row));
}

const Value* RowSource::RecentRows::Keep(long long key, std::unique_ptr<Value[]> row)
{
    const Value* kept = row.get();
    recent_[key] = std::move(row);
    if (recent_.size() >= recentRowsKept) {
        older_ = std::move(recent_);
        recent_.clear();
    }
    return kept;
}

std::shared_ptr<RowSource> RowSource::Open(std::shared_ptr<Connection> connection, const QString& sql)
{
    std::shared_ptr<RowSource> source(new RowSource);
    const Translation translation = connection->Translate(sql);
    source->connection_ = std::move(connection);
    source->sql_ = sql;
    source->sqliteSql_ = translation.sql;
    source->select_ = translation.select;
    if (!source->select_.table.isEmpty())
        source->table_ = source->connection_->Table(source->select_.table);
    source->byKey_ = source->table_ && source->connection_->ReadsLazily() && !source->connection_->InTransaction();
    if (source->byKey_) {
        source->reader_ = source->connection_->TakeReader();
        Connection& reader = *source->reader_;
        Run(reader, QStringLiteral("BEGIN"));
        source->rowByKey_.emplace(reader.Prepare(source->select_.row, sql));
        source->DescribeColumns(*source->rowByKey_, false);
        source->cursor_.emplace(reader.Prepare(source->select_.keys, sql));
    } else {
        const QString& whole = source->table_ ? source->select_.withRowid : source->sqliteSql_;
        source->cursor_.emplace(source->connection_->Prepare(whole, sql));
        source->DescribeColumns(*source->cursor_, bool(source->table_));
    }
    source->store_ = RowStore(source->Width());
    source->texts_.resize(source->columns_.size());
    if (source->byKey_) {
        source->KeepWholeWhenSmall();
    } else if (source->connection_->ReadsLazily()) {
        // Inside a transaction: read as reached until another statement.
        source->connection_->AddPendingRead(source.get());
        source->pending_ = true;
        source->Has(0);
    } else {
        source->ReadAll();
    }
    return source;
}

void RowSource::KeepWholeWhenSmall()
{
    // The first row read fixes the moment the reader keeps.
    while (Read() <= smallRows && ReadRow()) {}
    if (cursor_)
        return;
    for (const long long key : keys_) {
        const Value* values = RowOfKey(key);
        std::copy(values, values + columns_.size(), store_.AppendRow());
    }
    recent_ = RecentRows();
    byKey_ = false;
    ReleaseReader();
}

void RowSource::ReleaseReader()
{
    backwards_.reset();
    rowByKey_.reset();
    if (!reader_)
        return;
    try {
        Run(*reader_, QStringLiteral("ROLLBACK"));
        connection_->GiveBackReader(std::move(reader_));
    } catch (const Error&) {
        // A reader that cannot end its transaction is closed, not kept.
    }
    reader_.reset();
}

RowSource::~RowSource()
{
    StopReading();
    ReleaseReader();
}

void RowSource::StopReading()
{
    cursor_.reset();
    if (pending_)
        connection_->RemovePendingRead(this);
    pending_ = false;
}

void RowSource::DescribeColumns(const Statement& statement, bool lastIsKey)
{
    sqlite3_stmt* handle = statement.get();
    const int count = sqlite3_column_count(handle) - (lastIsKey ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        RecordsetColumn column{QString::fromUtf8(sqlite3_column_name(handle, i)),
                               KindOfDeclaredType(sqlite3_column_decltype(handle, i)), -1};
        // A column read straight from the table has a declared type; an
        // expression named like a column has none and is not written back.
        if (table_ && sqlite3_column_decltype(handle, i)) {
            column.tableColumn = table_->IndexOf(column.name);
            if (column.tableColumn >= 0)
                column.kind = table_->columns[size_t(column.tableColumn)].kind;
        }
        columns_.push_back(column);
    }
}

void RowSource::ReadValues(sqlite3_stmt* statement, Value* row)
{
    for (size_t i = 0; i < columns_.size(); ++i)
        row[i] = ReadColumn(statement, int(i), columns_[i].kind, &texts_[i]);
}

std::unique_ptr<Value[]> RowSource::ReadValues(sqlite3_stmt* statement, std::unique_ptr<Value[]> row)
{
    ReadValues(statement, row.get());
    return row;
}

bool RowSource::ReadRow()
{
    if (!cursor_)
        return false;
    bool read = false;
    try {
        read = Reading().Step(*cursor_, sql_);
    } catch (const Error&) {
        // A file that failed under the rows keeps those read; the connection goes on.
        StopReading();
        throw;
    }
    if (!read) {
        StopReading();
        return false;
    }
    sqlite3_stmt* handle = cursor_->get();
    if (table_)
        keys_.push_back(sqlite3_column_int64(handle, sqlite3_column_count(handle) - 1));
    if (!byKey_)
        ReadValues(handle, store_.AppendRow());
    else if (sqlite3_column_count(handle) > 1)  // the ids come with the columns
        recent_.Keep(keys_.back(), ReadValues(handle, std::make_unique<Value[]>(columns_.size())));
    return true;
}

bool RowSource::ReadRowBackwards()
{
    if (!backwards_)
        backwards_.emplace(reader_->Prepare(select_.keysBackwards, sql_));
    if (!reader_->Step(*backwards_, sql_))
        return false;
    tail_.push_back(sqlite3_column_int64(backwards_->get(), 0));
    return true;
}

void RowSource::ReadAll()
{
    while (ReadRow()) {}
}

bool RowSource::Has(int index)
{
    if (index < 0)
        return false;
    if (index < Read())
        return true;
    // A row far ahead and nearer the end is read from the end, when the order
    // allows; the rows read from either end never go past those read from
    // the other.
    if (byKey_ && cursor_ && !select_.keysBackwards.isEmpty() && (count_ || index - Read() >= farAhead)) {
        const int count = Count();
        if (index >= count)
            return false;
        const int fromEnd = count - 1 - index;
        if (fromEnd - int(tail_.size()) < index - Read()) {
            while (fromEnd >= int(tail_.size()) && ReadRowBackwards()) {}
            return true;
        }
    }
    while (index >= Read() && ReadRow()) {}
    return index < Read();
}

long long RowSource::Key(int index) const
{
    if (index < int(keys_.size()))
        return keys_[size_t(index)];
    return tail_[size_t(*count_ - 1 - index)];
}

int RowSource::Count()
{
    if (!byKey_)
        ReadAll();
    if (!cursor_)
        return Read();
    if (!count_) {
        const Statement statement = reader_->Prepare(select_.count, sql_);
        reader_->Step(statement, sql_);
        count_ = sqlite3_column_int(statement.get(), 0);
    }
    return *count_;
}

std::optional<int> RowSource::IndexOf(long long key)
{
    for (size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i] == key)
            return int(i);
    for (size_t i = 0; i < tail_.size(); ++i)
        if (tail_[i] == key)
            return *count_ - 1 - int(i);
    if (!byKey_ || select_.keysBackwards.isEmpty()) {
        while (ReadRow())
            if (keys_.back() == key)
                return Read() - 1;
        return std::nullopt;
    }
    // From both ends at once, so that a row near either is found soon.
    const int count = Count();
    while (Read() + int(tail_.size()) < count) {
        const bool forwards = ReadRow();
        if (forwards && keys_.back() == key)
            return Read() - 1;
        const bool backwards = Read() + int(tail_.size()) < count && ReadRowBackwards();
        if (backwards && tail_.back() == key)
            return count - int(tail_.size());
        if (!forwards && !backwards)
            break;
    }
    return std::nullopt;
}

const Value* RowSource::Row(int index)
{
    if (byKey_)
        return RowOfKey(Key(index));
    return &store_.At(index, 0);
}

const Value* RowSource::RowOfKey(long long key)
{
    if (!byKey_) {
        const std::optional<int> index = IndexOf(key);
        if (!index)
            throw connection_->MakeError(QStringLiteral("El registro %1 no está en el conjunto de registros.").arg(key),
                                         sql_);
        return &store_.At(*index, 0);
    }
    if (const Value* kept = recent_.Find(key))
        return kept;
    sqlite3_stmt* handle = rowByKey_->get();
    sqlite3_reset(handle);
    sqlite3_bind_int64(handle, 1, key);
    if (!reader_->Step(*rowByKey_, sql_))
        throw connection_->MakeError(QStringLiteral("El registro %1 no está en el conjunto de registros.").arg(key),
                                     sql_);
    std::unique_ptr<Value[]> row = ReadValues(handle, std::make_unique<Value[]>(columns_.size()));
    sqlite3_reset(handle);
    return recent_.Keep(key, std::move(row));
}

std::vector<long long> RowSource::KeysMatching(const QString& condition, const QString& criteria)
{
    Connection& reading = Reading();
    const Statement statement = reading.Prepare(select_.Matching(condition), criteria);
    std::vector<long long> keys;
    while (reading.Step(statement, criteria))
        keys.push_back(sqlite3_column_int64(statement.get(), 0));
    return keys;
}

std::optional<int> RowSource::FirstMatching(const QString& condition, const QString& criteria)
{
    ReadAll();
    // Without row ids a row is known by its values.
    Connection& reading = Reading();
    const QString sql = QStringLiteral("SELECT * FROM (%1) WHERE %2").arg(sqliteSql_, condition);
    const Statement statement = reading.Prepare(sql, criteria);
    std::vector<std::vector<Value>> matching;
    const int width = Width();
    while (reading.Step(statement, criteria)) {
        std::vector<Value> row;
        for (int i = 0; i < width; ++i)
            row.push_back(ReadColumn(statement.get(), i, columns_[size_t(i)].kind));
        matching.push_back(std::move(row));
    }
    for (int index = 0; index < Read(); ++index)
        for (const auto& candidate : matching) {
            bool same = true;
            for (int i = 0; i < width && same; ++i)
                same = candidate[size_t(i)] == store_.At(index, i);
            if (same)
                return index;
        }
    return std::nullopt;
}

}  // namespace jet::detail
