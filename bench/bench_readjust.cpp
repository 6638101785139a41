// The start-up readjustment of the advertising blocks on a station-sized
// database (500 blocks, 20 000 placed spots, 40 000 programming rows), run by
// Reajuste_Bloques and, on an identical copy, as the same
// translated statements straight on SQLite, each in one transaction. Prints
// both times (median of several runs), their ratio and whether both copies
// end with the same rows; then how long the check of the database files that
// every start makes takes on it.
#include "Measure.h"

#include "forms/Application.h"
#include "jet/Engine.h"
#include "menu/F_Menu.h"
#include "station/Databases.h"
#include "station/Tiempo.h"
#include "traffic/Reajuste_Bloques.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

constexpr int blockCount = 500;
constexpr int spotsPerBlock = 40;
constexpr int programmings = 80;
constexpr int rowsPerProgramming = 500;
constexpr int runs = 7;

QString StoredTime(int secondOfDay)
{
    return QStringLiteral("1899-12-30 %1:%2:%3")
        .arg(secondOfDay / 3600, 2, 10, QLatin1Char('0'))
        .arg(secondOfDay / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(secondOfDay % 60, 2, 10, QLatin1Char('0'));
}

QString StoredDay(int daysFromToday)
{
    return QDate::currentDate().addDays(daysFromToday).toString(QStringLiteral("yyyy-MM-dd 00:00:00"));
}

void Check(sqlite3* db, int result, const char* what)
{
    if (result != SQLITE_OK && result != SQLITE_DONE && result != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

void RawExecute(sqlite3* db, const QString& sql)
{
    Check(db, sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), "exec");
}

// Blocks every 150 s from midnight; a tenth of the spots ended yesterday;
// half of each programming's rows start at a block's time. Filled through the
// engine, whose collation orders the indexes on text.
void Fill(const QString& path)
{
    jet::Database db = jet::DBEngine().OpenDatabase(path);
    db.Execute(QStringLiteral("BEGIN"));
    for (int b = 0; b < blockCount; ++b) {
        const int start = b * 150;
        db.Execute(QStringLiteral("INSERT INTO BLOQUES (HORA,NOMBRE,DURACION,PRIORITARIO,TIEMPO,TIEMPO_VER) "
                                  "VALUES ('%1','Bloque %2','1899-12-30 00:05:00',0,0,'00:00:00')")
                       .arg(StoredTime(start))
                       .arg(b));
        for (int s = 0; s < spotsPerBlock; ++s) {
            const int contract = b * spotsPerBlock + s;
            db.Execute(QStringLiteral("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,NUMERO,FICHERO,NOMBRE,TIEMPO,"
                                      "TIEMPO_VER,FECHA1,FECHA2) VALUES (%1,'%2',%3,'/cuñas/%1.mp3','%1.mp3',%4,"
                                      "'','%5','%6')")
                           .arg(contract)
                           .arg(StoredTime(start))
                           .arg(s + 2)
                           .arg(10 + contract % 50)
                           .arg(StoredDay(contract % 10 == 0 ? -1 : 30))
                           .arg(StoredDay(60)));
        }
    }
    for (int p = 0; p < programmings; ++p)
        for (int r = 0; r < rowsPerProgramming; ++r) {
            const int start = r % 2 == 0 ? (r / 2) * 2 * 150 % (blockCount * 150) : r * 150 + 75;
            db.Execute(QStringLiteral("INSERT INTO PROGRAMACION (PROGRAMACION,HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,"
                                      "FICHERO) VALUES ('Programación %1','%2','BLO','','','%2','BLOQUE')")
                           .arg(p)
                           .arg(StoredTime(start % 86400)));
        }
    db.Execute(QStringLiteral("COMMIT"));
}

// The copy is the program folder's Dorna.MDB.
void ThroughEngine(const QString& path)
{
    qputenv("VARNOOK_DATA_DIR", QFileInfo(path).path().toUtf8());
    Reajuste_Bloques();
}

void DirectlyOnSqlite(const QString& path)
{
    sqlite3* db = nullptr;
    Check(db, sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr), "open");
    RawExecute(db, QStringLiteral("PRAGMA synchronous=NORMAL"));
    RawExecute(db, QStringLiteral("BEGIN IMMEDIATE"));
    RawExecute(db, QStringLiteral("DELETE FROM PUBLICIDAD_CONTENIDO WHERE FECHA1 < '%1'").arg(StoredDay(0)));

    sqlite3_stmt* update = nullptr;
    Check(db, sqlite3_prepare_v2(db, "UPDATE BLOQUES SET TIEMPO=?,TIEMPO_VER=? WHERE rowid=?", -1, &update, nullptr),
          "prepare");
    sqlite3_stmt* blocks = nullptr;
    Check(db, sqlite3_prepare_v2(db, "SELECT rowid,HORA FROM BLOQUES", -1, &blocks, nullptr), "prepare");
    std::vector<std::pair<long long, QByteArray>> rows;
    while (sqlite3_step(blocks) == SQLITE_ROW)
        rows.emplace_back(sqlite3_column_int64(blocks, 0),
                          reinterpret_cast<const char*>(sqlite3_column_text(blocks, 1)));
    sqlite3_finalize(blocks);
    for (const auto& [rowid, hora] : rows) {
        const QByteArray sql = "SELECT Sum(TIEMPO) AS ToTal FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE='" + hora + "'";
        sqlite3_stmt* sum = nullptr;
        Check(db, sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &sum, nullptr), "prepare");
        Check(db, sqlite3_step(sum), "sum");
        const bool none = sqlite3_column_type(sum, 0) == SQLITE_NULL;
        const long long total = none ? 0 : sqlite3_column_int64(sum, 0);
        sqlite3_finalize(sum);
        const QByteArray text = Tiempo(double(total)).toUtf8();
        sqlite3_bind_int64(update, 1, total);
        sqlite3_bind_text(update, 2, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(update, 3, rowid);
        Check(db, sqlite3_step(update), "update");
        sqlite3_reset(update);
    }
    sqlite3_finalize(update);
    RawExecute(db, QStringLiteral("UPDATE PROGRAMACION SET TIEMPO_VER = BLOQUES.TIEMPO_VER, "
                                  "FIN = datetime(BLOQUES.HORA, '+' || BLOQUES.TIEMPO || ' seconds') FROM BLOQUES "
                                  "WHERE PROGRAMACION.HORA=BLOQUES.HORA"));
    RawExecute(db, QStringLiteral("COMMIT"));
    sqlite3_close(db);
}

QByteArray Digest(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    QByteArray digest;
    for (const char* sql : {"SELECT count(*), total(TIEMPO), group_concat(TIEMPO_VER, '') FROM "
                            "(SELECT TIEMPO, TIEMPO_VER FROM BLOQUES ORDER BY HORA)",
                            "SELECT count(*), group_concat(FIN || TIEMPO_VER, '') FROM "
                            "(SELECT FIN, TIEMPO_VER FROM PROGRAMACION ORDER BY rowid)",
                            "SELECT count(*) FROM PUBLICIDAD_CONTENIDO"}) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW)
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                digest += reinterpret_cast<const char*>(sqlite3_column_text(statement, i)) + QByteArray("|");
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return digest;
}

