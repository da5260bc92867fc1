// The record sets of the database layer over a million rows: a snapshot read from end to end, and a
// table record set walked along an index. Every field is read in place, as a list that only shows
// the values does. The floor steps the same rows in SQLite, reading every column.

#include "BenchSupport.h"
#include "platform/db/Dao.h"

#include <sqlite3.h>
#include <string>

namespace bench {
namespace {

constexpr const char* kTable = "tabFilterStahlbez"; // one row per designation occurrence

void readAllFields(platform::db::Recordset& rs, std::int32_t fields) {
    for (std::int32_t f = 0; f < fields; ++f) {
        benchmark::DoNotOptimize(rs.fieldView(f));
    }
}

void snapshot(benchmark::State& state) {
    const auto db = openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    std::int64_t rows = 0;
    double megabytes = 0;
    for (auto _ : state) {
        const double before = heapMegabytes();
        const auto rs =
            db->openRecordset(std::string("SELECT * FROM ") + kTable, platform::db::RecordsetType::Snapshot);
        const std::int32_t fields = rs->fieldCount();
        rows = 0;
        for (; !rs->eof(); rs->moveNext()) {
            readAllFields(*rs, fields);
            ++rows;
        }
        megabytes = heapMegabytes() - before;
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["MB"] = megabytes;
}

void snapshotFloor(benchmark::State& state) {
    NativeDatabase db(state, "Filter.mdb");
    sqlite3_stmt* stmt = db ? db.prepare(std::string("SELECT * FROM ") + kTable) : nullptr;
    if (stmt == nullptr) {
        return;
    }
    std::int64_t rows = 0;
    double megabytes = 0;
    for (auto _ : state) {
        const double before = heapMegabytes();
        rows = db.readAll(stmt);
        megabytes = heapMegabytes() - before;
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["MB"] = megabytes;
}

void tableWalk(benchmark::State& state) {
    const auto db = openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    std::int64_t rows = 0;
    for (auto _ : state) {
        const auto rs = db->openRecordset(kTable, platform::db::RecordsetType::Table);
        rs->setIndex("PrimaryKey");
        const std::int32_t fields = rs->fieldCount();
        rows = 0;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
            readAllFields(*rs, fields);
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void tableWalkFloor(benchmark::State& state) {
    NativeDatabase db(state, "Filter.mdb");
    sqlite3_stmt* stmt =
        db ? db.prepare(std::string("SELECT * FROM ") + kTable + " ORDER BY rowid") : nullptr;
    if (stmt == nullptr) {
        return;
    }
    db.run(state, stmt);
}

} // namespace

void addRecordsetCases() {
    addCase("snapshot_1m_rows", snapshot, Target{900, 150});
    addCase("snapshot_1m_rows_floor", snapshotFloor);
    addCase("table_walk_1m_rows", tableWalk, Target{1000, std::nullopt});
    addCase("table_walk_1m_rows_floor", tableWalkFloor);
}

} // namespace bench
