#include "Connection.h"

#include "FileFaults.h"
#include "OpenTransaction.h"
#include "Problems.h"
#include "SqlFunctions.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <sqlite3.h>

namespace jet::detail {

namespace {

// Second connections kept for the next recordsets, so that opening one costs
// no file opening.
constexpr size_t idleReadersKept = 4;

// Names as Windows finds them: "\" separates folders, case does not matter.
QString ResolvedPath(const QString& path)
{
    QString normal = QDir::fromNativeSeparators(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
    QFileInfo info(normal);
    if (info.exists())
        return normal;
    const QDir folder = info.dir();
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    return normal;
}

QString Folded(const QString& name)
{
    return name.toCaseFolded();
}

bool OnlyBlanks(const char* tail)
{
    while (tail && *tail) {
        if (!QChar(QLatin1Char(*tail)).isSpace() && *tail != ';')
            return false;
        ++tail;
    }
    return true;
}

}  // namespace

ColumnKind KindOfDeclaredType(const char* declaredType)
{
    if (!declaredType)
        return ColumnKind::Any;
    const QString type = QString::fromUtf8(declaredType).toUpper();
    if (type.contains(QLatin1String("DATE")) || type.contains(QLatin1String("TIME")))
        return ColumnKind::DateTime;
    if (type.contains(QLatin1String("INT")) || type.contains(QLatin1String("BIT"))
        || type.contains(QLatin1String("BOOL")))
        return ColumnKind::Integer;
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT"))
        || type.contains(QLatin1String("CLOB")) || type.contains(QLatin1String("MEMO")))
        return ColumnKind::Text;
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA"))
        || type.contains(QLatin1String("DOUB")) || type.contains(QLatin1String("NUM"))
        || type.contains(QLatin1String("DEC")) || type.contains(QLatin1String("CURRENCY")))
        return ColumnKind::Real;
    return ColumnKind::Any;
}

int TableInfo::IndexOf(const QString& column) const
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

Statement::~Statement()
{
    if (!statement_)
        return;
    if (owned_)
        sqlite3_finalize(statement_);
    else
        sqlite3_reset(statement_);
}

Statement::Statement(Statement&& other) noexcept : statement_(other.statement_), owned_(other.owned_)
{
    other.statement_ = nullptr;
}

Connection::Connection(sqlite3* handle, QString path)
    : handle_(handle), path_(std::move(path)), file_(QFileInfo(path_).canonicalFilePath()), lockWaiter_(path_)
{
    if (file_.isEmpty())
        file_ = path_;
    lockWaiter_.Install(handle_);
}

Connection::~Connection()
{
    for (sqlite3_stmt* statement : std::as_const(cache_))
        sqlite3_finalize(statement);
    sqlite3_close_v2(handle_);
}

std::shared_ptr<Connection> Connection::OpenFile(const QString& path, int flags)
{
    sqlite3* handle = nullptr;
    const int result = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr);
    if (result != SQLITE_OK) {
        const QString cause = CauseOfSqliteError(handle, handle ? sqlite3_extended_errcode(handle) : result, {});
        sqlite3_close_v2(handle);
        throw Error(QStringLiteral("No se puede abrir la base de datos «%1»: %2.").arg(path, cause));
    }
    sqlite3_extended_result_codes(handle, 1);
    InstallSqlFunctions(handle);
    std::shared_ptr<Connection> connection(new Connection(handle, path));
    // The opening's own statements: a failure names the file, not them.
    connection->Run(QStringLiteral("PRAGMA schema_version"), QString());
    // A file in write-ahead-log mode stays whole after a power cut without a
    // disk flush per statement; other files keep SQLite's full flushing.
    const Statement mode = connection->Prepare(QStringLiteral("PRAGMA journal_mode"), QString());
    connection->writeAheadLog_ =
        connection->Step(mode, QString())
        && sqlite3_stricmp(reinterpret_cast<const char*>(sqlite3_column_text(mode.get(), 0)), "wal") == 0;
    if (connection->writeAheadLog_)
        connection->Run(QStringLiteral("PRAGMA synchronous=NORMAL"), QString());
    return connection;
}

std::shared_ptr<Connection> Connection::Open(const QString& path)
{
    const QString resolved = ResolvedPath(path);
    if (!QFileInfo(resolved).isFile())
        throw Error(QStringLiteral("No se encuentra el archivo de base de datos «%1».").arg(path));
    return OpenFile(resolved, SQLITE_OPEN_READWRITE);
}

