#include "jet/Engine.h"

#include "Connection.h"
#include "jet/Transaction.h"

namespace jet {

Database Engine::OpenDatabase(const QString& path)
{
    std::shared_ptr<detail::Connection> connection = detail::Connection::Open(path);
    if (Transaction* transaction = Transaction::Open())
        connection = transaction->Join(std::move(connection));
    return Database(std::move(connection));
}

Database Engine::CreateDatabase(const QString& path)
{
    return Database(detail::Connection::Create(path));
}

Engine& DBEngine()
{
    static Engine engine;
    return engine;
}

} // namespace jet
