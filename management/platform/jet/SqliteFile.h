// One plain SQLite connection to a database file, for the work done on whole
// files at start (examining, making, tidying), apart from the engine's
// connections: no dialect, no schema cache, only the collation and functions
// every connection has.
//
//   SqliteFile file = SqliteFile::Open(path, SQLITE_OPEN_READONLY, LockWaits::AsTheEngine);
//   const QStringList tables = file.Column("SELECT name FROM sqlite_master WHERE type='table'");
//
// Failures throw SqliteFailure with SQLite's extended code and the cause in
// the program's language.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

struct sqlite3;

namespace jet::detail {

class LockWaiter;

// Whether a lock held by another program is waited for as the engine waits
// (as long as its LockWait(), in sight of its lock-wait watcher), or not at all.
enum class LockWaits { AsTheEngine, No };

struct SqliteFailure {
    int code;  // extended result code
    QString cause;  // "el disco está lleno", ...
};

class SqliteFile {
public:
    static SqliteFile Open(const QString& path, int flags, LockWaits waits);
    ~SqliteFile();
    SqliteFile(SqliteFile&& other) noexcept;
    SqliteFile& operator=(SqliteFile&&) = delete;

    sqlite3* get() const { return handle_; }

    void Execute(const QString& sql);
    // Column 0 of every row, as text.
    QStringList Column(const QString& sql);
    // Whether the query gives a row; reads the pages that row lies on.
    bool HasRow(const QString& sql);

    // Every table of the file, and the statement that reads a table's first row.
    QStringList Tables();
    static QString FirstRowOf(const QString& table);

    // The file SQLite works on for path, beside which it keeps its log and
    // journal: the file a link leads to (where it would be made when the
    // link leads nowhere).
    static QString FileBehind(const QString& path);

private:
    explicit SqliteFile(sqlite3* handle);
    // After every call that may have waited for a lock.
    void WaitOver();
    SqliteFailure Failure(int code) const;
    // Column 0 of the first most rows (all when negative).
    QStringList Rows(const QString& sql, int most);

    sqlite3* handle_;
    std::unique_ptr<LockWaiter> waiter_;
};

}  // namespace jet::detail
