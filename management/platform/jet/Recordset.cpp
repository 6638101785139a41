#include "jet/Recordset.h"

#include "ColumnValues.h"
#include "RecordsetData.h"
#include "jet/Error.h"

#include <QStringList>
#include <algorithm>
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
    return data.connection->MakeError(problem, data.sql);
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

void RequireUpdatable(const RecordsetData& data)
{
    if (!data.table)
        throw Fault(data, QStringLiteral("No se puede actualizar: el conjunto de registros es de solo lectura."));
}

// Reads a newly inserted row back, so that the values are those the file holds.
void AppendRow(RecordsetData& data, long long rowid)
{
    QStringList columns;
    for (const auto& column : data.columns)
        columns << (column.tableColumn >= 0 ? Quoted(column.name) : QStringLiteral("NULL"));
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?")
                            .arg(columns.join(QLatin1Char(',')), Quoted(data.table->name));
    const detail::Statement statement = data.connection->PrepareCached(sql, data.sql);
    sqlite3_bind_int64(statement.get(), 1, rowid);
    if (!data.connection->Step(statement, data.sql))
        throw Fault(data, QStringLiteral("El registro nuevo de %1 no se encuentra.").arg(data.table->name));
    Value* row = data.store.AppendRow();
    for (int i = 0; i < int(data.columns.size()); ++i)
        row[i] = detail::ReadColumn(statement.get(), i, data.columns[size_t(i)].kind);
    data.rowids.push_back(rowid);
}

void Insert(RecordsetData& data)
{
    data.ReadAll();
    QStringList names;
    QStringList marks;
    for (size_t i = 0; i < data.columns.size(); ++i)
        if (data.pending[i]) {
            names << Quoted(data.columns[i].name);
            marks << QStringLiteral("?");
        }
    const QString table = Quoted(data.table->name);
    const QString sql = names.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    {
        const detail::Statement statement = data.connection->PrepareCached(sql, data.sql);
        int parameter = 1;
        for (const auto& value : data.pending)
            if (value)
                detail::BindValue(statement.get(), parameter++, *value);
        data.connection->Step(statement, data.sql);
    }
    const bool hadCurrent = data.HasCurrent();
    AppendRow(data, data.connection->LastInsertRowid());
    if (!hadCurrent) {
        data.position = data.Rows() - 1;
        data.currentDeleted = false;
    }
}

void Rewrite(RecordsetData& data)
{
    data.ReadAll();
    QStringList sets;
    for (size_t i = 0; i < data.columns.size(); ++i)
        if (data.pending[i])
            sets << Quoted(data.columns[i].name) + QStringLiteral("=?");
    if (sets.isEmpty())
        return;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(Quoted(data.table->name), sets.join(QLatin1Char(',')));
    const detail::Statement statement = data.connection->PrepareCached(sql, data.sql);
    int parameter = 1;
    for (const auto& value : data.pending)
        if (value)
            detail::BindValue(statement.get(), parameter++, *value);
    sqlite3_bind_int64(statement.get(), parameter, data.rowids[size_t(data.position)]);
    data.connection->Step(statement, data.sql);
    for (size_t i = 0; i < data.columns.size(); ++i)
        if (data.pending[i])
            data.store.At(data.position, int(i)) = *data.pending[i];
}

} // namespace

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

Recordset::Recordset(std::unique_ptr<detail::RecordsetData> data) : d_(std::move(data)) {}

bool Recordset::IsOpen() const
{
    return d_ != nullptr;
}

int Recordset::AbsolutePosition() const
{
    RecordsetData& data = Opened(d_);
    return data.HasCurrent() ? data.position : -1;
}

bool Recordset::EOF() const
{
    RecordsetData& data = Opened(d_);
    return !data.HasRow(data.position);
}

int Recordset::RecordCount() const
{
    return Opened(d_).RowCount();
}

void Recordset::MoveFirst()
{
    RecordsetData& data = Opened(d_);
    Forget(data);
    data.position = 0;
    data.currentDeleted = false;
}

void Recordset::MoveNext()
{
    RecordsetData& data = Opened(d_);
    Forget(data);
    if (data.currentDeleted) {
        data.currentDeleted = false;
        return;
    }
    if (!data.HasRow(data.position))
        throw Fault(data, QStringLiteral("No hay registro activo: ya se llegó al final."));
    ++data.position;
}

void Recordset::MoveLast()
{
    RecordsetData& data = Opened(d_);
    Forget(data);
    data.position = std::max(data.RowCount() - 1, 0);
    data.currentDeleted = false;
}

