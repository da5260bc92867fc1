#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace jetcases {

/// One @query of a case file with what it must give: rows (fields joined by TAB) or an error number.
struct CaseQuery {
    std::string setup; // native SQLite run before this query (the @setup blocks since the last query)
    std::string query;
    std::vector<std::string> expectedRows;
    std::optional<int> expectedError;
    bool hasExpectation = false; // an @expect or @expect-error block follows the query
    int line = 0;                // where the @query block starts, for messages
};

/// A conformance case file:
///   # comment            (any line that starts with #, in every block)
///   @setup               SQLite statements, run natively
///   @query               one Jet SQL statement
///   @expect              one line per row, fields separated by TAB, Null as <null>
///   @expect-error        a Jet error number; the statement must fail
/// Several @query blocks may follow one @setup; trailing blank lines of an @expect block are ignored,
/// so an expected row can neither start with # nor be one empty field at the end of a block.
struct CaseFile {
    std::filesystem::path path;
    std::vector<CaseQuery> queries;
};

/// Reads and checks the structure of a case file; throws std::runtime_error naming the line.
[[nodiscard]] CaseFile readCaseFile(const std::filesystem::path& path);

/// Every *.case file of the folder, sorted by name.
[[nodiscard]] std::vector<std::filesystem::path> caseFilesIn(const std::filesystem::path& folder);

} // namespace jetcases
