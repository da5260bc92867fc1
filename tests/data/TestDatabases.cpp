#include "TestDatabases.h"

#include "datatools/DatabaseBuilder.h"

namespace datachecks {

DatabasePair buildFixtureDatabases(const std::filesystem::path& dir) {
    const std::filesystem::path schema = GK_SCHEMA_DIR;
    const DatabasePair pair{dir / "Graukant.MDB", dir / "Filter.mdb"};
    datatools::DatabaseBuilder main(pair.main);
    main.addScript(schema / "graukant.sql");
    main.addScript(std::filesystem::path(GK_FIXTURE_DIR) / "graukant.sql");
    main.addScript(schema / "graukant-derive.sql");
    main.build();
    datatools::DatabaseBuilder filter(pair.filter);
    filter.attach(pair.main, "graukant");
    filter.addScript(schema / "filter.sql");
    filter.addScript(schema / "filter-derive.sql");
    filter.build();
    return pair;
}

} // namespace datachecks
