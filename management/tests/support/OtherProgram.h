// Another program working on a database file: a plain SQLite connection of
// its own, which never waits for a lock.
//
//   OtherProgram other(DornaPath());
//   other.Run("BEGIN IMMEDIATE");          // holds the file's write lock
//   EXPECT_EQ(other.Numbers("SELECT NUMERO FROM CLIENTES"), QStringList{"1"});
#pragma once

#include <QString>
#include <QStringList>

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
