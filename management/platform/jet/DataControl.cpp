#include "jet/DataControl.h"

#include "jet/Engine.h"
#include "jet/Error.h"

namespace jet {

namespace {

// The one column of the table's unique key, or an empty text when it has none.
QString UniqueKeyOf(Database& database, const QString& table)
{
    Recordset keys =
        database.OpenRecordset(QStringLiteral("SELECT ii.name AS COLUMNA FROM pragma_index_list('%1') AS il, "
                                              "pragma_index_info(il.name) AS ii WHERE il.origin IN ('u','pk')")
                                   .arg(QString(table).replace(QLatin1Char('\''), QStringLiteral("''"))));
    if (keys.RecordCount() != 1)
        return {};
    keys.MoveFirst();
    return keys.Fields(QStringLiteral("COLUMNA")).Value().toString();
}

// A record source without blanks is a table name. A table opens in the order
// of its unique key, so its last row holds the greatest key, as forms expect
// when they propose the next number.
QString StatementOf(Database& database, const QString& recordSource)
{
    const QString source = recordSource.trimmed();
    if (source.contains(QLatin1Char(' ')) || source.contains(QLatin1Char('\t')) || source.contains(QLatin1Char('\n')))
        return source;
    const QString key = UniqueKeyOf(database, source);
    if (key.isEmpty())
        return QStringLiteral("SELECT * FROM ") + source;
    return QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(source, key);
}

}  // namespace

DataControl::DataControl(QObject* parent) : QObject(parent)
{
}

DataControl::~DataControl() = default;

void DataControl::Refresh()
{
    if (DatabaseName.isEmpty())
        throw Error(QStringLiteral("El control de datos no tiene base de datos (DatabaseName)."));
    if (RecordSource.trimmed().isEmpty())
        throw Error(QStringLiteral("El control de datos de «%1» no tiene origen de registros (RecordSource).")
                        .arg(DatabaseName));
    if (!database_.IsOpen() || database_.Name() != DatabaseName)
        database_ = DBEngine().OpenDatabase(DatabaseName);
    recordset_.Close();  // its unread rows are not wanted any more
    recordset_ = database_.OpenRecordset(StatementOf(database_, RecordSource));
    opened_ = true;
    emit Refreshed();
}

jet::Recordset& DataControl::Recordset()
{
    if (!opened_)
        Refresh();
    return recordset_;
}

}  // namespace jet
