#include "StationFolder.h"

#include "station/Databases.h"
#include "jet/Engine.h"

#include <QDate>
#include <QFile>

namespace {

// The databases are made once per run and copied for each test.
const QTemporaryDir& Template()
{
    static const QTemporaryDir made = [] {
        QTemporaryDir fresh;
        CreateMissingDatabases(fresh.path());
        return fresh;
    }();
    return made;
}

} // namespace

void StationFolder::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"Dorna.MDB", "MUSICA.MDB", "CONTINUIDAD.MDB"})
        ASSERT_TRUE(QFile::copy(Template().filePath(QString::fromUtf8(name)), Path(QString::fromUtf8(name))));
    dorna = jet::DBEngine().OpenDatabase(Path(QStringLiteral("Dorna.MDB")));
    musica = jet::DBEngine().OpenDatabase(Path(QStringLiteral("MUSICA.MDB")));
}

QStringList StationFolder::Rows(jet::Database& database, const QString& select)
{
    QStringList rows;
    jet::Recordset recordset = database.OpenRecordset(select);
    for (int row = 0; row < recordset.RecordCount(); ++row) {
        QStringList values;
        for (int column = 0; column < recordset.FieldCount(); ++column)
            values << recordset.ValueAt(row, column).toString();
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

QString SqlDay(int daysFromToday)
{
    return QLatin1Char('#') + QDate::currentDate().addDays(daysFromToday).toString(QStringLiteral("MM/dd/yyyy"))
        + QLatin1Char('#');
}
