// The program's start, from launching it to its menu on screen, on a station
// whose catalogue holds a million songs (and 500 blocks, 20 000 placed spots,
// 40 000 programming rows): each start in a process of its own, doing what
// the program does (the check of the three files, the readjustment of the
// blocks as the menu loads, the menu shown). Cold starts come after the
// system's page cache is dropped (as root) or, where it cannot be, after the
// three files are evicted from it (the program and its libraries then stay
// in memory). Prints the medians, and for comparison what a full check of
// every page of the three files takes cold.
//
//   bench_start [songs]
#include "Measure.h"

#include "forms/Application.h"
#include "forms/Form.h"
#include "jet/Engine.h"
#include "menu/F_Menu.h"
#include "station/Databases.h"
#include "station/ProgramFolder.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int runs = 5;
constexpr int rowsPerStatement = 500;

QString Hour(int secondOfDay)
{
    return QStringLiteral("'1899-12-30 %1:%2:%3'")
        .arg(secondOfDay / 3600 % 24, 2, 10, QLatin1Char('0'))
        .arg(secondOfDay / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(secondOfDay % 60, 2, 10, QLatin1Char('0'));
}

// rows rows through the engine (whose collation orders the indexes on text),
// many to a statement.
void InsertRows(jet::Database& db, const QString& head, int rows, const std::function<QString(int)>& values)
{
    for (int first = 0; first < rows; first += rowsPerStatement) {
        QStringList some;
        for (int row = first; row < std::min(rows, first + rowsPerStatement); ++row)
            some << QLatin1Char('(') + values(row) + QLatin1Char(')');
        db.Execute(head + QStringLiteral(" VALUES ") + some.join(QLatin1Char(',')));
    }
}

void FillDorna(const QString& path)
{
    const auto day = [](int fromToday) {
        return QLatin1Char('\'') + QDate::currentDate().addDays(fromToday).toString(Qt::ISODate)
               + QStringLiteral(" 00:00:00'");
    };
    const QString yesterday = day(-1);
    const QString later = day(30);
    jet::Database db = jet::DBEngine().OpenDatabase(path);
    db.Execute(QStringLiteral("BEGIN"));
    InsertRows(db, QStringLiteral("INSERT INTO BLOQUES (HORA,NOMBRE,DURACION,PRIORITARIO,TIEMPO,TIEMPO_VER)"), 500,
               [](int b) {
                   return Hour(b * 150) + QStringLiteral(",'Bloque %1','1899-12-30 00:05:00',0,0,'00:00:00'").arg(b);
               });
    InsertRows(db,
               QStringLiteral("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,NUMERO,FICHERO,NOMBRE,TIEMPO,TIEMPO_VER,"
                              "FECHA1,FECHA2)"),
               20000, [&](int s) {
                   return QStringLiteral("%1,%2,%3,'/cuñas/%1.mp3','%1.mp3',%4,'',%5,%6")
                       .arg(s)
                       .arg(Hour(s / 40 * 150))
                       .arg(s % 40 + 2)
                       .arg(10 + s % 50)
                       .arg(s % 10 == 0 ? yesterday : later)
                       .arg(later);
               });
    InsertRows(db,
               QStringLiteral("INSERT INTO PROGRAMACION (PROGRAMACION,HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO)"),
               40000, [](int r) {
                   const QString start = Hour(r % 500 * 150 + (r % 2) * 75);
                   return QStringLiteral("'Programación %1',%2,'BLO','','',%2,'BLOQUE'").arg(r / 500).arg(start);
               });
    db.Execute(QStringLiteral("COMMIT"));
}

// The songs straight into SQLite: the catalogue's only index is on the code.
bool FillCatalogue(const QString& path, int songs)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK)
        return false;
    const QByteArray insert =
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + QByteArray::number(songs)
        + ") INSERT INTO CATALOGO (CODIGO,TITULO,INTERPRETE,ALBUN,AÑO,SLOT,TIPO,RITMO,ESTILO,FICHERO,DURACION_VER,"
          "INTRO,PRESENTACION1,PRESENTACION2,radiaciones,COMENTARIO,estilo_n,ritmo_n,tipo_n) "
          "SELECT i,'Canción número '||i,'Intérprete '||(i%5000),'Albún '||(i%10000),1960+i%60,'','TIPO '||(i%40),"
          "'RITMO '||(i%40),'ESTILOS '||(i%40),'/musica/archivo/'||i||'.mp3','00:03:30',i%30,'-Vacio-','-Vacio-',0,"
          "'',i%40,i%40,i%40 FROM n";
    const bool done = sqlite3_exec(db, insert.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}

