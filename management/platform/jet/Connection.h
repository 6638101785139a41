// One open SQLite file with what the engine keeps about it: the table and
// column names and kinds (for names in any case and for converting written
// values), and the prepared statements it writes rows with.
#pragma once

#include "Dialect.h"
#include "LockWaiter.h"
#include "jet/Error.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace jet::detail {

enum class ColumnKind { Any, Integer, Real, Text, DateTime };

ColumnKind KindOfDeclaredType(const char* declaredType);

struct TableColumn {
    QString name;
    ColumnKind kind;
};

struct TableInfo {
    QString name;
    std::vector<TableColumn> columns;

    int IndexOf(const QString& column) const;  // -1 when absent
};

class Statement {
public:
    explicit Statement(sqlite3_stmt* statement = nullptr, bool owned = true) : statement_(statement), owned_(owned) {}
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;

    sqlite3_stmt* get() const { return statement_; }

private:
    sqlite3_stmt* statement_;
    bool owned_;
};

// A recordset still reading its rows from an open statement.
class PendingRead {
public:
    virtual void ReadAll() = 0;

protected:
    ~PendingRead() = default;
};

class Connection {
public:
    static std::shared_ptr<Connection> Open(const QString& path);
    static std::shared_ptr<Connection> Create(const QString& path);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& Path() const { return path_; }
    // The file itself, whatever path or spelling it was opened by.
    const QString& File() const { return file_; }

    Translation Translate(const QString& jetSql);
    // Prepares SQLite text; errors name jetSql, the statement as written.
    Statement Prepare(const QString& sqliteSql, const QString& jetSql);
    // The same, kept prepared for the life of the connection (row writes).
    Statement PrepareCached(const QString& sqliteSql, const QString& jetSql);
    // Steps once: true for a row, false when done; throws on failure.
    bool Step(const Statement& statement, const QString& jetSql);
    void Execute(const QString& jetSql);
    void Execute(const Translation& translation, const QString& jetSql);
    // SQLite text run to its end; errors name jetSql.
    void Run(const QString& sqliteSql, const QString& jetSql);
    // Writes the pages changed so far in the transaction to the log, so that
    // a full disk is met now (a file in write-ahead-log mode).
    void Flush(const QString& jetSql);
    long long LastInsertRowid() const;

    // Files in write-ahead-log mode let a recordset read its rows as they are
    // asked for: its open statement blocks no writer. Outside a transaction
    // it reads through a second connection that keeps the file as it stood
    // (its own read transaction) while this one writes. Inside one it must
    // see the transaction's changes, so it reads here, and any other
    // statement on this connection first reads the pending rows to the end.
    bool ReadsLazily() const { return writeAheadLog_; }
    bool InTransaction() const;
    std::shared_ptr<Connection> TakeReader();
    void GiveBackReader(std::shared_ptr<Connection> reader);
    void AddPendingRead(PendingRead* read);
    void RemovePendingRead(PendingRead* read);

    // Kept by recordsets; a schema reload makes new ones.
    std::shared_ptr<const TableInfo> Table(const QString& name);
    Error MakeError(const QString& problem, const QString& jetSql) const;

private:
    Connection(sqlite3* handle, QString path);
    static std::shared_ptr<Connection> OpenFile(const QString& path, int flags);
    void LoadSchema();
    QString ResolveName(const QString& name);
    Error SqliteError(const QString& jetSql);
    void FinishPendingReads();

    sqlite3* handle_;
    QString path_;
    QString file_;
    LockWaiter lockWaiter_;
    bool writeAheadLog_ = false;
    std::vector<PendingRead*> pendingReads_;
    std::vector<std::shared_ptr<Connection>> idleReaders_;
    bool schemaLoaded_ = false;
    std::vector<std::shared_ptr<const TableInfo>> tables_;
    QHash<QString, QString> spellings_;  // case-folded name -> name in the file
    QHash<QString, sqlite3_stmt*> cache_;
};

}  // namespace jet::detail
