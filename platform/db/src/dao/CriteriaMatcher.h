#pragma once

// Evaluates a Find criteria text against the rows of a record set. The criteria is translated from
// Jet SQL, then every field name in it (plain or qualified with its table) becomes a parameter
// bound to the row's value; SQLite evaluates the expression without touching any table.

#include "RecordsetImpl.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::db {

class CriteriaMatcher {
public:
    /// Throws 3070 for a name that is no field of the record set, 3075 for bad syntax.
    /// `sqliteCriteria` is the translated criteria.
    CriteriaMatcher(sqlite3* db, std::string_view sqliteCriteria, const std::vector<ColumnInfo>& columns);

    [[nodiscard]] bool matches(const Row& row);

private:
    StatementPtr m_stmt;
    sqlite3* m_db;
};

/// One `field = literal` term of a criteria.
struct EqualityTerm {
    std::size_t column;
    Variant literal; // an integer, a double or a text
};

/// The terms when the translated criteria is nothing but `field = literal` terms joined by AND (in
/// any parentheses), on fields whose values are plain (not yes/no, not dates); nullopt otherwise.
[[nodiscard]] std::optional<std::vector<EqualityTerm>>
parseEqualities(std::string_view sqliteExpression, const std::vector<ColumnInfo>& columns);

/// A Jet criteria that is nothing but `field LIKE 'pattern'` (in any parentheses).
struct LikeTerm {
    std::size_t column;
    std::string pattern;
};

/// The term of a Jet criteria that is one Like on an unqualified field whose values are plain;
/// nullopt otherwise.
[[nodiscard]] std::optional<LikeTerm> parseLike(std::string_view jetCriteria,
                                                const std::vector<ColumnInfo>& columns);

/// The criteria's SQLite text with field names replaced by `?N` (N = column position + 1); exposed
/// for tests.
[[nodiscard]] std::string bindFieldNames(std::string_view sqliteExpression,
                                         const std::vector<ColumnInfo>& columns);

} // namespace platform::db
