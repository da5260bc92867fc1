// The designation search as the program runs it: the material list of the data service, whose Jet
// Like on SuchBezeichnung the database layer must turn into a range of the column's index, on a
// generated filter database. Run gk_generate_db first; the folder comes from GK_BENCH_DB_DIR.

#include "dataservice/MaterialManager.h"
#include "platform/db/Dao.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

std::filesystem::path databaseDir() {
    const char* dir = std::getenv("GK_BENCH_DB_DIR");
    return dir != nullptr ? std::filesystem::path(dir) : std::filesystem::path(GK_BENCH_DEFAULT_DB_DIR);
}

std::shared_ptr<platform::db::Database> openFilter(benchmark::State& state) {
    const std::filesystem::path filter = databaseDir() / "Filter.mdb";
    if (!std::filesystem::is_regular_file(filter)) {
        state.SkipWithError(("no generated database at " + filter.string()).c_str());
        return nullptr;
    }
    const platform::db::DBEngine engine;
    return engine.createWorkspace("Bench", "Admin", "")->openDatabase(filter.string(), false, true);
}

// Typing a pattern into the designation search: every kind of designation, no filter, the pattern
// as the selection page builds it, all rows read as the list fills.
void materialList(benchmark::State& state, const std::string& pattern) {
    const auto db = openFilter(state);
    if (!db) {
        return;
    }
    orvik::dataservice::MaterialManager manager([] { return false; });
    const std::string condition = "SuchBezeichnung Like " + platform::db::quoteText(pattern);
    std::int64_t rows = 0;
    for (auto _ : state) {
        const auto rs = manager.GetMaterialList(db, -1, -1, -1, -1, -1, true, true, true, condition);
        if (!rs) {
            state.SkipWithError("the material list failed");
            return;
        }
        rows = 0;
        for (; !rs->eof(); rs->moveNext()) {
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

BENCHMARK_CAPTURE(materialList, material_number, std::string("1.40*"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(materialList, symbol, std::string("X5Cr*"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(materialList, single, std::string("SampleNova9999*"))->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
