#pragma once

// What a record set knows of each column of its statement: its name and where its values come from.

#include "Sqlite.h"

#include <string>
#include <vector>

namespace platform::db {

struct ColumnInfo {
    std::string name;         // as the statement reports it (alias or column name)
    std::string originTable;  // the table the value comes from, empty for an expression
    std::string originColumn; // its column there
    ValueKind kind = ValueKind::Plain;
};

/// Column descriptions of a prepared statement, from `firstColumn` on.
[[nodiscard]] std::vector<ColumnInfo> describeColumns(sqlite3_stmt* stmt, int firstColumn);

} // namespace platform::db
