#include "generator/LargeDatabaseGenerator.h"

#include "Random.h"
#include "SteelWriter.h"
#include "VocabularyWriter.h"
#include "datatools/SqlScript.h"
#include "datatools/SqliteConnection.h"

#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace generator {
namespace {

// A database file written under a temporary name, renamed over the target when complete.
class PendingFile {
public:
    explicit PendingFile(std::filesystem::path target)
        : m_target(std::move(target)),
          m_path(m_target.string() + ".generating-" + std::to_string(::getpid())) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    ~PendingFile() {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const noexcept { return m_path; }
    void complete() const { std::filesystem::rename(m_path, m_target); }

private:
    std::filesystem::path m_target;
    std::filesystem::path m_path;
};

// Runs a schema file with its indexes held back; returns them to be created once the rows are in.
std::vector<std::string> createTables(datatools::SqliteConnection& connection,
                                      const std::filesystem::path& script) {
    return datatools::SqlScript(script).run(connection, [](const std::string& statement) {
        return !datatools::SqlScript::isCreateIndex(statement);
    });
}

void createIndexes(datatools::SqliteConnection& connection, const std::vector<std::string>& indexes) {
    for (const std::string& statement : indexes) {
        connection.execute(statement);
    }
}

void openForBulkWriting(datatools::SqliteConnection& connection) {
    connection.execute("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -200000;");
}

} // namespace

LargeDatabaseGenerator::LargeDatabaseGenerator(GeneratorOptions options) : m_options(std::move(options)) {
    if (m_options.steelCount < 1) {
        throw std::runtime_error("the number of steels must be at least 1");
    }
}

void LargeDatabaseGenerator::generate() const {
    std::filesystem::create_directories(m_options.outputDir);
    const std::filesystem::path& schema = m_options.schemaDir;

    PendingFile mainFile(m_options.outputDir / "Graukant.MDB");
    {
        datatools::SqliteConnection main(mainFile.path(), true);
        openForBulkWriting(main);
        platform::db::sqlite::Transaction transaction(main.native());
        const std::vector<std::string> indexes = createTables(main, schema / "graukant.sql");
        Random random(m_options.seed);
        VocabularyWriter vocabulary(main.native(), random);
        vocabulary.write();
        SteelWriter steels(main.native(), random, vocabulary.variants(), vocabulary.groups());
        for (std::int64_t steel = 1; steel <= m_options.steelCount; ++steel) {
            steels.write(steel);
        }
        createIndexes(main, indexes);
        datatools::SqlScript(schema / "graukant-derive.sql").run(main);
        transaction.commit();
        main.execute("ANALYZE");
    }

    PendingFile filterFile(m_options.outputDir / "Filter.mdb");
    {
        datatools::SqliteConnection filter(filterFile.path(), true);
        openForBulkWriting(filter);
        filter.attach(mainFile.path(), "graukant");
        platform::db::sqlite::Transaction transaction(filter.native());
        const std::vector<std::string> indexes = createTables(filter, schema / "filter.sql");
        datatools::SqlScript(schema / "filter-derive.sql").run(filter);
        createIndexes(filter, indexes);
        transaction.commit();
        filter.execute("DETACH DATABASE graukant");
        filter.execute("ANALYZE");
    }
    mainFile.complete();
    filterFile.complete();
}

} // namespace generator
