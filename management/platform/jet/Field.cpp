#include "jet/Field.h"

#include "jet/Recordset.h"

namespace jet {

QString Field::Name() const
{
    return recordset_->FieldName(index_);
}

jet::Value Field::Value() const
{
    return recordset_->FieldValue(index_);
}

void Field::SetValue(const jet::Value& value)
{
    recordset_->SetFieldValue(index_, value);
}

}  // namespace jet
