// The record sets of the database layer over a million rows: the material list's snapshot read from
// end to end, and a table record set walked along an index. Every field is read in place, as a list that only
// shows the values does. The floor steps the same rows in SQLite, reading every column.

#include "BenchSupport.h"
#include "dataservice/MaterialManager.h"
#include "platform/db/Dao.h"

#include <algorithm>
#include <sqlite3.h>
#include <string>

namespace bench {
namespace {

constexpr const char* kTable = "tabFilterStahlbez"; // one row per designation occurrence
constexpr std::int64_t kTableRows = 1000000;        // rows of the generated table
constexpr std::int64_t kListRows = 810486;          // designations in the whole material list

void readAllFields(platform::db::Recordset& rs, std::int32_t fields) {
    for (std::int32_t f = 0; f < fields; ++f) {
        benchmark::DoNotOptimize(rs.fieldView(f));
    }
}

// The material list's own statement (its order and filter, every kind of designation), as the
// data service opens it for the whole list.
std::shared_ptr<platform::db::Recordset> materialList(const std::shared_ptr<platform::db::Database>& db) {
    orvik::dataservice::MaterialManager manager([] { return false; });
    return manager.GetMaterialList(db, -1, -1, -1, -1, -1, true, true, true, "");
}

void snapshot(benchmark::State& state) {
    const double base = residentMegabytes();
    const double anonymousBase = anonymousMegabytes();
    const auto db = openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    std::int64_t rows = 0;
    double megabytes = 0;
    for (auto _ : state) {
        const double heapBefore = heapMegabytes();
        const auto rs = materialList(db);
        const std::int32_t fields = rs->fieldCount();
        rows = 0;
        for (; !rs->eof(); rs->moveNext()) {
            readAllFields(*rs, fields);
            ++rows;
        }
        // The record set's own memory, and what the process holds for it (its pages of the file too).
        state.counters["heap_MB"] = heapMegabytes() - heapBefore;
        state.counters["anonymous_MB"] = anonymousMegabytes() - anonymousBase;
        megabytes = std::max(megabytes, residentMegabytes() - base);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["MB"] = megabytes;
}

void snapshotFloor(benchmark::State& state) {
    const double base = residentMegabytes();
    NativeDatabase db(state, "Filter.mdb");
    sqlite3_stmt* stmt =
        db ? db.prepare("SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, "
                        "SuchBezeichnung, Kennung, IndexSort, Id_Land FROM Stahlbez_Gruppe_Land "
                        "WHERE ((SupK = 0) AND (SupW = 0)) ORDER BY IndexSort")
           : nullptr;
    if (stmt == nullptr) {
        return;
    }
    std::int64_t rows = 0;
    double megabytes = 0;
    for (auto _ : state) {
        rows = db.readAll(stmt);
        megabytes = std::max(megabytes, residentMegabytes() - base);
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
    addCase("snapshot_1m_rows", snapshot, Target{900, 150}, kListRows);
    addCase("snapshot_1m_rows_floor", snapshotFloor, std::nullopt, kListRows);
    addCase("table_walk_1m_rows", tableWalk, Target{1000, std::nullopt}, kTableRows);
    addCase("table_walk_1m_rows_floor", tableWalkFloor, std::nullopt, kTableRows);
}

} // namespace bench
