#include "jet/Engine.h"

#include "Connection.h"

namespace jet {

Database Engine::OpenDatabase(const QString& path)
{
    return Database(detail::Connection::Open(path));
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

}  // namespace jet
