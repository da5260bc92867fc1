// Combining the results of the four searches as the main window does: four results of 10,000
// designation occurrences each (three record sets and a property result), overlapping in 7,000,
// intersected by CombinationResultBuilder and read to the end of the combined list.

#include "BenchSupport.h"
#include "CombinationResults.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/MaterialItems.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <string>

namespace bench {

std::shared_ptr<platform::db::Recordset> result(platform::db::Database& db, std::int64_t first) {
    return db.openRecordset("SELECT Id_StahlbezVorkommen, Id_Stahl, Id_Stahlbez, Bezeichnung, IndexSort, "
                            "Id_Land FROM Stahlbez_Gruppe_Land WHERE Id_StahlbezVorkommen BETWEEN " +
                                std::to_string(first) + " AND " + std::to_string(first + kEntries - 1) +
                                " ORDER BY IndexSort",
                            platform::db::RecordsetType::Snapshot);
}

std::shared_ptr<orvik::objects::MaterialItems> propertyResult(platform::db::Recordset& rs) {
    auto items = std::make_shared<orvik::objects::MaterialItems>();
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        auto item = std::make_shared<orvik::objects::MaterialItem>();
        item->IdDesigCountry = platform::CStr(rs.field("Id_StahlbezVorkommen"));
        item->ID_Steel = platform::CStr(rs.field("Id_Stahl"));
        item->ID_Label = platform::CStr(rs.field("Id_Stahlbez"));
        item->Designation = platform::CStr(rs.field("Bezeichnung"));
        item->Order = platform::CLng(rs.field("IndexSort"));
        item->IdCountry = platform::CLng(rs.field("Id_Land"));
        items->Add(std::move(item));
    }
    return items;
}

namespace {

void combineFour(benchmark::State& state) {
    const auto db = openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    const auto designations = result(*db, 1);
    const auto compositions = result(*db, 1 + kShift);
    const auto extended = result(*db, 1 + 2 * kShift);
    const auto properties = propertyResult(*result(*db, 1 + 3 * kShift));
    orvik::objects::CombinationResultBuilder builder;
    std::int64_t rows = 0;
    for (auto _ : state) {
        builder.SetDesignationResultSet(designations, true);
        builder.SetCompositionResultSet(compositions, true);
        builder.SetExtendedCompositionResultSet(extended, true);
        builder.SetPropertyResult(properties, true);
        builder.IncludeDesignation(true);
        builder.IncludeComposition(true);
        builder.IncludeExtComposition(true);
        builder.IncludeProperty(true);
        const auto list = builder.Build();
        rows = 0;
        for (list->MoveFirst(); list->Current(); list->MoveNext()) {
            benchmark::DoNotOptimize(list->Current()->Designation);
            if (++rows == list->Count()) {
                break;
            }
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

void addCombinationCases() {
    addCase("combination_four_results", combineFour, Target{20, std::nullopt});
}

} // namespace bench
