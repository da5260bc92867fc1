// The message texts of the program by TextID, as every window asks for them, through the text
// service of the application. The floor reads the same row of the text table by a prepared statement.

#include "BenchSupport.h"
#include "ObjectModelBench.h"
#include "common/cls_Language.h"
#include "objects/Application.h"

#include <sqlite3.h>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr int kLookups = 10000;

/// The ids of the text table, read once before the clock runs.
std::vector<std::int64_t> textIds(benchmark::State& state) {
    std::vector<std::int64_t> ids;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(GK_BENCH_LANGUAGE_MDB, &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT id_text FROM tab_text", -1, &stmt, nullptr) == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                ids.push_back(sqlite3_column_int64(stmt, 0));
            }
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    if (ids.empty()) {
        state.SkipWithError("no texts in " GK_BENCH_LANGUAGE_MDB);
    }
    return ids;
}

void textLookups(benchmark::State& state) {
    const auto app = application(state);
    const std::vector<std::int64_t> ids = app ? textIds(state) : std::vector<std::int64_t>{};
    if (ids.empty()) {
        return;
    }
    orvik::common::cls_Language& language = *app->LanguageObject();
    for (auto _ : state) {
        for (int i = 0; i < kLookups; ++i) {
            benchmark::DoNotOptimize(language.getTextFromDB(
                static_cast<orvik::common::TextID>(ids[static_cast<std::size_t>(i) % ids.size()])));
        }
    }
}

void textLookupsFloor(benchmark::State& state) {
    const std::vector<std::int64_t> ids = textIds(state);
    sqlite3* db = nullptr;
    if (ids.empty() ||
        sqlite3_open_v2(GK_BENCH_LANGUAGE_MDB, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return;
    }
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT german, france, english, selfdefine FROM tab_text WHERE id_text = ?1", -1,
                       &stmt, nullptr);
    for (auto _ : state) {
        for (int i = 0; i < kLookups; ++i) {
            sqlite3_bind_int64(stmt, 1, ids[static_cast<std::size_t>(i) % ids.size()]);
            if (sqlite3_step(stmt) == SQLITE_ROW) {
                benchmark::DoNotOptimize(
                    std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))));
            }
            sqlite3_reset(stmt);
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

} // namespace

void addTextCases() {
    addCase("text_lookups_10000", textLookups);
    addCase("text_lookups_10000_floor", textLookupsFloor);
}

} // namespace bench
