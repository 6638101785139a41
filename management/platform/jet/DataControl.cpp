#include "jet/DataControl.h"

#include "jet/Engine.h"
#include "jet/Error.h"

namespace jet {

namespace {

// A record source without blanks is a table name.
QString StatementOf(const QString& recordSource)
{
    const QString source = recordSource.trimmed();
    if (source.contains(QLatin1Char(' ')) || source.contains(QLatin1Char('\t')) || source.contains(QLatin1Char('\n')))
        return source;
    return QStringLiteral("SELECT * FROM ") + source;
}

} // namespace

DataControl::DataControl(QObject* parent) : QObject(parent) {}

DataControl::~DataControl() = default;

void DataControl::Refresh()
{
    if (DatabaseName.isEmpty())
        throw Error(QStringLiteral("El control de datos no tiene base de datos (DatabaseName)."));
    if (RecordSource.trimmed().isEmpty())
        throw Error(QStringLiteral("El control de datos de «%1» no tiene origen de registros (RecordSource).").arg(DatabaseName));
    if (!database_.IsOpen() || database_.Name() != DatabaseName)
        database_ = DBEngine().OpenDatabase(DatabaseName);
    recordset_.Close();   // its unread rows are not wanted any more
    recordset_ = database_.OpenRecordset(StatementOf(RecordSource));
    opened_ = true;
    emit Refreshed();
}

jet::Recordset& DataControl::Recordset()
{
    if (!opened_)
        Refresh();
    return recordset_;
}

} // namespace jet
