// Another program working on a database file: a plain SQLite connection of
// its own, which never waits for a lock; and the engine's wait for such a
// lock, shortened for a test.
//
//   const ShortLockWait wait(std::chrono::milliseconds(300));
//   OtherProgram other(DornaPath());
//   other.Run("BEGIN IMMEDIATE");          // holds the file's write lock
//   EXPECT_EQ(other.Numbers("SELECT NUMERO FROM CLIENTES"), QStringList{"1"});
#pragma once

#include "jet/Engine.h"

#include <QString>
#include <QStringList>
#include <chrono>

struct sqlite3;

class OtherProgram {
public:
    explicit OtherProgram(const QString& path);
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // SQLite's result code.
    int Run(const char* sql);
    // Column 0 of every row, as whole numbers.
    QStringList Numbers(const char* select);

private:
    sqlite3* handle_ = nullptr;
};

class ShortLockWait {
public:
    explicit ShortLockWait(std::chrono::milliseconds wait) : kept_(jet::DBEngine().LockWait())
    {
        jet::DBEngine().LockWait(wait);
    }
    ~ShortLockWait() { jet::DBEngine().LockWait(kept_); }
    ShortLockWait(const ShortLockWait&) = delete;
    ShortLockWait& operator=(const ShortLockWait&) = delete;

private:
    std::chrono::milliseconds kept_;
};
