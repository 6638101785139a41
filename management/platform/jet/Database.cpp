#include "jet/Database.h"

#include "Connection.h"
#include "RecordsetData.h"
#include "jet/Error.h"

namespace jet {

namespace {

detail::Connection& Opened(const std::shared_ptr<detail::Connection>& connection)
{
    if (!connection)
        throw Error(QStringLiteral("La base de datos está cerrada."));
    return *connection;
}

} // namespace

Database::Database() = default;
Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;

Database::Database(std::shared_ptr<detail::Connection> connection) : connection_(std::move(connection)) {}

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
    Opened(connection_).Execute(sql);
}

Recordset Database::OpenRecordset(const QString& sql)
{
    Opened(connection_);
    return Recordset(detail::RecordsetData::Open(connection_, sql));
}

void Database::Close()
{
    connection_.reset();
}

} // namespace jet
