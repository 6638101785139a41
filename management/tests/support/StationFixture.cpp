#include "support/StationFixture.h"

#include "support/ToneFile.h"

#include "station/Control_busqueda.h"
#include "station/Databases.h"

#include "jet/Engine.h"

#include <QFile>

namespace {

// Creating the databases takes longer than copying them.
const QTemporaryDir& Template()
{
    static const QTemporaryDir made = [] {
        QTemporaryDir fresh;
        CreateMissingDatabases(fresh.path());
        return fresh;
    }();
    return made;
}

}  // namespace

void MakeProgramFolder(const QString& folder)
{
    for (const char* name : {"Dorna.MDB", "MUSICA.MDB", "CONTINUIDAD.MDB"})
        ASSERT_TRUE(QFile::copy(Template().filePath(QString::fromUtf8(name)), folder + u'/' + QString::fromUtf8(name)))
            << name;
    qputenv("VARNOOK_DATA_DIR", folder.toUtf8());
}

void ProgramFolderFixture::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    ASSERT_NO_FATAL_FAILURE(MakeProgramFolder(folder_.path()));
}

QString ProgramFolderFixture::Wav(const QString& file, long long milliseconds) const
{
    const QString path = Path(file);
    EXPECT_TRUE(soundtest::WriteTone(path, {soundtest::Kind::Wav, milliseconds, 8000, 1})) << file.toStdString();
    return path;
}

void ProgramFolderFixture::Execute(const QString& database, const QString& sql)
{
    jet::DBEngine().OpenDatabase(database).Execute(sql);
}

QStringList ProgramFolderFixture::Rows(jet::Database& database, const QString& select, QChar separator)
{
    QStringList rows;
    jet::Recordset recordset = database.OpenRecordset(select);
    for (int row = 0; row < recordset.RecordCount(); ++row) {
        QStringList values;
        for (int column = 0; column < recordset.FieldCount(); ++column)
            values << recordset.ValueAt(row, column).toString();
        rows << values.join(separator);
    }
    return rows;
}

QStringList ProgramFolderFixture::Rows(const QString& database, const QString& select, QChar separator)
{
    jet::Database opened = jet::DBEngine().OpenDatabase(database);
    return Rows(opened, select, separator);
}

StationFixture::StationFixture()
{
    Control_busqueda = 0;
}

QStringList StationFixture::Prompts()
{
    QStringList prompts;
    for (const forms::test::Message& message : forms::test::Messages())
        prompts << message.Prompt;
    return prompts;
}

void StationFixture::ExpectNoUntrappedErrors()
{
    const auto& errors = forms::test::Errors();
    EXPECT_TRUE(errors.empty()) << errors.front().toStdString();
}