std::shared_ptr<Connection> Connection::Create(const QString& path)
{
    const QString normal = QDir::fromNativeSeparators(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (QFileInfo::exists(normal))
        throw Error(QStringLiteral("Ya existe el archivo de base de datos «%1».").arg(path));
    return OpenFile(normal, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

Error Connection::MakeError(const QString& problem, const QString& jetSql) const
{
    QString text = problem + QStringLiteral("\nBase de datos: ") + path_;
    if (!jetSql.isEmpty())
        text += QStringLiteral("\nInstrucción: ") + jetSql;
    return Error(text);
}

Error Connection::SqliteError(const QString& jetSql)
{
    const int code = sqlite3_extended_errcode(handle_);
    Error error = MakeError(
        SpanishProblem(handle_, code, QString::fromUtf8(sqlite3_errmsg(handle_)), lockWaiter_.LastWait()), jetSql);
    if (IsStorageFault(code))
        NoteStorageFault(error);
    return error;
}

Translation Connection::Translate(const QString& jetSql)
{
    try {
        return detail::Translate(jetSql, [this](const QString& name) { return ResolveName(name); });
    } catch (const Error& error) {
        throw MakeError(error.Text(), QString());
    }
}

bool Connection::InTransaction() const
{
    return sqlite3_get_autocommit(handle_) == 0;
}

std::shared_ptr<Connection> Connection::TakeReader()
{
    if (idleReaders_.empty())
        return OpenFile(path_, SQLITE_OPEN_READWRITE);
    std::shared_ptr<Connection> reader = std::move(idleReaders_.back());
    idleReaders_.pop_back();
    return reader;
}

void Connection::GiveBackReader(std::shared_ptr<Connection> reader)
{
    if (idleReaders_.size() < idleReadersKept)
        idleReaders_.push_back(std::move(reader));
}

void Connection::AddPendingRead(PendingRead* read)
{
    pendingReads_.push_back(read);
}

void Connection::RemovePendingRead(PendingRead* read)
{
    pendingReads_.erase(std::remove(pendingReads_.begin(), pendingReads_.end(), read), pendingReads_.end());
}

void Connection::FinishPendingReads()
{
    while (!pendingReads_.empty())
        pendingReads_.back()->ReadAll();
}

Statement Connection::Prepare(const QString& sqliteSql, const QString& jetSql)
{
    FinishPendingReads();
    const QByteArray utf8 = sqliteSql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    const int result = sqlite3_prepare_v2(handle_, utf8.constData(), int(utf8.size()), &statement, &tail);
    lockWaiter_.Over();
    if (result != SQLITE_OK)
        throw SqliteError(jetSql);
    Statement owned(statement);
    if (!OnlyBlanks(tail))
        throw MakeError(QStringLiteral("Caracteres encontrados después del final de la instrucción SQL."), jetSql);
    if (!statement)
        throw MakeError(QStringLiteral("La instrucción SQL está vacía."), jetSql);
    return owned;
}

Statement Connection::PrepareCached(const QString& sqliteSql, const QString& jetSql)
{
    FinishPendingReads();
    if (sqlite3_stmt* statement = cache_.value(sqliteSql)) {
        sqlite3_clear_bindings(statement);
        return Statement(statement, false);
    }
    const QByteArray utf8 = sqliteSql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const int result =
        sqlite3_prepare_v3(handle_, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    lockWaiter_.Over();
    if (result != SQLITE_OK)
        throw SqliteError(jetSql);
    cache_.insert(sqliteSql, statement);
    return Statement(statement, false);
}

bool Connection::Step(const Statement& statement, const QString& jetSql)
{
    const int result = sqlite3_step(statement.get());
    lockWaiter_.Over();
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    throw SqliteError(jetSql);
}

void Connection::Execute(const QString& jetSql)
{
    Execute(Translate(jetSql), jetSql);
}

void Connection::Execute(const Translation& translation, const QString& jetSql)
{
    Run(translation.sql, jetSql);
    if (translation.keyword == QLatin1String("CREATE") || translation.keyword == QLatin1String("DROP")
        || translation.keyword == QLatin1String("ALTER"))
        schemaLoaded_ = false;
}

void Connection::Run(const QString& sqliteSql, const QString& jetSql)
{
    const Statement statement = Prepare(sqliteSql, jetSql);
    while (Step(statement, jetSql)) {}
}

void Connection::Flush(const QString& jetSql)
{
    // With another journal the new pages go into the file itself, which needs
    // it to itself: writing them early would lock out its readers.
    if (!writeAheadLog_)
        return;
    const int result = sqlite3_db_cacheflush(handle_);
    lockWaiter_.Over();
    if (result == SQLITE_OK)
        return;
    // The flush leaves the connection's own error as it was.
    Error error = MakeError(SpanishProblem(handle_, result, QString::fromUtf8(sqlite3_errstr(result)), {}), jetSql);
    if (IsStorageFault(result))
        NoteStorageFault(error);
    throw error;
}

long long Connection::LastInsertRowid() const
{
    return sqlite3_last_insert_rowid(handle_);
}

void Connection::LoadSchema()
{
    tables_.clear();
    spellings_.clear();
    schemaLoaded_ = true;
    QStringList names;
    {
        const Statement tables =
            Prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"), QString());
        while (Step(tables, QString()))
            names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(tables.get(), 0)));
    }
    for (const QString& name : names) {
        auto table = std::make_shared<TableInfo>();
        table->name = name;
        spellings_.insert(Folded(name), name);
        const QString pragma = QStringLiteral("PRAGMA table_info(\"%1\")").arg(name);
        const Statement columns = Prepare(pragma, pragma);
        while (Step(columns, pragma)) {
            const auto column = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(columns.get(), 1)));
            const auto type = reinterpret_cast<const char*>(sqlite3_column_text(columns.get(), 2));
            table->columns.push_back({column, KindOfDeclaredType(type)});
            spellings_.insert(Folded(column), column);
        }
        tables_.push_back(std::move(table));
    }
}

std::shared_ptr<const TableInfo> Connection::Table(const QString& name)
{
    if (!schemaLoaded_)
        LoadSchema();
    for (const auto& table : tables_)
        if (table->name.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    return nullptr;
}

QString Connection::ResolveName(const QString& name)
{
    if (!schemaLoaded_)
        LoadSchema();
    return spellings_.value(Folded(name), name);
}

}  // namespace jet::detail
