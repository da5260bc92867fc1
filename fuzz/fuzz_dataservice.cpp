// The data service's entry points that take text (ids, symbols, element values) on the sample
// databases, opened read-only as the program opens them: each gives rows, nothing, or its trapped
// error, never a crash. The whole input is the id or symbol; its parts between zero bytes are also
// an element, its values and tolerances of a composition search. The folder of the databases is
// GK_FUZZ_DATABASES in the environment, else the build's own.

#include "FuzzInput.h"
#include "common/CompositionSearchItems.h"
#include "dataservice/CompositionManager.h"
#include "dataservice/CountryManager.h"
#include "dataservice/DesignationManager.h"
#include "dataservice/PropertyFootnoteManager.h"
#include "dataservice/StandardManager.h"
#include "dataservice/SupplierManager.h"
#include "platform/CallError.h"
#include "platform/db/Dao.h"

#include <cstdlib>
#include <filesystem>

namespace {

using orvik::dataservice::DatabasePtr;
using orvik::dataservice::RecordsetPtr;

std::filesystem::path folder() {
    const char* given = std::getenv("GK_FUZZ_DATABASES");
    return given != nullptr && *given != '\0' ? std::filesystem::path(given)
                                              : std::filesystem::path(GK_FUZZ_DATABASES);
}

const DatabasePtr& materials() {
    static platform::db::DBEngine engine;
    static const auto workspace = engine.createWorkspace("Fuzz", "Admin", "");
    static const DatabasePtr db = workspace->openDatabase((folder() / "Graukant.MDB").string(), false, true);
    return db;
}

void readAll(const RecordsetPtr& rs) {
    if (!rs) {
        return;
    }
    for (int rows = 0; rows < 1000 && !rs->eof(); ++rows) {
        for (std::int32_t c = 0; c < rs->fieldCount(); ++c) {
            (void)rs->field(c);
        }
        rs->moveNext();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const DatabasePtr& db = materials();
    constexpr std::int32_t lang = 1;
    try {
        orvik::dataservice::CountryManager countries;
        (void)countries.GetCountryIdBySymbol(db, text);
        readAll(countries.GetForSteel(db, text, lang));
        readAll(countries.GetForDesignationCountry(db, text, lang));
        orvik::dataservice::DesignationManager designations;
        readAll(designations.GetMaterialNumbersForSteel(db, text));
        readAll(designations.GetSymbolsForSteel(db, text));
        (void)designations.GetDesignationTypeById(db, text);
        (void)designations.GetStatusForDesignation(db, text);
        orvik::dataservice::CompositionManager compositions;
        readAll(compositions.GetValuesForComposition(db, text));
        readAll(compositions.GetCompositionById(db, text));
        orvik::dataservice::SupplierManager suppliers;
        readAll(suppliers.GetForSteel(db, text));
        readAll(suppliers.GetForDesignation(db, text));
        orvik::dataservice::StandardManager standards;
        readAll(standards.GetForSteel(db, text, lang));
        orvik::dataservice::PropertyFootnoteManager footnotes;
        readAll(footnotes.GetFootnoteIdListByPropertyValueId(db, text));

        const auto parts = fuzz::parts(data, size, 6);
        const auto items = std::make_shared<orvik::common::CompositionSearchItems>();
        items->Add(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5],
                   orvik::common::CompositionSearchMethod::Inside, "1");
        items->Add("Cr", parts[1], parts[2], "", parts[4], parts[5],
                   orvik::common::CompositionSearchMethod::Outside, parts[3]);
        readAll(compositions.SearchCompositions(db, 0, items));
        readAll(compositions.FuzzySearchCompositions(db, 0, items, 1, 10));
    } catch (const platform::CallError&) {
        // Reading a record set after its manager trapped an error is the caller's failed call.
    }
    return 0;
}
