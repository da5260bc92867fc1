// The material list of the designation selection page over the whole generated filter database
// (about a million designations): the list opens at once and reads only the rows in sight, at its
// top and after a jump to its end, and the in-list prefix search finds a designation near the end.
// Run gk_generate_db first; the folder comes from GK_BENCH_DB_DIR.

#include "BenchSupport.h"
#include "MaterialListModel.h"
#include "SearchText.h"
#include "dataservice/MaterialManager.h"
#include "platform/db/Dao.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Showing every designation and scrolling to the last screen of 60 rows.
void showAllAndScrollToTheEnd(benchmark::State& state) {
    const auto db = bench::openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    orvik::dataservice::MaterialManager manager([] { return false; });
    display::MaterialListModel model;
    int rows = 0;
    for (auto _ : state) {
        model.setRecords(manager.GetMaterialList(db, -1, -1, -1, -1, -1, true, true, true, ""));
        rows = model.rowCount();
        for (int row = 0; row < 60 && row < rows; ++row) {
            benchmark::DoNotOptimize(model.text(row, display::MaterialListModel::Designation));
        }
        for (int row = std::max(0, rows - 60); row < rows; ++row) {
            benchmark::DoNotOptimize(model.text(row, display::MaterialListModel::Designation));
        }
    }
    state.counters["rows"] = rows;
}

// Typing the start of a designation into the shown list.
void prefixSearchInTheList(benchmark::State& state) {
    const auto db = bench::openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    orvik::dataservice::MaterialManager manager([] { return false; });
    display::MaterialListModel model;
    model.setRecords(manager.GetMaterialList(db, -1, -1, -1, -1, -1, true, true, true, ""));
    const auto condition = display::SearchText::prefixCondition("SampleNova9999");
    int found = -1;
    for (auto _ : state) {
        found = model.findFirst(condition);
    }
    state.counters["row"] = found;
}

BENCHMARK(showAllAndScrollToTheEnd)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(prefixSearchInTheList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
