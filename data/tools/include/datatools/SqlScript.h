#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace datatools {

class SqliteConnection;

/// The text of one SQL file, run statement by statement so that a failing statement is reported
/// with the file and the line it starts on ("schema.sql:12: no such table: tabX").
/// Throws std::runtime_error when the file cannot be read or a statement fails.
class SqlScript {
public:
    /// Reads the file.
    explicit SqlScript(const std::filesystem::path& path);
    /// A script from text; `name` stands for the file in messages.
    SqlScript(std::string name, std::string text);

    /// Decides per statement (its SQL text) whether to run it now; a statement it refuses is
    /// handed back by `run` instead of being executed.
    using Filter = std::function<bool(const std::string& statement)>;

    /// Runs every statement in order; returns the texts of the statements the filter refused.
    std::vector<std::string> run(SqliteConnection& connection, const Filter& runNow = {}) const;

    [[nodiscard]] const std::string& name() const noexcept { return m_name; }

    /// True for CREATE [UNIQUE] INDEX statements: those can wait until the rows are in.
    [[nodiscard]] static bool isCreateIndex(const std::string& statement);

private:
    std::string m_name;
    std::string m_text;
};

} // namespace datatools
