#include "datatools/DatabaseBuilder.h"

#include "datatools/ForeignKeyCheck.h"
#include "datatools/SqlScript.h"
#include "datatools/SqliteConnection.h"

#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace datatools {
namespace {

constexpr std::size_t reportedProblems = 20;

// Removes the temporary file unless the build got as far as renaming it.
class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path path) : m_path(std::move(path)) { removeQuietly(); }
    ~TemporaryFile() { removeQuietly(); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const noexcept { return m_path; }

    void renameTo(const std::filesystem::path& target) {
        std::error_code error;
        std::filesystem::rename(m_path, target, error);
        if (error) {
            throw std::runtime_error(target.string() + ": cannot replace the file: " + error.message());
        }
    }

private:
    void removeQuietly() const noexcept {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
        for (const char* suffix : {"-journal", "-wal", "-shm"}) {
            std::filesystem::remove(m_path.string() + suffix, ignored);
        }
    }

    std::filesystem::path m_path;
};

} // namespace

DatabaseBuilder::DatabaseBuilder(std::filesystem::path output) : m_output(std::move(output)) {}

void DatabaseBuilder::attach(std::filesystem::path path, std::string schemaName) {
    m_attachments.emplace_back(std::move(path), std::move(schemaName));
}

void DatabaseBuilder::addScript(std::filesystem::path script) {
    m_scripts.emplace_back(std::move(script));
}

void DatabaseBuilder::addScript(std::string name, std::string text) {
    m_scripts.emplace_back(SqlScript(std::move(name), std::move(text)));
}

void DatabaseBuilder::build() const {
    if (m_output.has_parent_path()) {
        std::filesystem::create_directories(m_output.parent_path());
    }
    TemporaryFile temporary(m_output.string() + ".building-" + std::to_string(::getpid()));
    {
        SqliteConnection connection(temporary.path(), true);
        // Nothing is lost by a crash here: the half-built file is never renamed into place.
        connection.execute("PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF;");
        for (const auto& [path, schemaName] : m_attachments) {
            if (!std::filesystem::is_regular_file(path)) {
                throw std::runtime_error(path.string() + ": the database to read from does not exist");
            }
            connection.attach(path, schemaName);
        }
        platform::db::sqlite::Transaction transaction(connection.native());
        for (const auto& script : m_scripts) {
            if (const auto* file = std::get_if<std::filesystem::path>(&script)) {
                SqlScript(*file).run(connection);
            } else {
                std::get<SqlScript>(script).run(connection);
            }
        }
        const std::vector<std::string> problems = unresolvedForeignKeys(connection, reportedProblems);
        if (!problems.empty()) {
            std::string message = m_output.filename().string() + ": rows refer to rows that do not exist:";
            for (const auto& problem : problems) {
                message += "\n  " + problem;
            }
            throw std::runtime_error(message);
        }
        // A database without any table would be an empty file, which no reader takes for SQLite.
        connection.execute("PRAGMA user_version = 1");
        transaction.commit();
        for (const auto& attachment : m_attachments) {
            connection.execute("DETACH DATABASE \"" + attachment.second + "\"");
        }
        connection.execute("ANALYZE");
    }
    temporary.renameTo(m_output);
}

} // namespace datatools
