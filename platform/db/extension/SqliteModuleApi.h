#pragma once

// Included ahead of every source of the jetsql module: the SQLite calls of those sources become
// calls through the API table of the program that loads the module (sqlite3_api), set by its entry
// point. A later <sqlite3.h> include is then a no-op.
#include <sqlite3ext.h>

SQLITE_EXTENSION_INIT3
