#include "jet/Database.h"

#include "Connection.h"
#include "OpenTransaction.h"
#include "RecordsetData.h"
#include "jet/Error.h"

#include <QStringList>

namespace jet {

namespace {

detail::Connection& Opened(const std::shared_ptr<detail::Connection>& connection)
{
    if (!connection)
        throw Error(QStringLiteral("La base de datos está cerrada."));
    return *connection;
}

enum class Purpose { Reads, Writes, RunsHere };

// Statements that change the file take part in the open transaction; those
// that begin, end or configure a connection's own work stay on it.
Purpose PurposeOf(const QString& keyword)
{
    static const QStringList writes = {QStringLiteral("INSERT"),  QStringLiteral("UPDATE"), QStringLiteral("DELETE"),
                                       QStringLiteral("REPLACE"), QStringLiteral("CREATE"), QStringLiteral("DROP"),
                                       QStringLiteral("ALTER")};
    static const QStringList reads = {QStringLiteral("SELECT"), QStringLiteral("WITH"), QStringLiteral("VALUES")};
    if (writes.contains(keyword))
        return Purpose::Writes;
    if (reads.contains(keyword))
        return Purpose::Reads;
    return Purpose::RunsHere;
}

}  // namespace

Database::Database() = default;
Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;

Database::Database(std::shared_ptr<detail::Connection> connection) : connection_(std::move(connection))
{
}

bool Database::IsOpen() const
{
    return connection_ != nullptr;
}

QString Database::Name() const
{
    return Opened(connection_).Path();
}

void Database::Execute(const QString& sql)
{
    const detail::Translation translation = Opened(connection_).Translate(sql);
    switch (PurposeOf(translation.keyword)) {
    case Purpose::Reads: detail::ReadingConnection(connection_)->Execute(translation, sql); return;
    case Purpose::Writes: {
        const std::shared_ptr<detail::Connection> writer = detail::WritingConnection(connection_, sql);
        writer->Execute(translation, sql);
        detail::Written(*writer, sql);
        return;
    }
    case Purpose::RunsHere: connection_->Execute(translation, sql); return;
    }
}

Recordset Database::OpenRecordset(const QString& sql)
{
    Opened(connection_);
    return Recordset(detail::RecordsetData::Open(detail::ReadingConnection(connection_), sql));
}

void Database::Close()
{
    connection_.reset();
}

}  // namespace jet