template <typename Run>
double Milliseconds(const QString& master, const QString& copy, Run run, QByteArray* digest)
{
    QFile::remove(copy);
    QFile::copy(master, copy);
    QElapsedTimer timer;
    timer.start();
    run(copy);
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    *digest = Digest(copy);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    forms::Application application(argc, argv);
    QTemporaryDir folder;
    CreateMissingDatabases(folder.path());
    const QString master = folder.filePath(QStringLiteral("Dorna.MDB"));
    // Loading the menu readjusts once; on the still empty file, before any timing.
    qputenv("VARNOOK_DATA_DIR", folder.path().toUtf8());
    forms::Get<F_Menu>();
    Fill(master);
    QDir(folder.path()).mkdir(QStringLiteral("engine"));

    std::vector<double> engine;
    std::vector<double> raw;
    bool same = true;
    for (int run = 0; run < runs; ++run) {
        QByteArray engineDigest;
        QByteArray rawDigest;
        engine.push_back(
            Milliseconds(master, folder.filePath(QStringLiteral("engine/Dorna.MDB")), ThroughEngine, &engineDigest));
        raw.push_back(Milliseconds(master, folder.filePath(QStringLiteral("raw.MDB")), DirectlyOnSqlite, &rawDigest));
        same = same && engineDigest == rawDigest;
    }
    const double engineMs = Median(engine);
    const double rawMs = Median(raw);
    std::printf("readjustment of %d blocks, %d spots, %d programming rows (median of %d runs)\n", blockCount,
                blockCount * spotsPerBlock, programmings * rowsPerProgramming, runs);
    std::printf(
        "  engine      %8.1f ms\n  raw SQLite  %8.1f ms\n  ratio       %8.2f (target <= 1.1, engine < 100 ms)\n",
        engineMs, rawMs, engineMs / rawMs);
    std::printf("  both copies end with the same rows: %s\n", same ? "yes" : "NO");

    std::vector<double> check;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        CreateMissingDatabases(folder.path());
        check.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("start-up check of the three database files: %.1f ms (median of %d runs)\n", Median(check), runs);
    return same ? 0 : 1;
}
