#include "jet/Recordset.h"

#include "ColumnValues.h"
#include "NarrowedCriteria.h"
#include "OpenTransaction.h"
#include "RecordsetData.h"
#include "jet/Error.h"
#include "jet/Rows.h"

#include <QStringList>
#include <algorithm>
#include <optional>
#include <sqlite3.h>
#include <unordered_set>

namespace jet {

using detail::EditMode;
using detail::RecordsetData;

namespace {

RecordsetData& Opened(const std::unique_ptr<RecordsetData>& data)
{
    if (!data)
        throw Error(QStringLiteral("El conjunto de registros está cerrado."));
    return *data;
}

Error Fault(const RecordsetData& data, const QString& problem)
{
    return data.connection->MakeError(problem, data.source->Sql());
}

QString Quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// Moving away from a row forgets an AddNew or Edit that was not saved.
void Forget(RecordsetData& data)
{
    data.mode = EditMode::None;
    std::fill(data.pending.begin(), data.pending.end(), std::nullopt);
}

void RequireCurrent(RecordsetData& data)
{
    if (!data.HasCurrent())
        throw Fault(data, QStringLiteral("No hay registro activo."));
}

const detail::TableInfo& RequireUpdatable(const RecordsetData& data)
{
    if (!data.source->Table())
        throw Fault(data, QStringLiteral("No se puede actualizar: el conjunto de registros es de solo lectura."));
    return *data.source->Table();
}

// A value as a statement in the forms' dialect would write it.
QString Literal(const Value& value)
{
    constexpr int longestShown = 60;
    switch (value.kind()) {
    case Value::Kind::Null: return QStringLiteral("NULL");
    case Value::Kind::Integer: return QString::number(value.toLongLong());
    case Value::Kind::Double: return QString::number(value.toDouble(), 'g', 15);
    case Value::Kind::DateTime: return QLatin1Char('#') + value.toString() + QLatin1Char('#');
    case Value::Kind::Text: break;
    }
    const QString text = value.toString();
    return QLatin1Char('\'') + (text.size() > longestShown ? text.left(longestShown) + QChar(0x2026) : text)
           + QLatin1Char('\'');
}

// The row being written, by the first column of the recordset.
QString WhereCurrent(RecordsetData& data)
{
    return QStringLiteral(" WHERE %1=%2").arg(data.source->Columns().front().name, Literal(data.CurrentValues()[0]));
}

// What an Update or Delete writes, as the statement a form would have run,
// for the message when it fails.
QString Described(RecordsetData& data, EditMode mode)
{
    const auto& columns = data.source->Columns();
    const QString table = data.source->Table()->name;
    QStringList names;
    QStringList values;
    for (size_t i = 0; i < columns.size(); ++i)
        if (data.pending[i]) {
            names << columns[i].name;
            values << Literal(*data.pending[i]);
        }
    if (mode == EditMode::AddNew)
        return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, names.join(QLatin1Char(',')), values.join(QLatin1Char(',')));
    if (mode == EditMode::None)
        return QStringLiteral("DELETE FROM ") + table + WhereCurrent(data);
    QStringList sets;
    for (int i = 0; i < names.size(); ++i)
        sets << names[i] + QLatin1Char('=') + values[i];
    return QStringLiteral("UPDATE %1 SET %2").arg(table, sets.join(QLatin1Char(','))) + WhereCurrent(data);
}

// Runs a row's write with the pending values and then the row id, if any, as
// its parameters, inside the open transaction; errors name it as described.
std::shared_ptr<detail::Connection> Write(RecordsetData& data, const QString& sql, const QString& described,
                                          std::optional<long long> rowid)
{
    const std::shared_ptr<detail::Connection> writer = detail::WritingConnection(data.connection, described, &data);
    {
        const detail::Statement statement = writer->PrepareCached(sql, described);
        int parameter = 1;
        for (const auto& value : data.pending)
            if (value)
                detail::BindValue(statement.get(), parameter++, *value);
        if (rowid)
            sqlite3_bind_int64(statement.get(), parameter, *rowid);
        writer->Step(statement, described);
    }
    detail::Written(*writer, described);
    return writer;
}

// Reads a newly inserted row back, so that the values are those the file holds.
std::vector<Value> StoredRow(RecordsetData& data, detail::Connection& writer, long long rowid)
{
    const auto& columns = data.source->Columns();
    QStringList names;
    for (const auto& column : columns)
        names << (column.tableColumn >= 0 ? Quoted(column.name) : QStringLiteral("NULL"));
    const QString table = data.source->Table()->name;
    const QString sql =
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?").arg(names.join(QLatin1Char(',')), Quoted(table));
    const detail::Statement statement = writer.PrepareCached(sql, data.source->Sql());
    sqlite3_bind_int64(statement.get(), 1, rowid);
    if (!writer.Step(statement, data.source->Sql()))
        throw Fault(data, QStringLiteral("El registro nuevo de %1 no se encuentra.").arg(table));
    std::vector<Value> row;
    for (int i = 0; i < int(columns.size()); ++i)
        row.push_back(detail::ReadColumn(statement.get(), i, columns[size_t(i)].kind));
    return row;
}

void Insert(RecordsetData& data)
{
    const auto& columns = data.source->Columns();
    QStringList names;
    QStringList marks;
    for (size_t i = 0; i < columns.size(); ++i)
        if (data.pending[i]) {
            names << Quoted(columns[i].name);
            marks << QStringLiteral("?");
        }
    const QString table = Quoted(data.source->Table()->name);
    const QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    const std::shared_ptr<detail::Connection> writer =
        Write(data, sql, Described(data, EditMode::AddNew), std::nullopt);
    const long long rowid = writer->LastInsertRowid();
    const bool hadCurrent = data.HasCurrent();
    std::vector<Value> row = StoredRow(data, *writer, rowid);
    detail::RowChanges& changes = data.Changes();
    changes.added.push_back(rowid);
    changes.written[rowid] = std::move(row);
    if (!hadCurrent)
        data.MoveToKey(rowid);
}

void Rewrite(RecordsetData& data)
{
    const auto& columns = data.source->Columns();
    QStringList sets;
    for (size_t i = 0; i < columns.size(); ++i)
        if (data.pending[i])
            sets << Quoted(columns[i].name) + QStringLiteral("=?");
    if (sets.isEmpty())
        return;
    const long long rowid = data.CurrentKey();
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?")
                            .arg(Quoted(data.source->Table()->name), sets.join(QLatin1Char(',')));
    Write(data, sql, Described(data, EditMode::Edit), rowid);
    const Value* before = data.CurrentValues();
    std::vector<Value> row(before, before + columns.size());
    for (size_t i = 0; i < columns.size(); ++i)
        if (data.pending[i])
            row[i] = *data.pending[i];
    data.Changes().written[rowid] = std::move(row);
}

// Ids of the rows written through the recordset that now meet a condition.
std::vector<long long> WrittenMatching(RecordsetData& data, const QString& condition, const QString& criteria)
{
    QStringList ids;
    for (const auto& written : data.changes->written)
        ids << QString::number(written.first);
    const QString sql = QStringLiteral("SELECT rowid FROM %1 WHERE rowid IN (%2) AND (%3)")
                            .arg(Quoted(data.source->Table()->name), ids.join(QLatin1Char(',')), condition);
    // Where the writes can be seen, inside a transaction too.
    const std::shared_ptr<detail::Connection> reading = detail::ReadingConnection(data.connection);
    const detail::Statement statement = reading->Prepare(sql, criteria);
    std::vector<long long> keys;
    while (reading->Step(statement, criteria))
        keys.push_back(sqlite3_column_int64(statement.get(), 0));
    return keys;
}

// The first row in the recordset's order whose values meet a condition: rows
// as they were opened are asked of SQLite, which uses an index where there is
// one, and rows written through the recordset as they stand now. Rows kept
// by id are read in order only to choose among several; rows read whole were
// asked of the file as it stands, which may hold rows the recordset has not.
std::optional<long long> FirstKeyMatching(RecordsetData& data, const QString& condition, const QString& criteria)
{
    detail::RowSource& source = *data.source;
    const detail::RowChanges& changes = *data.changes;
    std::unordered_set<long long> removed;
    for (const int index : changes.removed)
        removed.insert(source.Key(index));
    std::unordered_set<long long> matching;
    for (const long long key : source.KeysMatching(condition, criteria))
        if (!changes.written.count(key) && !removed.count(key))
            matching.insert(key);
    if (!changes.written.empty())
        for (const long long key : WrittenMatching(data, condition, criteria))
            matching.insert(key);
    if (matching.empty())
        return std::nullopt;
    if (matching.size() == 1 && source.ReadsByKey())
        return *matching.begin();
    for (int index = 0; source.Has(index); ++index) {
        const long long key = source.Key(index);
        if (matching.count(key) && !removed.count(key))
            return key;
    }
    for (const long long key : changes.added)
        if (matching.count(key))
            return key;
    return std::nullopt;
}

}  // namespace

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

