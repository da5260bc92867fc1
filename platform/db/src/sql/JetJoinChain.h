#pragma once

#include "JetToken.h"
#include "JetTranslator.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Nested join groups as one left-deep chain. SQLite runs a parenthesised join on the right of a LEFT
// JOIN as a subquery that it builds in full on every run; as a chain it drives the group from the
// rows on its left through their indexes. Only rewrites that keep every row are made.
namespace platform::db::sql {

/// The tables a join condition refers to, when it is a conjunction of comparisons between qualified
/// columns and literals (brackets allowed): such a condition is false whenever one of its tables'
/// columns is Null. Nothing for any other condition, which stays where it was written.
[[nodiscard]] std::optional<std::vector<std::string>> plainJoinTables(const std::vector<JetToken>& tokens,
                                                                      std::size_t first, std::size_t end);

/// The FROM item as SQLite SQL: one chain where the rules allow it, otherwise nested as written
/// with RIGHT JOINs turned round; `asRightOperand` brackets a nested join.
[[nodiscard]] std::string joinSql(const FromNode& node, bool asRightOperand);

} // namespace platform::db::sql
