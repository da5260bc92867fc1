// A steel found and read through the object model alone, as the windows do it: on the sample
// databases of the build, on a small generated database and, when GK_GENERATED_DB_DIR names its
// folder, on the large generated database of the benchmarks.

#include "ObjectsTestSupport.h"
#include "common/Exception.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Designations.h"
#include "objects/List.h"
#include "objects/ListItem.h"
#include "objects/Material.h"
#include "objects/ProductShapes.h"
#include "objects/PropertyBags.h"
#include "objects/StandardComparisons.h"
#include "objects/Standards.h"
#include "objects/Suppliers.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"
#include "test_support/FixtureDatabases.h"
#include "test_support/TempFolder.h"

#ifdef GK_HAVE_GENERATOR
#include "generator/LargeDatabaseGenerator.h"
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using objectstest::DatabaseFiles;
using objectstest::ErrorLog;
using objectstest::TestProgram;
using orvik::objects::Application;
using platform::Variant;

namespace {

namespace fs = std::filesystem;

struct Source {
    std::string name;
    /// The databases, or nullopt when this source is not available.
    std::function<std::optional<DatabaseFiles>(const fs::path& scratch)> files;
    /// The sample data are known: their texts and orders are checked too.
    bool sample;
};

std::string like(const std::string& pattern) {
    return "SuchBezeichnung Like " + platform::db::quoteText(pattern);
}

struct Row {
    std::string steel;
    std::string designation;
    Variant occurrence;
    std::string text;
    std::int32_t country;
};

std::vector<Row> rowsOf(const std::shared_ptr<platform::db::Recordset>& rs) {
    std::vector<Row> rows;
    for (; rs && !rs->eof(); rs->moveNext()) {
        rows.push_back({platform::CStr(rs->field("Id_Stahl")), platform::CStr(rs->field("Id_Stahlbez")),
                        rs->field("Id_StahlbezVorkommen"), platform::CStr(rs->field("Bezeichnung")),
                        platform::CLng(rs->field("Id_Land"))});
    }
    return rows;
}

class ObjectModel : public ::testing::TestWithParam<Source> {
protected:
    void SetUp() override {
        m_files = GetParam().files(m_scratch.path());
        if (!m_files) {
            GTEST_SKIP() << GetParam().name << " is not available";
        }
    }

