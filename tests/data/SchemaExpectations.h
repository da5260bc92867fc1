#pragma once

#include <string>
#include <vector>

namespace datachecks {

/// A column that must name an existing row of another table: `columns` of `table` against
/// `parentColumns` of `parentTable`, pair by pair. The reference is only tested where the first
/// column is not NULL; further columns (a search id held beside its id) must then match too.
struct Reference {
    std::string table;
    std::vector<std::string> columns;
    std::string parentTable;
    std::vector<std::string> parentColumns;
};

/// A stored query and the columns its readers take from it, in this order.
struct ViewColumns {
    std::string view;
    std::vector<std::string> columns;
};

[[nodiscard]] const std::vector<Reference>& mainDatabaseReferences();
[[nodiscard]] const std::vector<Reference>& filterDatabaseReferences();

/// The stored queries of each database; every view of the database must be listed.
[[nodiscard]] const std::vector<ViewColumns>& mainDatabaseViews();
[[nodiscard]] const std::vector<ViewColumns>& filterDatabaseViews();

} // namespace datachecks
