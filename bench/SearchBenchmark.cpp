// The composition searches as the composition window runs them through the application, reading
// every row of the result, over every country. The floor is the same final query (the data service's
// statement, translated) prepared once on SQLite.

#include "BenchSupport.h"
#include "CompositionRanges.h"
#include "ObjectModelBench.h"
#include "common/CompositionSearchItems.h"
#include "dataservice/CompSearchSqlBuilder.h"
#include "objects/Application.h"
#include "objects/MaterialItems.h"
#include "objects/PropertySearch.h"
#include "platform/db/Dao.h"
#include "sql/JetSql.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace bench {
namespace {

using orvik::common::CompositionSearchItems;
using orvik::common::CompositionSearchMethod;

/// The criteria, each with `tolerance` (whole percent) as its tolerances; none when empty.
std::shared_ptr<CompositionSearchItems> items(std::size_t count, CompositionSearchMethod method,
                                              const std::string& tolerance = "") {
    auto set = std::make_shared<CompositionSearchItems>();
    const bool inside = method == CompositionSearchMethod::Inside;
    for (std::size_t i = 0; i < count; ++i) {
        const Range& r = kRanges[i];
        set->Add(r.element, inside ? r.low : r.wideLow, inside ? r.high : r.wideHigh, "", tolerance,
                 tolerance, method, "");
    }
    return set;
}

void compositionSearch(benchmark::State& state, std::size_t count, CompositionSearchMethod method) {
    const auto app = application(state);
    if (!app) {
        return;
    }
    const auto criteria = items(count, method);
    std::int64_t rows = 0;
    for (auto _ : state) {
        const auto rs = app->CompositionSearch(0, criteria);
        rows = 0;
        for (; rs && !rs->eof(); rs->moveNext()) {
            benchmark::DoNotOptimize(rs->field(4));
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void compositionSearchFloor(benchmark::State& state, std::size_t count, CompositionSearchMethod method) {
    NativeDatabase db(state, "Graukant.MDB");
    if (!db) {
        return;
    }
    orvik::dataservice::CompSearchSqlBuilder builder;
    builder.SetCompositionSearchItems(items(count, method));
    sqlite3_stmt* stmt = db.prepare(platform::db::translateStatement(builder.GetSearchSql(0)));
    if (stmt == nullptr) {
        return;
    }
    db.run(state, stmt);
}

// The fuzzy search widens the tolerances round by round until about 20 compositions are found.
void fuzzySearch(benchmark::State& state) {
    const auto app = application(state);
    if (!app) {
        return;
    }
    const auto criteria = items(3, CompositionSearchMethod::Inside);
    std::int64_t rows = 0;
    for (auto _ : state) {
        const auto rs = app->CompositionFuzzySearch(0, criteria, 20, 50);
        rows = 0;
        for (; rs && !rs->eof(); rs->moveNext()) {
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// The floor of the fuzzy search: the same rounds (the tolerance halved towards the wanted number of
// hits, as the service does), each round's statement prepared once, and the best round read again.
void fuzzySearchFloor(benchmark::State& state) {
    NativeDatabase db(state, "Graukant.MDB");
    if (!db) {
        return;
    }
    constexpr std::int64_t kWanted = 20;
    constexpr std::int32_t kMaxTolerance = 50;
    std::map<std::int32_t, sqlite3_stmt*> rounds;
    const auto roundOf = [&](std::int32_t tolerance) {
        auto& stmt = rounds[tolerance];
        if (stmt == nullptr) {
            orvik::dataservice::CompSearchSqlBuilder builder;
            builder.SetCompositionSearchItems(
                items(3, CompositionSearchMethod::Inside, std::to_string(tolerance)));
            stmt = db.prepare(platform::db::translateStatement(builder.GetSearchSql(0)));
        }
        return stmt;
    };
    const auto half = [](double x) {
        return static_cast<std::int32_t>(std::nearbyint(x));
    };
    std::int64_t rows = 0;
    for (auto _ : state) {
        std::int32_t tolerance = kMaxTolerance;
        std::int32_t upper = kMaxTolerance;
        std::int32_t last = 0;
        std::int32_t best = 0;
        std::int64_t bestDiff = -1;
        for (;;) {
            sqlite3_stmt* stmt = roundOf(tolerance);
            if (stmt == nullptr) {
                return;
            }
            rows = db.readAll(stmt);
            if (rows > 0) {
                const std::int64_t diff = std::llabs(kWanted - rows);
                if (bestDiff < 0 || diff < bestDiff) {
                    bestDiff = diff;
                    best = tolerance;
                }
                if (rows == kWanted) {
                    bestDiff = 0;
                    break;
                }
                if (rows > kWanted) {
                    upper = tolerance;
                    tolerance -= half(tolerance / 2.0);
                } else if (tolerance == kMaxTolerance) {
                    break;
                } else {
                    tolerance += half((upper - tolerance) / 2.0);
                }
            } else {
                if (tolerance == kMaxTolerance) {
                    break;
                }
                tolerance += half((upper - tolerance) / 2.0);
            }
            if (tolerance == last) {
                break;
            }
            last = tolerance;
            if (tolerance >= kMaxTolerance) {
                break;
            }
        }
        if (std::llabs(kWanted - rows) >= bestDiff || rows == 0) {
            rows = db.readAll(roundOf(best));
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// The property search with two criteria as the property window builds them from the search mask,
// each a property (by its search id) with a lower bound on its value, over every country.
constexpr const char* kPropertyCriteria[] = {
    "(tabEigenschaftswerte.SID_Eigenschaft=102) and (tabEigenschaftswerte.Eigenschaft_min>=355)",
    "(tabEigenschaftswerte.SID_Eigenschaft=112) and (tabEigenschaftswerte.Eigenschaft_min>=500)"};

void propertySearch(benchmark::State& state) {
    const auto app = application(state);
    if (!app) {
        return;
    }
    std::int64_t hits = 0;
    for (auto _ : state) {
        const auto search = app->PropertySearch();
        for (const char* criterion : kPropertyCriteria) {
            search->addFilter(criterion);
        }
        const auto items = search->MaterialItems(0);
        hits = items ? items->Count() : 0;
    }
    state.counters["rows"] = static_cast<double>(hits);
}

// The floor: the matrices of each criterion, and the occurrences of the matrices that meet both in
// one statement, each read to its end.
void propertySearchFloor(benchmark::State& state) {
    NativeDatabase db(state, "Graukant.MDB");
    if (!db) {
        return;
    }
    std::vector<sqlite3_stmt*> statements;
    std::string both;
    for (const char* criterion : kPropertyCriteria) {
        statements.push_back(db.prepare(platform::db::translateStatement(
            std::string("SELECT DISTINCT tabEigenschaftswerte.ID_Eigenschaftswertmatrix AS Id FROM "
                        "tabEigenschaftswerte WHERE ") +
            criterion)));
        both += std::string(both.empty() ? "" : " AND ") +
                "(z.ID_Eigenschaftswertmatrix IN (SELECT tabEigenschaftswerte.ID_Eigenschaftswertmatrix FROM "
                "tabEigenschaftswerte WHERE " +
                criterion + "))";
    }
    statements.push_back(db.prepare(platform::db::translateStatement(
        "SELECT z.ID_Eigenschaftswertmatrix, z.ID_Stahl, z.Id_StahlbezVorkommen, z.Id_Land, z.Bezeichnung, "
        "z.Werkstoffnummer, b.Id_Stahlbez, o.IndexSort, b.Kennung FROM tabStahlbez AS b INNER JOIN "
        "(zuoStahl_Eigenschaftsmatrix AS z INNER JOIN tabStahlbezVorkommen AS o ON z.Id_StahlbezVorkommen = "
        "o.Id_StahlbezVorkommen) ON b.Id_Stahlbez = o.Id_Stahlbez WHERE " +
        both)));
    if (std::find(statements.begin(), statements.end(), nullptr) != statements.end()) {
        return;
    }
    std::int64_t rows = 0;
    for (auto _ : state) {
        for (sqlite3_stmt* stmt : statements) {
            rows = db.readAll(stmt);
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

void addSearchCases() {
    addCase("property_search_two_criteria", propertySearch, Target{150, std::nullopt}, 12900);
    addCase("property_search_two_criteria_floor", propertySearchFloor, std::nullopt, 12900);
    addCase("composition_fuzzy_20_hits", fuzzySearch, Target{500, std::nullopt}, 22);
    addCase("composition_fuzzy_20_hits_floor", fuzzySearchFloor, std::nullopt, 22);
    struct Shape {
        const char* name;
        std::size_t count;
        CompositionSearchMethod method;
        std::int64_t rows;
    };
    static const Shape shapes[] = {{"composition_3_inside", 3, CompositionSearchMethod::Inside, 17},
                                   {"composition_3_outside", 3, CompositionSearchMethod::Outside, 5632},
                                   {"composition_8_inside", 8, CompositionSearchMethod::Inside, 4},
                                   {"composition_8_outside", 8, CompositionSearchMethod::Outside, 4342}};
    for (const Shape& shape : shapes) {
        addCase(
            shape.name, [&shape](benchmark::State& s) { compositionSearch(s, shape.count, shape.method); },
            Target{70, std::nullopt}, shape.rows);
        addCase(
            std::string(shape.name) + "_floor",
            [&shape](benchmark::State& s) { compositionSearchFloor(s, shape.count, shape.method); },
            std::nullopt, shape.rows);
    }
}

} // namespace bench