    test_support::TempFolder m_scratch;
    std::optional<DatabaseFiles> m_files;
};

TEST_P(ObjectModel, FindsASteelAndReadsEveryPartOfIt) {
    const TestProgram program(*m_files);
    const bool sample = GetParam().sample;
    const auto app = Application::create();
    ErrorLog appErrors(app->Error);
    app->OpenConnection();
    ASSERT_TRUE(app->LoggedIn()) << (appErrors.count() ? appErrors.errors()[0].Description() : "");

    // The pick lists, each with its event.
    const auto list = app->List();
    std::vector<std::string> failures;
    const auto failureLog = list->ManagerException.subscribe(
        [&](const auto& ex) { failures.push_back(ex->Procedure() + ": " + ex->Description()); });
    int announced = 0;
    std::vector<platform::Subscription> subs;
    subs.push_back(list->CountriesAvailable.subscribe([&](const auto&) { ++announced; }));
    subs.push_back(list->StandardsAvailable.subscribe([&](const auto&) { ++announced; }));
    subs.push_back(list->SuppliersAvailable.subscribe([&](const auto&) { ++announced; }));
    subs.push_back(list->SteelgroupsAvailable.subscribe([&](const auto&) { ++announced; }));
    subs.push_back(list->ElementsAvailable.subscribe([&](const auto&) { ++announced; }));
    const auto countries = list->Countries();
    const auto standards = list->Standards();
    const auto suppliers = list->Suppliers();
    const auto groups = list->Steelgroups();
    const auto elements = list->Elements();
    EXPECT_EQ(announced, 5);
    EXPECT_GT(countries->count(), 0);
    EXPECT_GT(standards->count(), 0);
    EXPECT_GT(suppliers->Count(), 0);
    EXPECT_GT(groups->count(), 0);
    EXPECT_GT(elements->Count(), 0);

    // The designation searches, each alone, with a country and with a steel group.
    const std::int32_t europe = 34;
    const std::string stainless = sample ? "10090" : platform::CStr(groups->keys().front());
    struct Search {
        const char* pattern;
        std::int32_t country;
        std::int32_t group;
    };
    const Search searches[] = {{"1.4301*", -1, -1},
                               {"1.4301*", europe, -1},
                               {"1.4301*", -1, std::stoi(stainless)},
                               {"X5CrNi*", -1, -1},
                               {"X5CrNi*", europe, -1},
                               {"X5CrNi*", -1, std::stoi(stainless)},
                               {"*CrNi*", -1, -1},
                               {"*CrNi*", europe, -1},
                               {"*CrNi*", -1, std::stoi(stainless)},
                               // every material number, so that a small generated database finds one too
                               {"1.*", -1, -1}};
    std::optional<Row> found;
    for (const auto& s : searches) {
        std::string announcedPattern;
        const auto sub = list->MaterialsAvailable.subscribe(
            [&](const auto&, const std::string& pattern) { announcedPattern = pattern; });
        const auto rs = list->Materials(s.group, -1, -1, -1, s.country, true, true, true, like(s.pattern));
        ASSERT_NE(rs, nullptr) << s.pattern;
        EXPECT_EQ(announcedPattern, like(s.pattern));
        const auto rows = rowsOf(rs);
        for (const auto& row : rows) {
            if (s.country != -1) {
                EXPECT_EQ(row.country, s.country) << s.pattern << " " << row.text;
            }
        }
        if (sample) {
            EXPECT_FALSE(rows.empty()) << s.pattern << " " << s.country << " " << s.group;
        }
        if (!found && !rows.empty()) {
            found = rows.front();
        }
        if (sample && std::string(s.pattern) == "X5CrNi*" && s.country == europe) {
            const bool hasIt =
                std::any_of(rows.begin(), rows.end(), [](const Row& r) { return r.text == "X5CrNi18-10"; });
            EXPECT_TRUE(hasIt);
        }
    }
    EXPECT_TRUE(failures.empty()) << failures.front();
    if (sample) {
        // 1.4301 through its symbol in Europe: the selected designation leads its part.
        found = Row{"69", "341", Variant(483), "X5CrNi18-10", europe};
    }
    ASSERT_TRUE(found.has_value()) << "no search found a steel";

    // The steel and every part of it.
    const auto material = app->Material(found->steel, found->designation, found->occurrence);
    ErrorLog materialErrors(material->Error);
    EXPECT_EQ(material->Steel_ID(), found->steel);
    EXPECT_FALSE(material->SelectedDesignationType().empty());
    EXPECT_FALSE(material->Country().empty());
    const auto symbols = material->Symbols();
    const auto numbers = material->MaterialNumbers();
    const auto tradenames = material->Tradenames();
    const auto steelSuppliers = material->Suppliers();
    const auto steelStandards = material->Standards();
    const auto compositions = material->ChemicalCompositions();
    const auto shapes = material->ProductShapes();
    const auto comparisons = material->StandardComparisons();
    for (const void* part :
         {static_cast<const void*>(symbols.get()), static_cast<const void*>(numbers.get()),
          static_cast<const void*>(tradenames.get()), static_cast<const void*>(steelSuppliers.get()),
          static_cast<const void*>(steelStandards.get()), static_cast<const void*>(compositions.get()),
          static_cast<const void*>(shapes.get())}) {
        EXPECT_NE(part, nullptr);
    }
    const auto bags = material->PropertyBags();
    const auto standardList = material->GetPropertyStandardList();
    ASSERT_NE(bags, nullptr);
    ASSERT_NE(standardList, nullptr);
    // Each pick list holds exactly the standards, respectively the properties, of the tables.
    std::vector<std::string> bagStandards;
    for (const auto& bag : *bags) {
        const auto key = std::to_string(bag->Standard_ID);
        if (std::find(bagStandards.begin(), bagStandards.end(), key) == bagStandards.end()) {
            bagStandards.push_back(key);
        }
    }
    std::vector<std::string> listedStandards;
    for (const auto& entry : *standardList) {
        listedStandards.push_back(platform::CStr(entry.key));
    }
    EXPECT_EQ(listedStandards, bagStandards);
    for (const auto& [kind, alsoKind] : {std::pair{1, 4}, std::pair{2, 2}, std::pair{3, 5}}) {
        const auto properties = material->GetPropertyList(kind);
        ASSERT_NE(properties, nullptr);
        std::int32_t inTables = 0;
        for (const auto& bag : *bags) {
            if (bag->PropertyType != kind && bag->PropertyType != alsoKind) {
                continue;
            }
            for (const auto& property : *bag->Properties) {
                EXPECT_TRUE(properties->exists(Variant(std::to_string(property->propertyId))))
                    << property->Name;
                ++inTables;
            }
        }
        EXPECT_EQ(properties->count() > 0, inTables > 0) << kind;
    }
    const auto info = material->Info();
    const auto range = material->RangeOfApplication();
    const auto print = material->InfoForPrint();
    EXPECT_EQ(materialErrors.count(), 0U) << materialErrors.errors().front().Procedure() << ": "
                                          << materialErrors.errors().front().Description();

    if (sample) {
        EXPECT_EQ(material->MaterialNo(), "1.4301");
        EXPECT_EQ(material->SelectedDesignationType(), "K");
        ASSERT_GT(symbols->Count(), 0);
        EXPECT_EQ(symbols->Item(1)->Designation, "X5CrNi18-10");
        EXPECT_EQ(numbers->Item(1)->Designation, "1.4301");
        EXPECT_GT(steelSuppliers->Count(), 0);
        for (const auto& supplier : *steelSuppliers) {
            EXPECT_FALSE(supplier->Address.empty()) << supplier->Name;
        }
        EXPECT_GT(steelStandards->Count(), 0);
        EXPECT_GT(compositions->Count(), 0);
        EXPECT_GT(shapes->Count(), 0);
        ASSERT_NE(comparisons, nullptr);
        EXPECT_GT(comparisons->Count(), 0);
        // One standard with mechanical, physical and heat-treatment tables, in that order.
        ASSERT_EQ(bags->Count(), 3);
        EXPECT_EQ(bags->Item(Variant(1))->PropertyType, 1);
        EXPECT_EQ(bags->Item(Variant(2))->PropertyType, 2);
        EXPECT_EQ(bags->Item(Variant(3))->PropertyType, 3);
        EXPECT_EQ(bags->Item(Variant(1))->Properties->Item(Variant(3))->Name, "Zugfestigkeit");
        ASSERT_EQ(standardList->count(), 1);
        EXPECT_EQ(standardList->item(Variant("9"))->Designation(), "Norm EN 10088-2");
        EXPECT_EQ(material->GetPropertyList(1)->count(), 4);
        EXPECT_EQ(material->GetPropertyList(2)->count(), 6);
        EXPECT_EQ(material->GetPropertyList(3)->count(), 1);
        EXPECT_TRUE(info.starts_with("")) << info;
        EXPECT_NE(info.find("1.4301"), std::string::npos) << info;
        EXPECT_NE(info.find("X5CrNi18-10"), std::string::npos) << info;
        EXPECT_FALSE(range.empty());
        EXPECT_FALSE(print.empty());
        EXPECT_TRUE(print.ends_with("\r\n\r\n"));
    }

    // The supplier export, then closing.
    const auto exportFile = program.file("suppliers.csv");
    material->ExportSuppliers(exportFile.string(), ";", true);
    EXPECT_EQ(materialErrors.count(), 0U);
    EXPECT_TRUE(fs::exists(exportFile));
    app->CloseConnection();
    EXPECT_FALSE(app->LoggedIn());
    EXPECT_EQ(appErrors.count(), 0U);
}

const Source sampleDatabases{
    "Sample", [](const fs::path&) { return std::optional<DatabaseFiles>(DatabaseFiles{}); }, true};

#ifdef GK_HAVE_GENERATOR
const Source generatedDatabases{
    "Generated",
    [](const fs::path& dir) {
        generator::GeneratorOptions options;
        options.steelCount = 300;
        options.seed = 11;
        options.outputDir = dir;
        options.schemaDir = test_support::schemaFolder();
        generator::LargeDatabaseGenerator(options).generate();
        return std::optional<DatabaseFiles>(DatabaseFiles{dir / "Graukant.MDB", dir / "Filter.mdb", false});
    },
    false};
#endif

// The full-size database of the benchmarks (bench target generated_database), when its folder is
// named, since writing it takes minutes.
const Source generatedLarge{"GeneratedLarge",
                            [](const fs::path&) -> std::optional<DatabaseFiles> {
                                const char* dir = std::getenv("GK_GENERATED_DB_DIR");
                                if (dir == nullptr) {
                                    return std::nullopt;
                                }
                                const fs::path path(dir);
                                return DatabaseFiles{path / "Graukant.MDB", path / "Filter.mdb", true};
                            },
                            false};

std::string sourceName(const ::testing::TestParamInfo<Source>& info) {
    return info.param.name;
}

#ifdef GK_HAVE_GENERATOR
INSTANTIATE_TEST_SUITE_P(Databases, ObjectModel, ::testing::Values(sampleDatabases, generatedDatabases),
                         sourceName);
#else
INSTANTIATE_TEST_SUITE_P(Databases, ObjectModel, ::testing::Values(sampleDatabases), sourceName);
#endif
INSTANTIATE_TEST_SUITE_P(GeneratedLargeDatabase, ObjectModel, ::testing::Values(generatedLarge), sourceName);

} // namespace
