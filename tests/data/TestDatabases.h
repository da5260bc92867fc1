#pragma once

#include "test_support/TempFolder.h"

#include <filesystem>

namespace datachecks {

using test_support::TempFolder;

/// A materials database and the filter database derived from it.
struct DatabasePair {
    std::filesystem::path main;
    std::filesystem::path filter;
};

/// Builds both databases from the schema and the test fixture's rows into `dir`, as the data
/// build does from the sample rows.
[[nodiscard]] DatabasePair buildFixtureDatabases(const std::filesystem::path& dir);

} // namespace datachecks
