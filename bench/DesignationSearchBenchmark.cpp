// The designation search as the selection page runs it: the material list of the object model with
// a Jet Like on SuchBezeichnung, every kind of designation, all rows read as the list fills; with and
// without a country and a steel-group filter. The floor is the same final statement hand-written on
// SQLite, prepared once: the range of the search index that the pattern's prefix gives and the Like
// itself on every row of it, the pattern and the range bound.

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
    std::string floorMatch; // the floor's condition on SuchBezeichnung: ?1 the pattern, ?2 and ?3 the range
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
    sql += "((SupK = 0) AND (SupW = 0)) AND (" + search.floorMatch + ") ORDER BY IndexSort";
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
        {"designation_short_prefix", "X5Cr*", prefix + like, "X5Cr", 0.5},
        {"designation_material_number", "1.40*", prefixOrNumber + like, "1.40", 0.5},
        {"designation_single", "SampleNova9999*", prefix + like, "SampleNova9999", 0.5},
        {"designation_100k_hits", "S*", prefix + like, "S", 60},
        {"designation_leading_wildcard", "*cr12-*", "jet_like(SuchBezeichnung, ?1)", "", 100},
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