// Out of the page cache: all of it when the system lets this program drop
// it, else the files of the folder. Says which.
const char* MakeCold(const QString& folder)
{
    ::sync();
    QFile drop(QStringLiteral("/proc/sys/vm/drop_caches"));
    if (drop.open(QIODevice::WriteOnly) && drop.write("1") == 1) {
        drop.close();
        return "page cache dropped";
    }
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const int descriptor = ::open(QFile::encodeName(QDir(folder).filePath(name)).constData(), O_RDONLY);
        ::posix_fadvise(descriptor, 0, 0, POSIX_FADV_DONTNEED);
        ::close(descriptor);
    }
    return "database files evicted, program and libraries in memory";
}

struct Start {
    double total;  // from launching to the menu on screen
    double check;  // the check and creation of the files
    double menu;  // the menu's load (the readjustment) and showing it
};

// Launches this program to start on the folder, as the program does.
Start Launch(const char* self, const QString& folder)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QString::fromLocal8Bit(self), {QStringLiteral("--start"), folder});
    Start start{};
    while (child.state() != QProcess::NotRunning && !child.canReadLine())
        child.waitForReadyRead(10000);
    start.total = double(clock.nsecsElapsed()) / 1e6;
    std::sscanf(child.readLine().constData(), "%lf %lf", &start.check, &start.menu);
    child.waitForFinished(-1);
    return start;
}

// The child: what main does, timed; one line of figures once the menu shows.
int StartOn(int argc, char** argv)
{
    const QString folder = QString::fromLocal8Bit(argv[2]);
    qputenv("VARNOOK_DATA_DIR", folder.toLocal8Bit());
    forms::Application application(argc, argv);
    QElapsedTimer clock;
    clock.start();
    double checked = 0;
    StartWithDatabases(folder, [&] {
        checked = double(clock.nsecsElapsed()) / 1e6;
        forms::Get<F_Menu>().Show();
        QCoreApplication::processEvents();
    });
    std::printf("%f %f\n", checked, double(clock.nsecsElapsed()) / 1e6 - checked);
    std::fflush(stdout);
    return 0;
}

// A full check of every page of the file, as the start no longer makes.
double CheckEveryPage(const QString& path)
{
    return Milliseconds([&] { jet::DBEngine().OpenDatabase(path).Execute(QStringLiteral("PRAGMA quick_check")); });
}

}  // namespace

int main(int argc, char** argv)
{
    RunHeadless();
    if (argc > 2 && std::strcmp(argv[1], "--start") == 0)
        return StartOn(argc, argv);
    const int songs = argc > 1 ? std::atoi(argv[1]) : 1000000;

    QCoreApplication program(argc, argv);
    QTemporaryDir folder;
    CreateMissingDatabases(folder.path());
    qputenv("VARNOOK_DATA_DIR", folder.path().toUtf8());
    FillDorna(DornaPath());
    if (!FillCatalogue(MusicaPath(), songs)) {
        std::fprintf(stderr, "the catalogue could not be filled\n");
        return 1;
    }
    std::printf("start to menu, %d songs, median of %d starts\n", songs, runs);
    // The first start purges the spots of ended contracts; the others find none.
    Launch(argv[0], folder.path());

    const char* how = "";
    std::vector<Start> cold;
    std::vector<Start> warm;
    for (int run = 0; run < runs; ++run) {
        how = MakeCold(folder.path());
        cold.push_back(Launch(argv[0], folder.path()));
        warm.push_back(Launch(argv[0], folder.path()));
    }
    const auto line = [](const char* what, const std::vector<Start>& starts, const char* note) {
        std::vector<double> total, check, menu;
        for (const Start& start : starts) {
            total.push_back(start.total);
            check.push_back(start.check);
            menu.push_back(start.menu);
        }
        std::printf("  %-5s %7.1f ms (check of the files %6.1f ms, readjustment and menu %6.1f ms) %s\n", what,
                    Median(total), Median(check), Median(menu), note);
    };
    line("cold", cold, "(target < 1000 ms)");
    line("warm", warm, "");
    std::printf("  cold: %s\n", how);

    MakeCold(folder.path());
    double everyPage = 0;
    for (const QString& path : {DornaPath(), MusicaPath(), ContinuidadPath()})
        everyPage += CheckEveryPage(path);
    std::printf("  a full check of every page of the three files (%.0f MB), cold: %.1f ms\n",
                double(QFileInfo(MusicaPath()).size() + QFileInfo(DornaPath()).size()) / 1e6, everyPage);
    return 0;
}
