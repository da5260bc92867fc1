// The material list of the selection page as a user works it, over every designation of the
// generated filter database: opening the whole list (its first screen, then with its count), dragging
// the scroll bar to the middle and to the end, and typing into the search field with a hit near the
// top, a hit near the end and no hit. Every case starts on a fresh list, as after a new filter.
// The floors do the same work hand-written on SQLite: the list's statement stepped for a screen, the
// shown rows read by their ids, and the search index with a count of the rows before the hit.

#include "BenchSupport.h"
#include "MaterialListModel.h"
#include "SearchText.h"
#include "dataservice/MaterialManager.h"
#include "platform/db/Dao.h"

#include <QCoreApplication>
#include <algorithm>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace bench {
namespace {

using display::MaterialListModel;

constexpr int kScreen = 40;
constexpr int kSetupIterations =
    10; // each opens a fresh list before the clock runs            // rows in sight
constexpr std::int64_t kRows = 810486; // designations of the whole list

// The list's statement with no filter, as the data service builds it for every kind of designation.
constexpr const char* kListFilter = "((SupK = 0) AND (SupW = 0))";
constexpr const char* kListColumns =
    "Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, SuchBezeichnung, Kennung, IndexSort, Id_Land";

struct Typed {
    const char* name;
    const char* text;
    int row; // where the list finds it; -1 none
};

// A designation at the top of the list, one near its end, and a text no designation starts with.
constexpr Typed kEarly{"list_search_early_hit", "1.0001", 8};
constexpr Typed kLate{"list_search_late_hit", "SampleNova100000", 810485};
constexpr Typed kNone{"list_search_no_hit", "ZZQ", -1};

/// The whole list, as the selection page shows it after start-up.
std::shared_ptr<platform::db::Recordset> wholeList(const std::shared_ptr<platform::db::Database>& db) {
    orvik::dataservice::MaterialManager manager([] { return false; });
    return manager.GetMaterialList(db, -1, -1, -1, -1, -1, true, true, true, "");
}

/// Lets the list take what it does after showing its first rows (the count), as the event loop does,
/// and waits for a count in another thread.
void settle(MaterialListModel& model) {
    QCoreApplication::sendPostedEvents();
    model.completeCount();
    benchmark::DoNotOptimize(model.rowCount());
}

void readScreen(const MaterialListModel& model, int top) {
    for (int row = top; row < top + kScreen && row < model.rowCount(); ++row) {
        for (int column = 0; column < MaterialListModel::ColumnCount; ++column) {
            benchmark::DoNotOptimize(model.text(row, static_cast<MaterialListModel::Column>(column)));
        }
    }
}

void open(benchmark::State& state, bool withCount) {
    const auto db = openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    MaterialListModel model;
    for (auto _ : state) {
        model.setRecords(wholeList(db));
        readScreen(model, 0);
        if (withCount) {
            settle(model);
        } else {
            state.PauseTiming();
            settle(model);
            state.ResumeTiming();
        }
    }
    state.counters["rows"] = static_cast<double>(model.rowCount());
}

/// A fresh list, open with its count, before the clock runs on.
void openUntimed(benchmark::State& state, MaterialListModel& model,
                 const std::shared_ptr<platform::db::Database>& db) {
    state.PauseTiming();
    model.setRecords(wholeList(db));
    readScreen(model, 0);
    settle(model);
    state.ResumeTiming();
}

// Where the scroll bar is dragged to: the top row of the screen shown there.
int scrollTarget(bool toEnd, int rows) {
    return toEnd ? std::max(0, rows - kScreen) : rows / 2;
}

void scroll(benchmark::State& state, bool toEnd) {
    // The heap in use: resident pages that the allocator keeps from an earlier run of the case
    // would hide what this one holds.
    const double base = heapMegabytes();
    const double residentBase = residentMegabytes();
    const auto db = openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    MaterialListModel model;
    double megabytes = 0;
    double resident = 0;
    for (auto _ : state) {
        openUntimed(state, model, db);
        readScreen(model, scrollTarget(toEnd, model.rowCount()));
        // What the open list holds once it has been scrolled, above the process before it: its own
        // memory, and the process's resident memory with the pages of the database file it reads in
        // place.
        megabytes = std::max(megabytes, heapMegabytes() - base);
        resident = std::max(resident, residentMegabytes() - residentBase);
    }
    state.counters["rows"] = static_cast<double>(model.rowCount());
    state.counters["MB"] = megabytes;
    state.counters["resident_MB"] = resident;
}

void expectRow(benchmark::State& state, std::int64_t found, const Typed& typed) {
    state.counters["row"] = static_cast<double>(found);
    if (found != typed.row) {
        state.SkipWithError(
            ("found row " + std::to_string(found) + ", expected " + std::to_string(typed.row)).c_str());
    }
}

void search(benchmark::State& state, const Typed& typed) {
    const auto db = openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    MaterialListModel model;
    const std::string condition = display::SearchText::prefixCondition(typed.text);
    int found = -1;
    for (auto _ : state) {
        openUntimed(state, model, db);
        found = model.findFirst(condition);
        if (found >= 0) {
            readScreen(model, found);
        }
    }
    state.counters["rows"] = static_cast<double>(model.rowCount());
    expectRow(state, found, typed);
}

// Floors.

std::string listStatement(const std::string& condition = "") {
    return std::string("SELECT ") + kListColumns + " FROM Stahlbez_Gruppe_Land WHERE " + kListFilter +
           condition + " ORDER BY IndexSort";
}

std::int64_t countRows(sqlite3_stmt* count) {
    sqlite3_step(count);
    const std::int64_t rows = sqlite3_column_int64(count, 0);
    sqlite3_reset(count);
    return rows;
}

void openFloor(benchmark::State& state, bool withCount) {
    NativeDatabase db(state, "Filter.mdb");
    sqlite3_stmt* list = db ? db.prepare(listStatement()) : nullptr;
    sqlite3_stmt* count =
        list != nullptr
            ? db.prepare(std::string("SELECT count(*) FROM Stahlbez_Gruppe_Land WHERE ") + kListFilter)
            : nullptr;
    if (count == nullptr) {
        return;
    }
    std::int64_t rows = 0;
    for (auto _ : state) {
        std::int64_t screen = 0;
        sqlite3_reset(list);
        for (int c = 0; screen < kScreen && sqlite3_step(list) == SQLITE_ROW; ++screen) {
            for (c = 0; c < sqlite3_column_count(list); ++c) {
                benchmark::DoNotOptimize(sqlite3_column_text(list, c));
            }
        }
        sqlite3_reset(list);
        rows = withCount ? countRows(count) : kRows;
    }
    state.counters["rows"] = static_cast<double>(rows);
}

/// The ids of the whole list in its order, as a list that keeps only them has them once it is open.
std::vector<std::int64_t> listIds(NativeDatabase& db) {
    std::vector<std::int64_t> ids;
    sqlite3_stmt* stmt = db.prepare("SELECT Id_StahlbezVorkommen FROM Stahlbez_Gruppe_Land WHERE " +
                                    std::string(kListFilter) + " ORDER BY IndexSort");
    while (stmt != nullptr && sqlite3_step(stmt) == SQLITE_ROW) {
        ids.push_back(sqlite3_column_int64(stmt, 0));
    }
    return ids;
}

void scrollFloor(benchmark::State& state, bool toEnd) {
    NativeDatabase db(state, "Filter.mdb");
    if (!db) {
        return;
    }
    const std::vector<std::int64_t> ids = listIds(db);
    sqlite3_stmt* byId = db.prepare(std::string("SELECT ") + kListColumns +
                                    " FROM Stahlbez_Gruppe_Land WHERE Id_StahlbezVorkommen = ?1");
    if (byId == nullptr) {
        return;
    }
    const int top = scrollTarget(toEnd, static_cast<int>(ids.size()));
    for (auto _ : state) {
        for (int row = top; row < top + kScreen && row < static_cast<int>(ids.size()); ++row) {
            sqlite3_bind_int64(byId, 1, ids[static_cast<std::size_t>(row)]);
            db.readAll(byId);
        }
    }
    state.counters["rows"] = static_cast<double>(ids.size());
}

void searchFloor(benchmark::State& state, const Typed& typed) {
    NativeDatabase db(state, "Filter.mdb");
    if (!db) {
        return;
    }
    // The first hit in list order from the search index, then its row: the rows before it.
    const std::string prefix =
        " AND SuchBezeichnung >= ?1 COLLATE JETTEXT AND SuchBezeichnung < ?2 COLLATE JETTEXT";
    sqlite3_stmt* hit = db.prepare("SELECT min(IndexSort) FROM Stahlbez_Gruppe_Land WHERE " +
                                   std::string(kListFilter) + prefix);
    sqlite3_stmt* before = db.prepare("SELECT count(*) FROM Stahlbez_Gruppe_Land WHERE " +
                                      std::string(kListFilter) + " AND IndexSort < ?1");
    sqlite3_stmt* screen =
        db.prepare(listStatement(" AND IndexSort >= ?1") + " LIMIT " + std::to_string(kScreen));
    if (hit == nullptr || before == nullptr || screen == nullptr) {
        return;
    }
    const std::string low = typed.text;
    const std::string high = low + "\xEF\xBF\xBF"; // U+FFFF sorts after every character
    std::int64_t found = -1;
    for (auto _ : state) {
        sqlite3_bind_text(hit, 1, low.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(hit, 2, high.c_str(), -1, SQLITE_STATIC);
        found = -1;
        if (sqlite3_step(hit) == SQLITE_ROW && sqlite3_column_type(hit, 0) != SQLITE_NULL) {
            const std::int64_t sort = sqlite3_column_int64(hit, 0);
            sqlite3_bind_int64(before, 1, sort);
            found = countRows(before);
            sqlite3_bind_int64(screen, 1, sort);
            db.readAll(screen);
        }
        sqlite3_reset(hit);
    }
    state.counters["rows"] = static_cast<double>(kRows);
    expectRow(state, found, typed);
}

} // namespace

void addListWindowCases() {
    addCase(
        "list_open_first_rows", [](benchmark::State& s) { open(s, false); }, Target{20, std::nullopt, false},
        kRows);
    addCase(
        "list_open_first_rows_floor", [](benchmark::State& s) { openFloor(s, false); }, std::nullopt, kRows);
    addCase(
        "list_open_with_count", [](benchmark::State& s) { open(s, true); }, std::nullopt, kRows);
    addCase(
        "list_open_with_count_floor", [](benchmark::State& s) { openFloor(s, true); }, std::nullopt, kRows);
    for (const bool toEnd : {false, true}) {
        const std::string name = toEnd ? "list_scroll_to_end" : "list_scroll_to_middle";
        addCase(
            name, [toEnd](benchmark::State& s) { scroll(s, toEnd); }, Target{30, 60, false, kSetupIterations},
            kRows);
        addCase(
            name + "_floor", [toEnd](benchmark::State& s) { scrollFloor(s, toEnd); }, std::nullopt, kRows);
    }
    for (const Typed* typed : {&kEarly, &kLate, &kNone}) {
        const double target = typed->row < 0 ? 5 : 20;
        addCase(
            typed->name, [typed](benchmark::State& s) { search(s, *typed); },
            Target{target, std::nullopt, false, kSetupIterations}, kRows);
        addCase(
            std::string(typed->name) + "_floor", [typed](benchmark::State& s) { searchFloor(s, *typed); },
            std::nullopt, kRows);
    }
}

} // namespace bench