Recordset::Recordset(std::unique_ptr<detail::RecordsetData> data) : d_(std::move(data))
{
}

bool Recordset::IsOpen() const
{
    return d_ != nullptr;
}

int Recordset::AbsolutePosition() const
{
    RecordsetData& data = Opened(d_);
    return data.HasCurrent() ? data.Position() : -1;
}

bool Recordset::EOF() const
{
    RecordsetData& data = Opened(d_);
    if (data.HasCurrent())
        return false;
    return !data.View().Has(data.Position());
}

int Recordset::RecordCount() const
{
    return Opened(d_).View().Count();
}

void Recordset::MoveFirst()
{
    RecordsetData& data = Opened(d_);
    Forget(data);
    data.MoveTo(0);
}

void Recordset::MoveNext()
{
    RecordsetData& data = Opened(d_);
    Forget(data);
    if (data.currentDeleted) {
        data.MoveTo(data.Position());
        return;
    }
    if (!data.HasCurrent())
        throw Fault(data, QStringLiteral("No hay registro activo: ya se llegó al final."));
    data.MoveTo(data.Position() + 1);
}

void Recordset::MoveLast()
{
    RecordsetData& data = Opened(d_);
    Forget(data);
    data.MoveTo(std::max(data.View().Count() - 1, 0));
}

