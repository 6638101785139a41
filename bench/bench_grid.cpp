// Fills a bound grid from a 100 000-row query of contracts and prints how
// long the refresh takes (the query and the grid's fill; target under
// 100 ms), the first paint and the End key to the last row, and the memory
// the grid added, which stays small as only the rows shown are read and
// turned into text. Beside
// them, raw SQLite doing the same reads in the same run (counting the rows,
// reading the first and the last screenful) and the ratio. Build it optimised
// (CMAKE_BUILD_TYPE=Release) for meaningful figures.
#include "Measure.h"
#include "station/Databases.h"

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/MSFlexGrid.h"

#include "jet/DataControl.h"
#include "jet/Engine.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <sqlite3.h>

#include <cstdio>

namespace {

constexpr int kRows = 100000;
constexpr int kRowsShown = 40;

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
    sqlite3_prepare_v2(db, "INSERT INTO PUBLICIDAD (ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ) VALUES (?,?,?,?,?)", -1,
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

// Steps up to rows rows of a statement, reading every column as text.
void RawRead(sqlite3* db, const char* sql, int rows)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    for (int read = 0; read < rows && sqlite3_step(statement) == SQLITE_ROW; ++read)
        for (int c = 0; c < sqlite3_column_count(statement); ++c)
            sqlite3_column_text(statement, c);
    sqlite3_finalize(statement);
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
    const char* const query = "SELECT ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ FROM PUBLICIDAD ORDER BY ORDEN";

    jet::DataControl data;
    BenchForm& form = forms::Get<BenchForm>();
    form.LISTA.DataSource(data);
    data.DatabaseName = dorna;
    data.RecordSource = QString::fromUtf8(query);
    const double before = StatusMegabytes("VmRSS");
    const double refreshMs = Milliseconds([&] { data.Refresh(); });
    const double formatMs =
        Milliseconds([&] { form.LISTA.FormatString("|>Nº Contrato|<Cuña|>Duracion|<Campaña|<Locutor"); });
    const double paintMs = Milliseconds([&] {
        form.Show();
        QApplication::processEvents();
    });
    const double endMs = Milliseconds([&] {
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QApplication::sendEvent(form.LISTA.Widget(), &end);
        QApplication::processEvents();
    });
    const double after = StatusMegabytes("VmRSS");

    sqlite3* raw = nullptr;
    sqlite3_open_v2(dorna.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const double rawRefreshMs = Milliseconds([&] {
        RawRead(raw, "SELECT count(*) FROM PUBLICIDAD", 1);
        RawRead(raw, query, 1);
    });
    const double rawPaintMs = Milliseconds([&] { RawRead(raw, query, kRowsShown); });
    const double rawEndMs = Milliseconds([&] {
        RawRead(raw, "SELECT ORDEN,NOMBRE,DURACION_MOSTRAR,CAMPAÑA,VOZ FROM PUBLICIDAD ORDER BY ORDEN DESC",
                kRowsShown);
    });
    sqlite3_close(raw);

    const auto line = [](const char* what, double engine, double alone, const char* target) {
        std::printf("%-30s %8.1f ms   raw SQLite %7.2f ms   ratio %6.1f  %s\n", what, engine, alone,
                    alone > 0 ? engine / alone : 0.0, target);
    };
    std::printf("rows in grid: %d, last row shown: %s\n", form.LISTA.Rows() - 1,
                qPrintable(form.LISTA.TextMatrix(form.LISTA.Row(), 2)));
    line("refresh (query + grid fill)", refreshMs, rawRefreshMs, "(target < 100 ms)");
    std::printf("%-30s %8.1f ms\n", "format string", formatMs);
    line("show and first paint", paintMs, rawPaintMs, "");
    line("End key to the last row", endMs, rawEndMs, "");
    std::printf("%-30s %8.1f MB for %d rows\n", "memory added by the grid", after - before, kRows);
    form.Unload();
    return 0;
}
