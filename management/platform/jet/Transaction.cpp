#include "jet/Transaction.h"

#include "Connection.h"
#include "OpenTransaction.h"
#include "RecordsetData.h"

#include <QStringList>
#include <algorithm>
#include <optional>
#include <vector>

namespace jet::detail {

namespace {

// Statements named when a commit fails, the first ones of each file.
constexpr int statementsNamed = 5;

}  // namespace

struct TransactionState {
    struct File {
        std::shared_ptr<Connection> connection;
        QStringList statements;  // the first few written, for a failed commit
        int written = 0;
    };
    struct Writer {
        RecordsetData* data;
        RecordsetData::Saved saved;
    };

    std::vector<File> files;
    std::vector<Writer> writers;
    std::optional<Error> spoilt;
    bool partWritten = false;

    File* FileOf(const Connection& connection)
    {
        for (File& file : files)
            if (file.connection->File() == connection.File())
                return &file;
        return nullptr;
    }

    void Remember(RecordsetData& data)
    {
        const bool known =
            std::any_of(writers.begin(), writers.end(), [&](const Writer& w) { return w.data == &data; });
        if (!known)
            writers.push_back({&data, data.Save()});
    }

    void RollBack()
    {
        for (const File& file : files) {
            try {
                file.connection->Execute(QStringLiteral("ROLLBACK"));
            } catch (const Error&) {
                // A full disk or a failed commit may already have ended it; the file keeps its last commit.
            }
        }
        files.clear();
        for (const Writer& writer : writers)
            writer.data->Restore(writer.saved);
        writers.clear();
    }

    // Writes every file's changes; on the first that fails, undoes the rest
    // and throws, naming what that file's changes were.
    void CommitAll()
    {
        if (spoilt) {
            RollBack();
            throw *spoilt;
        }
        while (!files.empty()) {
            File& file = files.front();
            QString named = QStringLiteral("COMMIT, que guardaba:\n") + file.statements.join(QLatin1Char('\n'));
            if (file.written > file.statements.size())
                named += QStringLiteral("\n… y %1 más").arg(file.written - file.statements.size());
            try {
                file.connection->Run(QStringLiteral("COMMIT"), named);
            } catch (const Error& error) {
                spoilt = error;
                RollBack();
                throw;
            }
            files.erase(files.begin());
        }
        writers.clear();
    }
};

namespace {

// Forms run on one thread; other threads (tests holding a lock) write on their own.
thread_local std::shared_ptr<TransactionState> current;

}  // namespace

std::shared_ptr<Connection> ReadingConnection(const std::shared_ptr<Connection>& own)
{
    if (current)
        if (TransactionState::File* file = current->FileOf(*own))
            return file->connection;
    return own;
}

std::shared_ptr<Connection> WritingConnection(const std::shared_ptr<Connection>& own, const QString& statement,
                                              RecordsetData* writer)
{
    if (!current)
        return own;
    if (current->spoilt)
        throw *current->spoilt;
    if (writer)
        current->Remember(*writer);
    if (TransactionState::File* file = current->FileOf(*own))
        return file->connection;
    // Taking the write lock at once: a transaction that read first could not
    // write after another program's change.
    own->Run(QStringLiteral("BEGIN IMMEDIATE"), statement);
    current->files.push_back({own, {}, 0});
    return own;
}

void Written(Connection& connection, const QString& statement)
{
    if (!current)
        return;
    TransactionState::File* file = current->FileOf(connection);
    if (!file)
        return;
    if (file->statements.size() < statementsNamed)
        file->statements << statement;
    ++file->written;
    connection.Flush(statement);
}

void NoteStorageFault(const Error& error)
{
    if (current && !current->spoilt)
        current->spoilt = error;
}

void ForgetRecordset(const RecordsetData* data)
{
    if (!current)
        return;
    auto& writers = current->writers;
    writers.erase(std::remove_if(writers.begin(), writers.end(),
                                 [data](const TransactionState::Writer& w) { return w.data == data; }),
                  writers.end());
}

}  // namespace jet::detail

namespace jet {

using detail::current;

Transaction::Transaction() : outermost_(!current)
{
    if (outermost_)
        current = std::make_shared<detail::TransactionState>();
    state_ = current;
}

Transaction::~Transaction()
{
    if (!outermost_ || done_)
        return;
    state_->RollBack();
    if (current == state_)
        current.reset();
}

void Transaction::Commit()
{
    if (done_)
        throw Error(QStringLiteral("La transacción ya ha terminado."));
    done_ = true;
    if (!outermost_) {
        if (state_->spoilt)
            throw *state_->spoilt;
        return;
    }
    if (current == state_)
        current.reset();
    state_->CommitAll();
}

bool Transaction::Open()
{
    return current != nullptr;
}

void Transaction::Spoil(const Error& error)
{
    detail::NoteStorageFault(error);
}

bool Transaction::PartWritten() const
{
    return state_->partWritten;
}

TransactionPause::TransactionPause() : paused_(current)
{
    if (!paused_)
        return;
    if (paused_->spoilt) {
        // Nothing more of it can be written: undone now, reported at its end.
        paused_->RollBack();
    } else {
        const bool wrote = !paused_->files.empty();
        paused_->CommitAll();
        paused_->partWritten = paused_->partWritten || wrote;
    }
    current.reset();
}

TransactionPause::~TransactionPause()
{
    if (paused_)
        current = paused_;
}

}  // namespace jet
