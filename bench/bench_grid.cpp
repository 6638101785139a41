// Fills a bound grid from a 100 000-row query of contracts and prints how
// long the query, the grid's fill (target under 200 ms) and the first paint
// take. Build it optimised (CMAKE_BUILD_TYPE=Release) for meaningful figures.
#include "Databases.h"

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/MSFlexGrid.h"

#include "jet/DataControl.h"
#include "jet/Engine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>

namespace {

constexpr int kRows = 100000;

class BenchForm : public forms::Form {
public:
    forms::MSFlexGrid LISTA{*this};

private:
    void Design() override
    {
        Width(12000);
        Height(8000);
        LISTA.Move(0, 0, 12000, 8000);
    }
};

bool Fill(const QString& path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
        return false;
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO PUBLICIDAD (ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ) VALUES (?,?,?,?,?)", -1,
                       &insert, nullptr);
    for (int i = 1; i <= kRows; ++i) {
        const QByteArray name = QStringLiteral("cuña %1.mp3").arg(i).toUtf8();
        const QByteArray campaign = QStringLiteral("Campaña %1").arg(i % 97).toUtf8();
        sqlite3_bind_int(insert, 1, i);
        sqlite3_bind_text(insert, 2, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, "00:00:30", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 4, campaign.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 5, "Locutor", -1, SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    const bool ok = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    forms::Application application(argc, argv);
    QTemporaryDir folder;
    CreateMissingDatabases(folder.path());
    const QString dorna = folder.path() + "/Dorna.MDB";
    if (!Fill(dorna)) {
        std::fprintf(stderr, "could not fill %s\n", qPrintable(dorna));
        return 1;
    }
    const QString query = "SELECT ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ FROM PUBLICIDAD";

    QElapsedTimer clock;
    clock.start();
    jet::Recordset alone = jet::DBEngine().OpenDatabase(dorna).OpenRecordset(query);
    const double queryMs = double(clock.nsecsElapsed()) / 1e6;

    // Slots run in the order they were connected: the grid's fill runs
    // between the two marks.
    jet::DataControl data;
    QElapsedTimer fillClock;
    double fillMs = 0;
    QObject::connect(&data, &jet::DataControl::Refreshed, [&fillClock] { fillClock.start(); });
    BenchForm& form = forms::Get<BenchForm>();
    form.LISTA.DataSource(data);
    QObject::connect(&data, &jet::DataControl::Refreshed,
                     [&fillClock, &fillMs] { fillMs = double(fillClock.nsecsElapsed()) / 1e6; });
    data.DatabaseName = dorna;
    data.RecordSource = query;
    clock.restart();
    data.Refresh();
    const double refreshMs = double(clock.nsecsElapsed()) / 1e6;

    clock.restart();
    form.LISTA.FormatString("|>Nº Contrato|<Cuña|>Duracion|<Campaña|<Locutor");
    const double formatMs = double(clock.nsecsElapsed()) / 1e6;

    clock.restart();
    form.Show();
    QApplication::processEvents();
    const double paintMs = double(clock.nsecsElapsed()) / 1e6;

    std::printf("rows in grid:                %d (of %d records)\n", form.LISTA.Rows() - 1, alone.RecordCount());
    std::printf("query alone (first open):    %8.1f ms\n", queryMs);
    std::printf("refresh (query + grid fill): %8.1f ms\n", refreshMs);
    std::printf("grid fill:                   %8.1f ms  (target < 200 ms)\n", fillMs);
    std::printf("format string:               %8.1f ms\n", formatMs);
    std::printf("show and first paint:        %8.1f ms\n", paintMs);
    std::printf("last row:                    %s\n", qPrintable(form.LISTA.TextMatrix(form.LISTA.Rows() - 1, 2)));
    form.Unload();
    return 0;
}
