// The SQLite loadable extension that lets other programs (the sqlite3 shell,
// Python, database browsers) sort, compare and index the texts of the
// database files: it registers the collation ES with the engine's own code.
#include "SpanishCollation.h"

#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

extern "C" __attribute__((visibility("default"))) int sqlite3_extension_init(sqlite3* db, char**,
                                                                             const sqlite3_api_routines* api)
{
    SQLITE_EXTENSION_INIT2(api);
    return sqlite3_create_collation(db, "ES", SQLITE_UTF8, nullptr, jet::detail::CollateSpanish);
}
