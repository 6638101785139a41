#include "support/OtherProgram.h"

#include <QFile>

#include <sqlite3.h>

OtherProgram::OtherProgram(const QString& path)
{
    sqlite3_open_v2(QFile::encodeName(path).constData(), &handle_, SQLITE_OPEN_READWRITE, nullptr);
}

OtherProgram::~OtherProgram()
{
    sqlite3_close_v2(handle_);
}

int OtherProgram::Run(const char* sql)
{
    return sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr);
}

QStringList OtherProgram::Numbers(const char* select)
{
    QStringList numbers;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(handle_, select, -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW)
        numbers << QString::number(sqlite3_column_int64(statement, 0));
    sqlite3_finalize(statement);
    return numbers;
}
