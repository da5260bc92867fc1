// Hostile texts through every entry point of the object model that takes text from the user: each
// gives an empty result or a reported error, never a crash or a statement that does something
// else, and the databases opened read-only stay byte for byte as they were.

#include "ObjectsTestSupport.h"
#include "common/CompositionSearchItems.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "objects/List.h"
#include "objects/Material.h"
#include "platform/CallError.h"
#include "platform/db/Dao.h"
#include "test_support/Files.h"
#include "test_support/HostileTexts.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using objectstest::TestProgram;
using orvik::common::CompositionSearchItems;
using orvik::common::CompositionSearchMethod;
using test_support::hostileTexts;

namespace {

std::string like(const std::string& pattern) {
    return "SuchBezeichnung Like " + platform::db::quoteText(pattern);
}

bool empty(const std::shared_ptr<platform::db::Recordset>& rs) {
    return rs == nullptr || rs->eof();
}

/// Every row of a record set read, as the windows read them.
void readAll(const std::shared_ptr<platform::db::Recordset>& rs) {
    for (; rs && !rs->eof(); rs->moveNext()) {
        for (std::int32_t c = 0; c < rs->fieldCount(); ++c) {
            (void)rs->field(c);
        }
    }
}

} // namespace

TEST(HostileInput, EveryTextEntryPointGivesNothingOrAnErrorAndChangesNoDatabase) {
    const TestProgram program;
    const auto mainFile = program.databaseFolder() / "Graukant.MDB";
    const auto filterFile = program.databaseFolder() / "Filter.mdb";
    const std::string mainBefore = test_support::readBytes(mainFile);
    const std::string filterBefore = test_support::readBytes(filterFile);
    ASSERT_FALSE(mainBefore.empty());
    const auto app = objectstest::connectedApplication();
    ASSERT_TRUE(app->LoggedIn());
    const auto list = app->List();

    struct EntryPoint {
        const char* name;
        /// True when the result is empty (or a failure value).
        std::function<bool(const std::string&)> call;
    };
    const EntryPoint entryPoints[] = {
        {"designation pattern",
         [&](const std::string& t) {
             const auto rs = list->Materials(-1, -1, -1, -1, -1, true, true, true, like(t));
             const bool none = empty(rs);
             readAll(rs);
             return none;
         }},
        {"designation pattern with a trailing star",
         [&](const std::string& t) {
             const auto rs = list->Materials(-1, -1, -1, -1, -1, true, true, true, like(t + "*"));
             // A set such as "[[x]" or nothing before the star is a pattern that may match.
             const bool mayMatch = t.find_first_of("[*?#") != std::string::npos ||
                                   t.find_first_not_of(' ') == std::string::npos;
             const bool none = empty(rs) || mayMatch;
             readAll(rs);
             return none;
         }},
        {"steel, designation and occurrence ids",
         [&](const std::string& t) {
             const auto material = app->Material(t, t, platform::Variant(t));
             return material == nullptr || material->MaterialNo().empty();
         }},
        {"steel id of the first material number",
         [&](const std::string& t) {
             return app->GetTop1MaterialNumber(t, 1).empty();
         }},
        {"composition id",
         [&](const std::string& t) {
             return app->ChemicalComposition(t) == nullptr;
         }},
        {"country symbol",
         [&](const std::string& t) {
             const auto id = app->countryId(t);
             return id == 0 || id == -1;
         }},
        {"element symbol and values",
         [&](const std::string& t) {
             const auto items = std::make_shared<CompositionSearchItems>();
             items->Add(t, t, t, "", t, t, CompositionSearchMethod::Inside, "1");
             const auto rs = app->CompositionSearch(0, items);
             const bool none = empty(rs);
             readAll(rs);
             const auto fuzzy = app->CompositionFuzzySearch(0, items, 1, 10);
             readAll(fuzzy);
             return none && empty(fuzzy);
         }},
        {"export file name and separator",
         [&](const std::string& t) {
             // Inside a folder of its own: a name may hold '/' or '..' but the folder stays the test's.
             const auto folder = program.file("export");
             std::filesystem::create_directories(folder);
             const auto material = app->Material("69", "340", platform::Variant(482));
             material->ExportSuppliers((folder / ("x" + t)).string(), t, true);
             return true; // a file may be written: what matters is no crash and no database change
         }},
        {"composition values of a real element",
         [&](const std::string& t) {
             const auto items = std::make_shared<CompositionSearchItems>();
             items->Add("Cr", t, t, t, t, t, CompositionSearchMethod::Outside, t);
             const auto rs = app->CompositionSearch(0, items);
             readAll(rs);
             return true; // an ignored value may leave the search open: rows are fine here
         }},
    };

    for (const auto& hostile : hostileTexts()) {
        for (const auto& entry : entryPoints) {
            SCOPED_TRACE(std::string(entry.name) + " / " + hostile.name);
            bool nothing = false;
            try {
                nothing = entry.call(hostile.text);
            } catch (const platform::CallError& e) {
                // A clear error is fine; a crash or a foreign exception is not.
                nothing = true;
                EXPECT_FALSE(e.description().empty());
            }
            if (hostile.matchesNothing) {
                EXPECT_TRUE(nothing);
            }
        }
    }
    app->CloseConnection();
    EXPECT_EQ(test_support::readBytes(mainFile), mainBefore);
    EXPECT_EQ(test_support::readBytes(filterFile), filterBefore);
}
