// The designation search as the selection page runs it: the material list of the object model with
// a Jet Like on SuchBezeichnung, every kind of designation, all rows read as the list fills; with and
// without a country and a steel-group filter. The floor is the same final statement hand-written on
// SQLite, prepared once: the range of the search index that the pattern's prefix gives and the Like
// itself on every row of it, the pattern and the range bound. A pattern without a prefix has no range;
// its floor is the fastest hand-written statement that finds the same rows.

#include "BenchSupport.h"
#include "ObjectModelBench.h"
#include "objects/Application.h"
#include "objects/List.h"
#include "platform/db/Dao.h"

#include <sqlite3.h>
#include <string>

namespace bench {
namespace {

// A country and a steel group that the generated database has designations of.
constexpr std::int32_t kCountry = 5;
constexpr std::int32_t kSteelgroup = 1;

/// The filter of a filtered search: a steel group and a country.
struct Filter {
    std::int32_t steelgroup = kSteelgroup;
    std::int32_t country = kCountry;
};

struct Search {
    const char* name;
    std::string pattern;    // as the selection page builds it
    std::string floorMatch; // the floor's condition on SuchBezeichnung: ?1 the pattern, ?2 and ?3 the range
    std::string rangeLow;   // empty: no range
    double targetMs;
    std::int64_t rows;         // found without a filter
    std::int64_t filteredRows; // found with the filter
    Filter filter{};           // one under which the search finds something
    // Where the floor reads its rows, without and with the filter; the view when the planner's own
    // choice is the fastest.
    std::string floorFrom = "Stahlbez_Gruppe_Land";
    std::string floorFilteredFrom = "Stahlbez_Gruppe_Land";
    // The floor's condition on SuchBezeichnung comes before the suppression flags: without an index
    // range it rejects most rows on the one column, where the flags would be decoded for every row.
    bool floorMatchFirst = false;
};

void ours(benchmark::State& state, const Search& search, bool filtered) {
    const auto app = application(state);
    if (!app) {
        return;
    }
    const auto list = app->List();
    const std::string condition = "SuchBezeichnung Like " + platform::db::quoteText(search.pattern);
    std::int64_t rows = 0;
    for (auto _ : state) {
        const auto rs = list->Materials(filtered ? search.filter.steelgroup : -1, -1, -1, -1,
                                        filtered ? search.filter.country : -1, true, true, true, condition);
        if (!rs) {
            state.SkipWithError("the material list failed");
            return;
        }
        rows = 0;
        for (; !rs->eof(); rs->moveNext()) {
            benchmark::DoNotOptimize(rs->field(3));
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void floor(benchmark::State& state, const Search& search, bool filtered) {
    NativeDatabase db(state, "Filter.mdb");
    if (!db) {
        return;
    }
    std::string sql = "SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, SuchBezeichnung, "
                      "Kennung, IndexSort, Id_Land FROM " +
                      (filtered ? search.floorFilteredFrom : search.floorFrom) + " WHERE ";
    if (filtered) {
        sql += "IntGruppe = " + std::to_string(search.filter.steelgroup) +
               " AND Id_Land = " + std::to_string(search.filter.country) + " AND ";
    }
    const std::string match = "(" + search.floorMatch + ")";
    const std::string shown = "((SupK = 0) AND (SupW = 0))";
    sql +=
        (search.floorMatchFirst ? match + " AND " + shown : shown + " AND " + match) + " ORDER BY IndexSort";
    sqlite3_stmt* stmt = db.prepare(sql);
    if (stmt == nullptr) {
        return;
    }
    const std::string high = search.rangeLow + "\xEF\xBF\xBF"; // U+FFFF sorts after every character
    std::int64_t rows = 0;
    for (auto _ : state) {
        sqlite3_bind_text(stmt, 1, search.pattern.c_str(), -1, SQLITE_STATIC);
        if (!search.rangeLow.empty()) {
            sqlite3_bind_text(stmt, 2, search.rangeLow.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 3, high.c_str(), -1, SQLITE_STATIC);
        }
        rows = db.readAll(stmt);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

void addDesignationSearchCases() {
    // As the layer translates a Like whose pattern starts with literal characters; a prefix that can
    // begin a number also takes the numeric values, which sort before every text.
    const std::string prefix =
        "SuchBezeichnung >= ?2 COLLATE JETTEXT AND SuchBezeichnung < ?3 COLLATE JETTEXT";
    const std::string like = " AND jet_like(SuchBezeichnung, ?1)";
    const std::string prefixOrNumber =
        "((" + prefix + ") OR (SuchBezeichnung >= -9e999 AND SuchBezeichnung < ''))";
    static const Search searches[] = {
        {"designation_short_prefix", "X5Cr*", prefix + like, "X5Cr", 0.5, 117, 5, Filter{7, 61}},
        {"designation_material_number", "1.40*", prefixOrNumber + like, "1.40", 0.5, 244, 1},
        {"designation_single", "SampleNova9999*", prefix + like, "SampleNova9999", 0.5, 9, 2, Filter{9, 30}},
        {"designation_100k_hits", "S*", prefix + like, "S", 60, 80939, 650},
        // No index range helps. The fastest hand-written form reads every designation from the search
        // index, which holds every column of the list, and sorts the few hits; a filtered one reads
        // the steel group's rows. It looks for the pattern's caseless part '12-' first and for the
        // whole text in the lower-cased designation only where that is found (the pattern and the
        // hits are ASCII, where this and Jet's Like agree).
        {"designation_leading_wildcard", "*cr12-*",
         "instr(SuchBezeichnung, '12-') > 0 AND instr(lower(SuchBezeichnung), 'cr12-') > 0", "", 100, 1656,
         12, Filter{}, "tabFilterStahlbez INDEXED BY idxFilterStahlbez_SuchBezeichnung",
         "tabFilterStahlbez INDEXED BY idxFilterStahlbez_IntGruppe", true},
    };
    for (const Search& search : searches) {
        for (const bool filtered : {false, true}) {
            const std::string name = std::string(search.name) + (filtered ? "_filtered" : "");
            const std::int64_t rows = filtered ? search.filteredRows : search.rows;
            addCase(
                name, [&search, filtered](benchmark::State& s) { ours(s, search, filtered); },
                Target{search.targetMs, std::nullopt}, rows);
            addCase(
                name + "_floor", [&search, filtered](benchmark::State& s) { floor(s, search, filtered); },
                std::nullopt, rows);
        }
    }
}

} // namespace bench
