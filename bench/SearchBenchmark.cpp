// Prefix search on the designation list of a generated filter database, the query behind typing
// into the designation search. Run gk_generate_db first; the folder comes from GK_BENCH_DB_DIR.

#include "datatools/SqliteConnection.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace {

std::filesystem::path databaseDir() {
    const char* dir = std::getenv("GK_BENCH_DB_DIR");
    return dir != nullptr ? std::filesystem::path(dir) : std::filesystem::path(GK_BENCH_DEFAULT_DB_DIR);
}

// A prefix pattern becomes a range of the SuchBezeichnung index: from the prefix up to the prefix
// followed by U+FFFF, which the text collation sorts after every other character.
void prefixSearch(benchmark::State& state, const std::string& prefix) {
    const std::filesystem::path filter = databaseDir() / "Filter.mdb";
    if (!std::filesystem::is_regular_file(filter)) {
        state.SkipWithError(("no generated database at " + filter.string()).c_str());
        return;
    }
    datatools::SqliteConnection connection(filter, false);
    sqlite3_stmt* raw = nullptr;
    const char* sql =
        "SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, SuchBezeichnung, Kennung, "
        "IndexSort, Id_Land FROM Stahlbez_Gruppe_Land "
        "WHERE SuchBezeichnung >= ?1 AND SuchBezeichnung < ?2 AND SupK = 0 AND SupW = 0 "
        "ORDER BY IndexSort";
    if (sqlite3_prepare_v2(connection.handle(), sql, -1, &raw, nullptr) != SQLITE_OK) {
        state.SkipWithError(sqlite3_errmsg(connection.handle()));
        return;
    }
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw, &sqlite3_finalize);
    const std::string upper = prefix + "\xEF\xBF\xBF";
    std::int64_t rows = 0;
    for (auto _ : state) {
        sqlite3_bind_text(raw, 1, prefix.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(raw, 2, upper.c_str(), -1, SQLITE_STATIC);
        rows = 0;
        while (sqlite3_step(raw) == SQLITE_ROW) {
            ++rows;
        }
        sqlite3_reset(raw);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// "1.4" is a tenth of the material numbers' first thousand; "X5" a few hundred symbols.
BENCHMARK_CAPTURE(prefixSearch, material_number, std::string("1.40"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(prefixSearch, symbol, std::string("X5Cr"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(prefixSearch, trade_name, std::string("SampleNova9999"))->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
