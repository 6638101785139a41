#include "jet/Rows.h"

#include "RowView.h"
#include "jet/Error.h"

namespace jet {

Rows::Rows(std::shared_ptr<detail::RowSource> source, std::shared_ptr<const detail::RowChanges> changes)
    : source_(std::move(source)), changes_(std::move(changes))
{
}

int Rows::Count() const
{
    return source_ ? detail::RowView(*source_, *changes_).Count() : 0;
}

int Rows::FieldCount() const
{
    return source_ ? source_->Width() : 0;
}

QString Rows::FieldName(int column) const
{
    return source_->Columns().at(size_t(column)).name;
}

Value Rows::At(int row, int column) const
{
    if (!source_ || column < 0 || column >= source_->Width() || !detail::RowView(*source_, *changes_).Has(row))
        throw Error(QStringLiteral("No existe la fila %1, columna %2.").arg(row).arg(column));
    return detail::RowView(*source_, *changes_).ValuesAt(row)[column];
}

}  // namespace jet
