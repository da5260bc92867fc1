// Printing a data sheet of a steel with every section as the print window does it, from the click to
// the laid-out report: the template copied over print.mdb, the print data written (every switch on,
// every property standard and property of the steel chosen), the report opened on it and its
// document read. The steel's parts are loaded before the clock runs, as the window has them.

#include "BenchSupport.h"
#include "ObjectModelBench.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Material.h"
#include "objects/PrintSteel.h"
#include "objects/PropertyBag.h"
#include "objects/PropertyBags.h"
#include "objects/Report.h"
#include "objects/StandardComparisons.h"
#include "objects/Suppliers.h"
#include "platform/Dictionary.h"

#include <string>

namespace bench {
namespace {

using orvik::objects::Material;

bool hasEverySection(Material& material) {
    return material.Suppliers()->Count() > 0 && material.ChemicalCompositions()->Count() > 0 &&
           material.StandardComparisons()->Count() > 0 && material.PropertyBags()->Count() > 0;
}

/// The first of a spread of steels that has suppliers, compositions, comparisons and properties.
std::shared_ptr<Material> steelWithEverySection(orvik::objects::Application& app,
                                                platform::db::Database& db) {
    for (std::int64_t steel = 1000; steel < 100'000; steel += 977) {
        const auto pick = firstOccurrence(db, std::to_string(steel));
        if (!pick) {
            continue;
        }
        auto material = app.Material(pick->steel, pick->designation, platform::Variant(pick->occurrence));
        if (material && hasEverySection(*material)) {
            return material;
        }
    }
    return nullptr;
}

void writeEverySection(benchmark::State& state) {
    const auto app = application(state);
    const auto db = app ? openGenerated(state, "Graukant.MDB") : nullptr;
    if (!db) {
        return;
    }
    const auto material = steelWithEverySection(*app, *db);
    if (!material) {
        state.SkipWithError("no generated steel has every section");
        return;
    }
    auto standards = std::make_shared<platform::Dictionary<>>();
    auto properties = std::make_shared<platform::Dictionary<>>();
    for (const auto& bag : *material->PropertyBags()) {
        const platform::Variant standard(std::to_string(bag->Standard_ID));
        if (!standards->exists(standard)) {
            standards->add(standard, standard);
        }
        for (const auto& value : *bag->Properties) {
            const platform::Variant property(std::to_string(value->propertyId));
            if (!properties->exists(property)) {
                properties->add(property, property);
            }
        }
    }
    orvik::objects::PrintSteel print;
    print.Material(material);
    print.LanguageClass(app->LanguageObject());
    print.PropertyStandardList(standards);
    print.PropertyList(properties);
    for (auto _ : state) {
        // writeData clears the switches of sections without data; every one is on again each time.
        for (bool* on :
             {&print.PrintStandards, &print.PrintSteelgroup, &print.PrintRangeOfApplication,
              &print.PrintSuppliers, &print.PrintAddress, &print.PrintShapes, &print.PrintTradename,
              &print.PrintComposition, &print.PrintMechanicalProperties, &print.PrintPhysicalProperties,
              &print.PrintHeatTreatment, &print.PrintStandardsComparsion, &print.PrintInfo}) {
            *on = true;
        }
        const std::string folder = orvik::objects::PrintSteel::PreparePrintDatabase(programFolder().string());
        print.writeData(folder, orvik::common::Language::German);
        if (!print.DataComplete()) {
            state.SkipWithError("the print data could not be written");
            return;
        }
        const auto report = print.CreateReport(GK_BENCH_REPORT_FILE, folder);
        benchmark::DoNotOptimize(report->Document("11.12.2026"));
    }
}

} // namespace

void addPrintCases() {
    addCase("print_data_every_section", writeEverySection, Target{15, std::nullopt});
}

} // namespace bench