int Recordset::FieldIndex(const QString& name) const
{
    const RecordsetData& data = Opened(d_);
    for (size_t i = 0; i < data.columns.size(); ++i)
        if (data.columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
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
    if (index < 0 || index >= int(data.columns.size()))
        throw Fault(data, QStringLiteral("No existe el campo número %1.").arg(index));
    return Field(*this, index);
}

int Recordset::FieldCount() const
{
    return int(Opened(d_).columns.size());
}

QString Recordset::FieldName(int column) const
{
    return Opened(d_).columns.at(size_t(column)).name;
}

const Value& Recordset::ValueAt(int row, int column) const
{
    RecordsetData& data = Opened(d_);
    if (row < 0 || !data.HasRow(row) || column < 0 || column >= int(data.columns.size()))
        throw Fault(data, QStringLiteral("No existe la fila %1, columna %2.").arg(row).arg(column));
    return data.At(row, column);
}

Value Recordset::FieldValue(int column) const
{
    RecordsetData& data = Opened(d_);
    if (data.mode != EditMode::None && data.pending[size_t(column)])
        return *data.pending[size_t(column)];
    if (data.mode == EditMode::AddNew)
        return Value();
    RequireCurrent(data);
    return data.At(data.position, column);
}

void Recordset::SetFieldValue(int column, const Value& value)
{
    RecordsetData& data = Opened(d_);
    const auto& info = data.columns[size_t(column)];
    if (data.mode == EditMode::None)
        throw Fault(data, QStringLiteral("Se asigna el campo %1 sin Edit ni AddNew.").arg(info.name));
    if (info.tableColumn < 0)
        throw Fault(data, QStringLiteral("El campo %1 no se puede actualizar.").arg(info.name));
    try {
        data.pending[size_t(column)] = detail::ConvertForColumn(value, info.kind, data.table->name + QLatin1Char('.') + info.name);
    } catch (const Error& error) {
        throw Fault(data, error.Text());
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
    RequireUpdatable(data);
    RequireCurrent(data);
    Forget(data);
    data.ReadAll();
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(Quoted(data.table->name));
    const detail::Statement statement = data.connection->PrepareCached(sql, data.sql);
    sqlite3_bind_int64(statement.get(), 1, data.rowids[size_t(data.position)]);
    data.connection->Step(statement, data.sql);
    data.store.EraseRow(data.position);
    data.rowids.erase(data.rowids.begin() + data.position);
    data.currentDeleted = true;
}

void Recordset::FindFirst(const QString& criteria)
{
    RecordsetData& data = Opened(d_);
    Forget(data);
    data.ReadAll();
    const QString condition = data.connection->Translate(criteria).sql;
    int found = -1;
    if (data.table) {
        const QString sql = QStringLiteral("SELECT rowid FROM %1 WHERE %2").arg(Quoted(data.table->name), condition);
        const detail::Statement statement = data.connection->Prepare(sql, criteria);
        std::unordered_set<long long> matching;
        while (data.connection->Step(statement, criteria))
            matching.insert(sqlite3_column_int64(statement.get(), 0));
        for (int row = 0; row < data.Rows() && found < 0; ++row)
            if (matching.count(data.rowids[size_t(row)]))
                found = row;
    } else {
        // Without row ids a row is known by its values.
        const QString sql = QStringLiteral("SELECT * FROM (%1) WHERE %2").arg(data.sqliteSql, condition);
        const detail::Statement statement = data.connection->Prepare(sql, criteria);
        std::vector<std::vector<Value>> matching;
        const int width = int(data.columns.size());
        while (data.connection->Step(statement, criteria)) {
            std::vector<Value> row;
            for (int i = 0; i < width; ++i)
                row.push_back(detail::ReadColumn(statement.get(), i, data.columns[size_t(i)].kind));
            matching.push_back(std::move(row));
        }
        for (int row = 0; row < data.Rows() && found < 0; ++row)
            for (const auto& candidate : matching) {
                bool same = true;
                for (int i = 0; i < width && same; ++i)
                    same = candidate[size_t(i)] == data.At(row, i);
                if (same) {
                    found = row;
                    break;
                }
            }
    }
    data.noMatch = found < 0;
    if (found >= 0) {
        data.position = found;
        data.currentDeleted = false;
    }
}

bool Recordset::NoMatch() const
{
    return Opened(d_).noMatch;
}

void Recordset::Close()
{
    d_.reset();
}

} // namespace jet
