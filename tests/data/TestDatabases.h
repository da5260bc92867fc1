#pragma once

#include <filesystem>

namespace datachecks {

/// A folder of its own for one test, removed with everything in it when the test ends.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const noexcept { return m_path; }

private:
    std::filesystem::path m_path;
};

/// A materials database and the filter database derived from it.
struct DatabasePair {
    std::filesystem::path main;
    std::filesystem::path filter;
};

/// Builds both databases from the schema and the test fixture's rows into `dir`, as the data
/// build does from the sample rows.
[[nodiscard]] DatabasePair buildFixtureDatabases(const std::filesystem::path& dir);

} // namespace datachecks
