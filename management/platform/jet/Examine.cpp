#include "jet/Examine.h"

#include "SqlFunctions.h"
#include "jet/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <memory>
#include <sqlite3.h>

namespace jet {

namespace {

// As long as the engine waits for another program's lock.
constexpr int busyTimeoutMs = 10000;

struct Closer {
    void operator()(sqlite3* handle) const { sqlite3_close_v2(handle); }
};
using Handle = std::unique_ptr<sqlite3, Closer>;

// SQLite's refusal, carried out of the reading steps.
struct Refusal {
    int code;
    QString message;
};

Refusal RefusalOf(sqlite3* handle)
{
    return {sqlite3_extended_errcode(handle), QString::fromUtf8(sqlite3_errmsg(handle))};
}

// The text of column 0 of every row of sql.
QStringList Rows(sqlite3* handle, const QString& sql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(handle, sql.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK)
        throw RefusalOf(handle);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    QStringList rows;
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(raw)) == SQLITE_ROW)
        rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(raw, 0)));
    if (result != SQLITE_DONE)
        throw RefusalOf(handle);
    return rows;
}

// A file with no log or journal beside it is open in no program and holds all
// its pages: it is read as it lies, so that nothing is made beside it.
QByteArray Address(const QString& path, int& openFlags)
{
    if (QFileInfo::exists(path + QStringLiteral("-wal")) || QFileInfo::exists(path + QStringLiteral("-journal")))
        return QFile::encodeName(path);
    openFlags |= SQLITE_OPEN_URI;
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + "?immutable=1";
}

FileContents Read(const QString& path, int openFlags)
{
    sqlite3* raw = nullptr;
    const QByteArray address = Address(path, openFlags);
    const int opened = sqlite3_open_v2(address.constData(), &raw, openFlags, nullptr);
    const Handle handle(raw);
    if (opened != SQLITE_OK)
        throw raw ? RefusalOf(raw) : Refusal{opened, QString::fromUtf8(sqlite3_errstr(opened))};
    sqlite3_busy_timeout(raw, busyTimeoutMs);
    sqlite3_extended_result_codes(raw, 1);
    detail::InstallSqlFunctions(raw);

    FileContents contents;
    const QStringList tables = Rows(raw, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    for (const QString& table : tables) {
        const QString columns = QStringLiteral("SELECT name FROM pragma_table_info('%1')")
                                    .arg(QString(table).replace(QLatin1Char('\''), QLatin1String("''")));
        contents.tables.push_back({table, Rows(raw, columns)});
    }
    const QStringList problems = Rows(raw, QStringLiteral("PRAGMA quick_check(1)"));
    contents.state = problems == QStringList{QStringLiteral("ok")} ? FileState::Database : FileState::Damaged;
    return contents;
}

} // namespace

FileContents Examine(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        throw Error(QStringLiteral("No se encuentra el archivo de base de datos «%1».").arg(path));
    // A new file's pages may still all be in its write-ahead log.
    const QFileInfo log(path + QStringLiteral("-wal"));
    if (file.size() == 0 && (!log.exists() || log.size() == 0))
        return {};
    try {
        try {
            return Read(path, SQLITE_OPEN_READONLY);
        } catch (const Refusal& refusal) {
            if ((refusal.code & 0xff) != SQLITE_READONLY)
                throw;
            // Only writing can recover it; opening it for use would do the same.
            return Read(path, SQLITE_OPEN_READWRITE);
        }
    } catch (const Refusal& refusal) {
        if ((refusal.code & 0xff) == SQLITE_NOTADB)
            return {FileState::NotADatabase, {}};
        if ((refusal.code & 0xff) == SQLITE_CORRUPT)
            return {FileState::Damaged, {}};
        throw Error(QStringLiteral("No se puede leer la base de datos «%1» (%2).").arg(path, refusal.message));
    }
}

} // namespace jet
