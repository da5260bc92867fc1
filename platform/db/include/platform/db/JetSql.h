#pragma once

#include <string>
#include <string_view>

namespace platform::db {

/// Translates one Jet SQL statement into SQLite SQL. Throws CallError 3075/3131/3144/... with Jet's
/// texts when the statement does not parse. Pure: the same input always gives the same output.
[[nodiscard]] std::string translateStatement(std::string_view jetSql);

/// Translates a Jet criteria text (a WHERE expression without the keyword, as FindFirst takes it).
[[nodiscard]] std::string translateCriteria(std::string_view jetExpression);

} // namespace platform::db
