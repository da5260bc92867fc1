// The designation search as the selection page runs it: the material list of the object model with
// a Jet Like on SuchBezeichnung, every kind of designation, all rows read as the list fills; with and
// without a country and a steel-group filter. The floor is the same list hand-written on SQLite: a
// range of the search index (or a GLOB for a leading wildcard), prepared once.

#include "BenchSupport.h"
#include "ObjectModelBench.h"
#include "objects/Application.h"
#include "objects/List.h"
#include "platform/db/Dao.h"

#include <sqlite3.h>
#include <string>

namespace bench {
namespace {

// A country and a steel group that every generated database has.
constexpr std::int32_t kCountry = 5;
constexpr std::int32_t kSteelgroup = 1;

struct Search {
    const char* name;
    std::string pattern;    // as the selection page builds it
    std::string floorMatch; // the floor's condition on SuchBezeichnung, ?1 and ?2 bound to the range
    std::string rangeLow;   // empty: no range
    double targetMs;
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
        const auto rs = list->Materials(filtered ? kSteelgroup : -1, -1, -1, -1, filtered ? kCountry : -1,
                                        true, true, true, condition);
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
                      "Kennung, IndexSort, Id_Land FROM Stahlbez_Gruppe_Land WHERE ";
    if (filtered) {
        sql += "IntGruppe = " + std::to_string(kSteelgroup) + " AND Id_Land = " + std::to_string(kCountry) +
               " AND ";
    }
    sql += search.floorMatch + " AND SupK = 0 AND SupW = 0 ORDER BY IndexSort";
    sqlite3_stmt* stmt = db.prepare(sql);
    if (stmt == nullptr) {
        return;
    }
    const std::string high = search.rangeLow + "\xEF\xBF\xBF"; // U+FFFF sorts after every character
    std::int64_t rows = 0;
    for (auto _ : state) {
        if (!search.rangeLow.empty()) {
            sqlite3_bind_text(stmt, 1, search.rangeLow.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 2, high.c_str(), -1, SQLITE_STATIC);
        }
        rows = db.readAll(stmt);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

void addDesignationSearchCases() {
    static const Search searches[] = {
        {"designation_short_prefix", "X5Cr*", "SuchBezeichnung >= ?1 AND SuchBezeichnung < ?2", "X5Cr", 0.5},
        {"designation_material_number", "1.40*", "SuchBezeichnung >= ?1 AND SuchBezeichnung < ?2", "1.40",
         0.5},
        {"designation_single", "SampleNova9999*", "SuchBezeichnung >= ?1 AND SuchBezeichnung < ?2",
         "SampleNova9999", 0.5},
        {"designation_100k_hits", "S*", "SuchBezeichnung >= ?1 AND SuchBezeichnung < ?2", "S", 60},
        {"designation_leading_wildcard", "*cr12-*", "SuchBezeichnung GLOB '*[Cc][Rr]12-*'", "", 100},
    };
    for (const Search& search : searches) {
        for (const bool filtered : {false, true}) {
            const std::string name = std::string(search.name) + (filtered ? "_filtered" : "");
            addCase(
                name, [&search, filtered](benchmark::State& s) { ours(s, search, filtered); },
                Target{search.targetMs, std::nullopt});
            addCase(name + "_floor",
                    [&search, filtered](benchmark::State& s) { floor(s, search, filtered); });
        }
    }
}

} // namespace bench
