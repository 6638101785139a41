#include "jet/Transaction.h"

#include "Connection.h"
#include "jet/Error.h"

#include <QFileInfo>

namespace jet {

namespace {

// Forms run on the one user-interface thread: one transaction at a time.
Transaction* current = nullptr;

// The file itself, whatever path or spelling it was opened by.
QString FileOf(const detail::Connection& connection)
{
    return QFileInfo(connection.Path()).canonicalFilePath();
}

} // namespace

Transaction::Transaction()
{
    if (current)
        throw Error(QStringLiteral("Ya hay una transacción abierta: no se puede empezar otra."));
    current = this;
}

Transaction::~Transaction()
{
    if (current == this)
        RollBack();
}

Transaction* Transaction::Open()
{
    return current;
}

std::shared_ptr<detail::Connection> Transaction::Join(std::shared_ptr<detail::Connection> opened)
{
    const QString file = FileOf(*opened);
    for (const auto& connection : connections_)
        if (FileOf(*connection) == file)
            return connection;
    // Taking the write lock at once: a transaction that read first could not
    // write after another program's change.
    opened->Execute(QStringLiteral("BEGIN IMMEDIATE"));
    connections_.push_back(opened);
    return opened;
}

void Transaction::Commit()
{
    if (current != this)
        throw Error(QStringLiteral("La transacción ya ha terminado."));
    while (!connections_.empty()) {
        try {
            connections_.front()->Execute(QStringLiteral("COMMIT"));
        } catch (...) {
            RollBack();
            throw;
        }
        connections_.erase(connections_.begin());
    }
    current = nullptr;
}

void Transaction::RollBack()
{
    current = nullptr;
    for (const auto& connection : connections_) {
        try {
            connection->Execute(QStringLiteral("ROLLBACK"));
        } catch (const Error&) {
            // A failed statement may already have ended it; the file keeps its last commit.
        }
    }
    connections_.clear();
}

} // namespace jet
