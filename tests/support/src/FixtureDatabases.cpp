#include "test_support/FixtureDatabases.h"

#include "datatools/DatabaseBuilder.h"
#include "datatools/SqliteConnection.h"

namespace test_support {

std::filesystem::path schemaFolder() {
    return GK_SCHEMA_DIR;
}

DatabasePair buildFixtureDatabases(const std::filesystem::path& folder, const std::string& extraRows) {
    const std::filesystem::path schema = schemaFolder();
    const DatabasePair pair{folder / "Graukant.MDB", folder / "Filter.mdb"};
    datatools::DatabaseBuilder main(pair.main);
    main.addScript(schema / "graukant.sql");
    main.addScript(std::filesystem::path(GK_FIXTURE_DIR) / "graukant.sql");
    if (!extraRows.empty()) {
        main.addScript("extra rows", extraRows);
    }
    main.addScript(schema / "graukant-derive.sql");
    main.build();
    datatools::DatabaseBuilder filter(pair.filter);
    filter.attach(pair.main, "graukant");
    filter.addScript(schema / "filter.sql");
    filter.addScript(schema / "filter-derive.sql");
    filter.build();
    return pair;
}

void buildScratchDatabase(const std::filesystem::path& path, const std::vector<std::string>& sqlTexts) {
    buildScratchDatabase(path, {}, sqlTexts);
}

void buildScratchDatabase(const std::filesystem::path& path,
                          const std::vector<std::filesystem::path>& scripts,
                          const std::vector<std::string>& sqlTexts) {
    datatools::DatabaseBuilder builder(path);
    for (const auto& script : scripts) {
        builder.addScript(script);
    }
    // Named so that an error says which of the texts failed.
    for (std::size_t i = 0; i < sqlTexts.size(); ++i) {
        builder.addScript(path.filename().string() + " text " + std::to_string(i + 1), sqlTexts[i]);
    }
    builder.build();
}

void runScript(const std::filesystem::path& path, const std::string& sql) {
    datatools::SqliteConnection connection(path, false);
    connection.execute(sql);
}

} // namespace test_support