int Recordset::FieldIndex(const QString& name) const
{
    const RecordsetData& data = Opened(d_);
    const auto& columns = data.source->Columns();
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    throw Fault(data, QStringLiteral("No se encuentra el campo «%1».").arg(name));
}

Field Recordset::Fields(const QString& name)
{
    return Field(*this, FieldIndex(name));
}

Field Recordset::Fields(int index)
{
    const RecordsetData& data = Opened(d_);
    if (index < 0 || index >= data.source->Width())
        throw Fault(data, QStringLiteral("No existe el campo número %1.").arg(index));
    return Field(*this, index);
}

int Recordset::FieldCount() const
{
    return Opened(d_).source->Width();
}

QString Recordset::FieldName(int column) const
{
    return Opened(d_).source->Columns().at(size_t(column)).name;
}

Value Recordset::ValueAt(int row, int column) const
{
    RecordsetData& data = Opened(d_);
    if (!data.View().Has(row) || column < 0 || column >= data.source->Width())
        throw Fault(data, QStringLiteral("No existe la fila %1, columna %2.").arg(row).arg(column));
    return data.View().ValuesAt(row)[column];
}

jet::Rows Recordset::Rows() const
{
    RecordsetData& data = Opened(d_);
    return jet::Rows(data.source, data.changes);
}

Value Recordset::FieldValue(int column) const
{
    RecordsetData& data = Opened(d_);
    if (data.mode != EditMode::None && data.pending[size_t(column)])
        return *data.pending[size_t(column)];
    if (data.mode == EditMode::AddNew)
        return Value();
    RequireCurrent(data);
    return data.CurrentValues()[column];
}

void Recordset::SetFieldValue(int column, const Value& value)
{
    RecordsetData& data = Opened(d_);
    const auto& info = data.source->Columns()[size_t(column)];
    if (data.mode == EditMode::None)
        throw Fault(data, QStringLiteral("Se asigna el campo %1 sin Edit ni AddNew.").arg(info.name));
    if (info.tableColumn < 0)
        throw Fault(data, QStringLiteral("El campo %1 no se puede actualizar.").arg(info.name));
    try {
        data.pending[size_t(column)] =
            detail::ConvertForColumn(value, info.kind, data.source->Table()->name + QLatin1Char('.') + info.name);
    } catch (const Error& error) {
        // The value and the column are the statement that failed.
        throw data.connection->MakeError(error.Text(), QString());
    }
}

void Recordset::AddNew()
{
    RecordsetData& data = Opened(d_);
    RequireUpdatable(data);
    Forget(data);
    data.mode = EditMode::AddNew;
}

void Recordset::Edit()
{
    RecordsetData& data = Opened(d_);
    RequireUpdatable(data);
    RequireCurrent(data);
    Forget(data);
    data.mode = EditMode::Edit;
}

void Recordset::Update()
{
    RecordsetData& data = Opened(d_);
    if (data.mode == EditMode::AddNew)
        Insert(data);
    else if (data.mode == EditMode::Edit)
        Rewrite(data);
    else
        throw Fault(data, QStringLiteral("Update sin AddNew ni Edit."));
    Forget(data);
}

void Recordset::Delete()
{
    RecordsetData& data = Opened(d_);
    const detail::TableInfo& table = RequireUpdatable(data);
    RequireCurrent(data);
    Forget(data);
    // Where the row stood is where the row after it will stand.
    const int position = data.Position();
    const long long rowid = data.CurrentKey();
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(Quoted(table.name));
    Write(data, sql, Described(data, EditMode::None), rowid);

    const int index = data.View().SourceIndex(position);
    detail::RowChanges& changes = data.Changes();
    changes.written.erase(rowid);
    if (data.source->Has(index))
        changes.removed.insert(std::upper_bound(changes.removed.begin(), changes.removed.end(), index), index);
    else
        changes.added.erase(std::find(changes.added.begin(), changes.added.end(), rowid));
    data.MoveTo(position);
    data.currentDeleted = true;
}

void Recordset::FindFirst(const QString& criteria)
{
    RecordsetData& data = Opened(d_);
    Forget(data);
    const QString condition = data.connection->Translate(criteria).sql;
    if (!data.source->Table()) {
        const std::optional<int> found = data.source->FirstMatching(condition, criteria);
        data.noMatch = !found;
        if (found)
            data.MoveTo(*found);
        return;
    }
    const std::optional<long long> found =
        FirstKeyMatching(data, detail::NarrowedCriteria(condition, *data.source->Table()), criteria);
    data.noMatch = !found;
    if (found)
        data.MoveToKey(*found);
}

bool Recordset::NoMatch() const
{
    return Opened(d_).noMatch;
}

void Recordset::Close()
{
    d_.reset();
}

}  // namespace jet
