// The XML property-matrix reader on any matrix text and any value filter: a property bag, nothing,
// or an error naming the matrix, never a crash. Input: matrix text, zero byte, filter.

#include "FuzzInput.h"
#include "common/Enums.h"
#include "objects/PropertyBag.h"
#include "objects/XmlPropertyBagBuilder.h"
#include "platform/CallError.h"
#include "platform/db/Dao.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sqlite3.h>

namespace {

using platform::db::RecordsetType;

std::shared_ptr<platform::db::Database> database() {
    static platform::db::DBEngine engine;
    static const auto db = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "gk-fuzz-matrix-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) {
            std::abort();
        }
        const std::string file = folder + "/matrix.mdb";
        sqlite3* raw = nullptr;
        sqlite3_open(file.c_str(), &raw);
        sqlite3_exec(raw, "CREATE TABLE tabLeer (id INTEGER);", nullptr, nullptr, nullptr);
        sqlite3_close(raw);
        return engine.createWorkspace("Fuzz", "Admin", "")->openDatabase(file, false, true);
    }();
    return db;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto kind = database()->openRecordset(
        "SELECT 1 AS id, 'Mechanische Eigenschaften' AS Kennung", RecordsetType::Snapshot);
    static const auto standard = database()->openRecordset(
        "SELECT 17 AS ID_Norm, 'M-4711' AS Matrix, 'V-3' AS ID_NormVariante, 0 AS NichtAnzeigen, "
        "'EN 10025-2' AS Name, 'EN 10025' AS NameKurz, 'Warmgewalzte Erzeugnisse' AS Title, "
        "'2019-11' AS Stand, 'Norm' AS Normtyp",
        RecordsetType::Snapshot);
    const auto texts = fuzz::parts(data, size, 2);
    try {
        const auto bag = orvik::objects::XmlPropertyBagBuilder().CreatePropertyBag(
            orvik::common::Language::German, *kind, *standard, texts[0], texts[1]);
        (void)bag;
    } catch (const platform::CallError& e) {
        if (e.description().empty()) {
            fuzz::fail("an error without a text");
        }
    }
    return 0;
}
