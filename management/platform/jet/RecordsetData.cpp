#include "RecordsetData.h"

#include "OpenTransaction.h"

#include <algorithm>

namespace jet::detail {

std::unique_ptr<RecordsetData> RecordsetData::Open(std::shared_ptr<Connection> connection, const QString& sql)
{
    std::unique_ptr<RecordsetData> data(new RecordsetData);
    data->source = RowSource::Open(connection, sql);
    data->connection = std::move(connection);
    data->changes = std::make_shared<RowChanges>();
    data->pending.resize(size_t(data->source->Width()));
    return data;
}

RecordsetData::~RecordsetData()
{
    ForgetRecordset(this);
}

void RecordsetData::Restore(const Saved& saved)
{
    changes = saved.changes;
    position_ = saved.position;
    currentKey_ = saved.currentKey;
    currentDeleted = saved.currentDeleted;
    mode = EditMode::None;
    std::fill(pending.begin(), pending.end(), std::nullopt);
}

RowChanges& RecordsetData::Changes()
{
    if (changes.use_count() > 1)
        changes = std::make_shared<RowChanges>(*changes);
    return *changes;
}

bool RecordsetData::HasCurrent()
{
    return !currentDeleted && (position_ < 0 || View().Has(position_));
}

int RecordsetData::Position()
{
    if (position_ < 0) {
        const std::optional<int> found = View().PositionOf(currentKey_);
        if (!found)
            throw connection->MakeError(QStringLiteral("El registro activo ya no está en el conjunto de registros."),
                                        source->Sql());
        position_ = *found;
    }
    return position_;
}

long long RecordsetData::CurrentKey()
{
    return position_ < 0 ? currentKey_ : View().KeyAt(position_);
}

const Value* RecordsetData::CurrentValues()
{
    return position_ < 0 ? View().ValuesOfKey(currentKey_) : View().ValuesAt(position_);
}

void RecordsetData::MoveTo(int newPosition)
{
    position_ = newPosition;
    currentDeleted = false;
}

void RecordsetData::MoveToKey(long long key)
{
    position_ = -1;
    currentKey_ = key;
    currentDeleted = false;
}

}  // namespace jet::detail
