// The entry point of the jetsql module: registers the JETTEXT collation and the Jet functions on
// the connection that loads it, exactly as the database layer does on its own connections.

#include "SqliteExtensions.h"

#include <exception>
#include <sqlite3ext.h>

SQLITE_EXTENSION_INIT1

namespace {

int registerOnConnection(sqlite3* db, char** errorMessage, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    try {
        platform::db::registerJetExtensions(db);
    } catch (const std::exception& e) {
        if (errorMessage != nullptr) {
            *errorMessage = sqlite3_mprintf("jetsql: %s", e.what());
        }
        return SQLITE_ERROR;
    }
    return SQLITE_OK;
}

} // namespace

// Both names: the generic one SQLite tries first, and the one it derives from the file name.
extern "C" __attribute__((visibility("default"))) int
sqlite3_extension_init(sqlite3* db, char** errorMessage, const sqlite3_api_routines* api) {
    return registerOnConnection(db, errorMessage, api);
}

extern "C" __attribute__((visibility("default"))) int sqlite3_jetsql_init(sqlite3* db, char** errorMessage,
                                                                          const sqlite3_api_routines* api) {
    return registerOnConnection(db, errorMessage, api);
}
