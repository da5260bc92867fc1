#pragma once

// The databases tests build, all through the data build's own builder (so each one is written
// atomically and has its foreign keys checked): the fixture's materials and filter databases, and
// scratch databases from SQL texts. Every function throws std::runtime_error naming the script and
// the line of a statement that failed.

#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

/// A materials database and the filter database derived from it.
struct DatabasePair {
    std::filesystem::path main;
    std::filesystem::path filter;
};

/// The folder of the schema scripts the data build runs.
[[nodiscard]] std::filesystem::path schemaFolder();

/// Builds `Graukant.MDB` and `Filter.mdb` into `folder` as the data build does from the sample rows,
/// with the fixture's rows instead. `extraRows`, when given, runs after the fixture's rows and before
/// the derived content is made, for a case only one test needs.
[[nodiscard]] DatabasePair buildFixtureDatabases(const std::filesystem::path& folder,
                                                 const std::string& extraRows = {});

/// Builds a new database at `path` (replacing any file there) from SQL texts run in order.
void buildScratchDatabase(const std::filesystem::path& path, const std::vector<std::string>& sqlTexts);
/// Builds a new database at `path` from script files, then SQL texts, run in order.
void buildScratchDatabase(const std::filesystem::path& path,
                          const std::vector<std::filesystem::path>& scripts,
                          const std::vector<std::string>& sqlTexts);

/// Runs an SQLite script (SQLite's SQL, not Jet's) on the existing database at `path`, a test's own
/// copy, with the Jet extensions registered. Throws std::runtime_error with SQLite's message.
void runScript(const std::filesystem::path& path, const std::string& sql);

} // namespace test_support
