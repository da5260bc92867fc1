#pragma once

#include <string>
#include <vector>

namespace datatools {

class SqliteConnection;

/// The rows whose declared foreign keys (REFERENCES clauses) point at no row, one line each, such
/// as "tabStahl rowid 7: ID_Land -> tabLand"; at most `limit` lines. Empty when all resolve.
[[nodiscard]] std::vector<std::string> unresolvedForeignKeys(SqliteConnection& connection, std::size_t limit);

} // namespace datatools
