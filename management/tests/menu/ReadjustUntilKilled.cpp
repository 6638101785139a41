// Starts as the program does (loading the menu readjusts the blocks) on the
// folder named by VARNOOK_DATA_DIR, and kills itself, as a power cut would,
// while it writes:
//
//   readjust_until_killed TABLE N    dies at the N-th row written to TABLE
//                                    (inserted, changed or deleted)
//   readjust_until_killed - 0        runs to the end
#include "menu/F_Menu.h"

#include "forms/Application.h"
#include "forms/Form.h"

#include <QByteArray>
#include <csignal>
#include <cstdlib>
#include <sqlite3.h>

namespace {

QByteArray watchedTable;
long long rowsLeft = 0;

void CountRow(void*, int, const char*, const char* table, sqlite3_int64)
{
    if (rowsLeft > 0 && watchedTable == table && --rowsLeft == 0)
        std::raise(SIGKILL);
}

int WatchConnection(sqlite3* connection, const char**, const sqlite3_api_routines*)
{
    sqlite3_update_hook(connection, CountRow, nullptr);
    return SQLITE_OK;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    watchedTable = argv[1];
    rowsLeft = std::atoll(argv[2]);
    forms::Application application(argc, argv);
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(WatchConnection));
    forms::Get<F_Menu>();
    return 0;
}
