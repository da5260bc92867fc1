#pragma once

#include "datatools/SqlScript.h"

#include <filesystem>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace datatools {

/// Builds one SQLite database file from SQL files (or texts) run in the given order inside one transaction.
/// The file is written under a temporary name beside the target and renamed over it only when
/// every statement ran and every declared foreign key resolves, so a failed build leaves the
/// previous file untouched. Throws std::runtime_error with a message naming file and line.
class DatabaseBuilder {
public:
    explicit DatabaseBuilder(std::filesystem::path output);

    /// Another database that the scripts read under `schemaName` (e.g. the built main database).
    void attach(std::filesystem::path path, std::string schemaName);
    void addScript(std::filesystem::path script);
    /// An SQL text run as a script; `name` stands for its file in messages.
    void addScript(std::string name, std::string text);

    void build() const;

private:
    std::filesystem::path m_output;
    std::vector<std::pair<std::filesystem::path, std::string>> m_attachments;
    // A file is read when the build runs, so that a missing one fails the build, not the set-up.
    std::vector<std::variant<std::filesystem::path, SqlScript>> m_scripts;
};

} // namespace datatools
