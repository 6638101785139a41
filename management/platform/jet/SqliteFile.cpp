#include "SqliteFile.h"

#include "FileFaults.h"
#include "LockWaiter.h"
#include "SqlFunctions.h"

#include <QFile>
#include <QFileInfo>
#include <memory>
#include <sqlite3.h>

namespace jet::detail {

SqliteFile SqliteFile::Open(const QString& path, int flags, LockWaits waits)
{
    sqlite3* handle = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr);
    SqliteFile file(handle);
    if (opened != SQLITE_OK)
        throw SqliteFailure{handle ? sqlite3_extended_errcode(handle) : opened, CauseOfSqliteError(handle, opened, {})};
    sqlite3_extended_result_codes(handle, 1);
    if (waits == LockWaits::AsTheEngine) {
        file.waiter_ = std::make_unique<LockWaiter>(path);
        file.waiter_->Install(handle);
    }
    InstallSqlFunctions(handle);
    return file;
}

SqliteFile::SqliteFile(sqlite3* handle) : handle_(handle)
{
}

SqliteFile::~SqliteFile()
{
    // The handle goes before the waiter it calls.
    sqlite3_close_v2(handle_);
}

SqliteFile::SqliteFile(SqliteFile&& other) noexcept : handle_(other.handle_), waiter_(std::move(other.waiter_))
{
    other.handle_ = nullptr;
}

void SqliteFile::WaitOver()
{
    if (waiter_)
        waiter_->Over();
}

SqliteFailure SqliteFile::Failure(int code) const
{
    return {code, CauseOfSqliteError(handle_, code, waiter_ ? waiter_->LastWait() : std::chrono::milliseconds(0))};
}

void SqliteFile::Execute(const QString& sql)
{
    const int result = sqlite3_exec(handle_, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    WaitOver();
    if (result != SQLITE_OK)
        throw Failure(result);
}

QStringList SqliteFile::Rows(const QString& sql, int most)
{
    sqlite3_stmt* raw = nullptr;
    const int prepared = sqlite3_prepare_v2(handle_, sql.toUtf8().constData(), -1, &raw, nullptr);
    WaitOver();
    if (prepared != SQLITE_OK)
        throw Failure(prepared);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    QStringList rows;
    int result = SQLITE_ROW;
    while ((most < 0 || rows.size() < most) && (result = sqlite3_step(raw)) == SQLITE_ROW) {
        WaitOver();
        rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(raw, 0)));
    }
    WaitOver();
    if (result != SQLITE_DONE && result != SQLITE_ROW)
        throw Failure(result);
    return rows;
}

QStringList SqliteFile::Column(const QString& sql)
{
    return Rows(sql, -1);
}

bool SqliteFile::HasRow(const QString& sql)
{
    return !Rows(sql, 1).isEmpty();
}

QStringList SqliteFile::Tables()
{
    return Column(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
}

QString SqliteFile::FirstRowOf(const QString& table)
{
    return QStringLiteral("SELECT * FROM \"%1\" LIMIT 1")
        .arg(QString(table).replace(QLatin1Char('"'), QLatin1String("\"\"")));
}

QString SqliteFile::FileBehind(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists())
        return file.canonicalFilePath();
    if (file.isSymLink())
        return file.symLinkTarget();
    return file.absoluteFilePath();
}

}  // namespace jet::detail
