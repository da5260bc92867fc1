// The parts of loading a material that the data service reads for one steel, on the generated
// materials database. The floor is the same final query hand-written on SQLite, prepared once.

#include "BenchSupport.h"
#include "ObjectModelBench.h"
#include "dataservice/StandardManager.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Designations.h"
#include "objects/Material.h"
#include "objects/ProductShapes.h"
#include "objects/StandardComparisons.h"
#include "objects/Standards.h"
#include "objects/Suppliers.h"
#include "platform/db/Dao.h"

#include <sqlite3.h>
#include <string>

namespace bench {
namespace {

// Another steel at every call, as a user looks at one after the other: a statement that carries the
// steel's id in its text is new at every call.
std::string steelOfCall(std::int64_t call) {
    return std::to_string(1000 + (call % 997) * 97);
}

void standardComparison(benchmark::State& state) {
    const auto db = openGenerated(state, "Graukant.MDB");
    if (!db) {
        return;
    }
    orvik::dataservice::StandardManager manager;
    std::int64_t rows = 0;
    std::int64_t call = 0;
    for (auto _ : state) {
        const auto rs = manager.GetStandardComparisonsForSteel(db, steelOfCall(call++), -1, 0);
        rows = 0;
        for (; rs && !rs->eof(); rs->moveNext()) {
            benchmark::DoNotOptimize(rs->field(3));
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void standardComparisonFloor(benchmark::State& state) {
    NativeDatabase db(state, "Graukant.MDB");
    if (!db) {
        return;
    }
    sqlite3_stmt* stmt = db.prepare(
        "SELECT DISTINCT sb.Id_Stahlbez, sb.ID_Stahl, sbv.Id_StahlbezVorkommen, "
        "coalesce(bs.Vor, '') || sb.Bezeichnung || coalesce(bs.Nach, '') AS Bezeichnung, nv.Id_Norm, "
        "sbv.Id_Land, nv.Sortierung, ns.Sortierung, sb.Kennung, sb.Prioritaet, v.WSNr_Anzeige, l.Land_D, "
        "nv.Prefix || ' ' || coalesce(nb.Name, '') || ' (' || nv.Stand || ') ' || coalesce(ns.SufSuffix_D, "
        "'') AS Name "
        "FROM tabNormvergleich v JOIN tabStahlbez sb ON v.ID_Stahl = sb.ID_Stahl "
        "JOIN tabStahlbezVorkommen sbv ON sb.Id_Stahlbez = sbv.Id_Stahlbez "
        "LEFT JOIN zuoStahlbezVorkommen_NormVariante z ON sbv.Id_StahlbezVorkommen = z.Id_StahlbezVorkommen "
        "LEFT JOIN tabNormVariante nv ON nv.Id_NormVariante = z.Id_NormVariante "
        "LEFT JOIN tabNormBasis nb ON nb.Id_NormBasis = nv.Id_NormBasis "
        "LEFT JOIN tabNormStatus ns ON ns.Id_NormStatus = nv.Id_NormStatus "
        "LEFT JOIN tabNormtyp nt ON nt.ID_Normtyp = nv.Id_Normtyp "
        "JOIN tabLand l ON sbv.Id_Land = l.ID_Land "
        "JOIN tabBezeichnungStatus bs ON sb.ID_BezeichnungStatus = bs.Id_BezeichnungStatus "
        "WHERE sb.Kennung = 'K' AND v.Id_WsNr IN (SELECT Id_WsNr FROM tabNormvergleich WHERE ID_Stahl = ?1) "
        "ORDER BY l.Land_D, ns.Sortierung, nv.Sortierung");
    if (stmt == nullptr) {
        return;
    }
    std::int64_t rows = 0;
    std::int64_t call = 0;
    for (auto _ : state) {
        sqlite3_bind_text(stmt, 1, steelOfCall(call++).c_str(), -1, SQLITE_TRANSIENT);
        rows = db.readAll(stmt);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// Opening a material as the display window does and reading every part of it, another steel each
// time (its first designation and occurrence, found before the clock runs).
void everyPart(benchmark::State& state) {
    const auto app = application(state);
    const auto db = app ? openGenerated(state, "Graukant.MDB") : nullptr;
    if (!db) {
        return;
    }
    std::vector<MaterialPick> picks;
    for (std::int64_t call = 0; call < 97; ++call) {
        if (auto pick = firstOccurrence(*db, steelOfCall(call))) {
            picks.push_back(std::move(*pick));
        }
    }
    if (picks.empty()) {
        state.SkipWithError("no steel with a designation");
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const MaterialPick& pick = picks[next++ % picks.size()];
        const auto material = app->Material(pick.steel, pick.designation, platform::Variant(pick.occurrence));
        benchmark::DoNotOptimize(material->Symbols());
        benchmark::DoNotOptimize(material->MaterialNumbers());
        benchmark::DoNotOptimize(material->Tradenames());
        benchmark::DoNotOptimize(material->Suppliers());
        benchmark::DoNotOptimize(material->Standards());
        benchmark::DoNotOptimize(material->ChemicalCompositions());
        benchmark::DoNotOptimize(material->ProductShapes());
        benchmark::DoNotOptimize(material->StandardComparisons());
        benchmark::DoNotOptimize(material->Info());
        benchmark::DoNotOptimize(material->RangeOfApplication());
    }
}

} // namespace

void addMaterialCases() {
    addCase("material_every_part", everyPart, Target{5, std::nullopt});
    // Part of the 5 ms a material with every part may take.
    addCase("material_standard_comparison", standardComparison, Target{5, std::nullopt});
    addCase("material_standard_comparison_floor", standardComparisonFloor);
}

} // namespace bench
