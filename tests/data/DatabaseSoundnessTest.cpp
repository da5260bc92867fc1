// The checks every database of the program's schema must pass: the built databases (whatever the
// sample rows are), the test fixture, and databases written by the large-database generator.

#include "DatabaseChecks.h"
#include "datatools/SqliteConnection.h"
#include "test_support/FixtureDatabases.h"
#include "test_support/TempFolder.h"

#ifdef GK_HAVE_GENERATOR
#include "generator/LargeDatabaseGenerator.h"
#endif

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace datachecks {
namespace {

using test_support::buildFixtureDatabases;
using test_support::DatabasePair;
using test_support::TempFolder;

// Where a pair of databases comes from; no pair means the source is not available here.
struct Source {
    std::string name;
    std::function<std::optional<DatabasePair>(const std::filesystem::path& dir)> make;
};

// Shown instead of the bytes of the object when a test fails.
void PrintTo(const Source& source, std::ostream* out) {
    *out << source.name;
}

std::string lines(const std::vector<std::string>& problems) {
    std::string text;
    for (const auto& p : problems) {
        text += "\n  " + p;
    }
    return text;
}

class DatabaseSoundness : public ::testing::TestWithParam<Source> {
protected:
    void SetUp() override {
        std::optional<DatabasePair> pair = GetParam().make(m_dir.path());
        if (!pair) {
            GTEST_SKIP() << GetParam().name << " is not available";
        }
        ASSERT_TRUE(std::filesystem::is_regular_file(pair->main)) << pair->main;
        ASSERT_TRUE(std::filesystem::is_regular_file(pair->filter)) << pair->filter;
        m_main.emplace(pair->main, false);
        m_filter.emplace(pair->filter, false);
        m_filter->attach(pair->main, "graukant");
    }

    [[nodiscard]] bool hasSteels() { return m_main->queryInteger("SELECT COUNT(*) FROM tabStahl") > 0; }

    TempFolder m_dir;
    std::optional<datatools::SqliteConnection> m_main;
    std::optional<datatools::SqliteConnection> m_filter;
};

TEST_P(DatabaseSoundness, EveryReferenceResolves) {
    EXPECT_EQ(lines(unresolvedReferences(*m_main, mainDatabaseReferences())), "");
    EXPECT_EQ(lines(unresolvedReferences(*m_filter, filterDatabaseReferences())), "");
}

TEST_P(DatabaseSoundness, EveryReferenceIsIndexedOnBothSides) {
    EXPECT_EQ(lines(unindexedReferences(*m_main, mainDatabaseReferences())), "");
    EXPECT_EQ(lines(unindexedReferences(*m_filter, filterDatabaseReferences())), "");
}

TEST_P(DatabaseSoundness, EveryLanguageColumnIsFilled) {
    EXPECT_EQ(lines(emptyLanguageColumns(*m_main)), "");
    EXPECT_EQ(lines(emptyLanguageColumns(*m_filter)), "");
}

TEST_P(DatabaseSoundness, ViewsHaveTheColumnsTheirReadersTake) {
    EXPECT_EQ(lines(unexpectedViewColumns(*m_main, mainDatabaseViews())), "");
    EXPECT_EQ(lines(unexpectedViewColumns(*m_filter, filterDatabaseViews())), "");
}

TEST_P(DatabaseSoundness, EveryViewReturnsRows) {
    if (!hasSteels()) {
        GTEST_SKIP() << "the materials database holds no steels yet";
    }
    EXPECT_EQ(lines(emptyViews(*m_main, mainDatabaseViews())), "");
    EXPECT_EQ(lines(emptyViews(*m_filter, filterDatabaseViews())), "");
}

TEST_P(DatabaseSoundness, FilterDatabaseAnswersLikeTheMaterialsDatabase) {
    EXPECT_EQ(lines(viewsDisagreeingWithMain(*m_filter, filterDatabaseViews())), "");
}

TEST_P(DatabaseSoundness, EveryDesignationHasItsSearchForm) {
    EXPECT_EQ(m_main->queryInteger("SELECT COUNT(*) FROM tabStahlbez WHERE SuchBezeichnung IS NULL"), 0);
}

TEST_P(DatabaseSoundness, EveryElementShowsItsStoredValuesInFull) {
    EXPECT_EQ(lines(elementsShortOfDecimals(*m_main)), "");
}

// What the curated rows keep to and the generator's random rows need not.
class CuratedContent : public DatabaseSoundness {};

TEST_P(CuratedContent, NationalNumbersBesideNationalSymbolsAreHidden) {
    EXPECT_EQ(lines(nationalNumbersNotHidden(*m_main)), "");
}

TEST_P(CuratedContent, DesignationsOfSupersededStandardsAreMarkedWithdrawn) {
    EXPECT_EQ(lines(designationsOfSupersededStandardsShownCurrent(*m_main)), "");
}

TEST_P(CuratedContent, EverySupplierOfAGroupDeliversShapesOfIt) {
    EXPECT_EQ(lines(suppliersWithoutShapes(*m_main)), "");
}

const Source built{"Built", [](const std::filesystem::path&) {
                       return std::optional<DatabasePair>(DatabasePair{GK_GRAUKANT_MDB, GK_FILTER_MDB});
                   }};

const Source fixture{"Fixture", [](const std::filesystem::path& dir) {
                         return std::optional<DatabasePair>(buildFixtureDatabases(dir));
                     }};

#ifdef GK_HAVE_GENERATOR
const Source generated{
    "Generated", [](const std::filesystem::path& dir) {
        generator::GeneratorOptions options;
        options.steelCount = 200;
        options.seed = 7;
        options.outputDir = dir;
        options.schemaDir = test_support::schemaFolder();
        generator::LargeDatabaseGenerator(options).generate();
        return std::optional<DatabasePair>(DatabasePair{dir / "Graukant.MDB", dir / "Filter.mdb"});
    }};
#endif

// The full-size database of the benchmarks, checked on request (bench target
// check_generated_database), since writing it takes minutes.
const Source generatedLarge{"GeneratedLarge",
                            [](const std::filesystem::path&) -> std::optional<DatabasePair> {
                                const char* dir = std::getenv("GK_GENERATED_DB_DIR");
                                if (dir == nullptr) {
                                    return std::nullopt;
                                }
                                const std::filesystem::path path(dir);
                                return DatabasePair{path / "Graukant.MDB", path / "Filter.mdb"};
                            }};

std::string sourceName(const ::testing::TestParamInfo<Source>& info) {
    return info.param.name;
}

#ifdef GK_HAVE_GENERATOR
INSTANTIATE_TEST_SUITE_P(Databases, DatabaseSoundness, ::testing::Values(built, fixture, generated),
                         sourceName);
#else
INSTANTIATE_TEST_SUITE_P(Databases, DatabaseSoundness, ::testing::Values(built, fixture), sourceName);
#endif
INSTANTIATE_TEST_SUITE_P(Databases, CuratedContent, ::testing::Values(built, fixture), sourceName);
INSTANTIATE_TEST_SUITE_P(GeneratedLargeDatabase, DatabaseSoundness, ::testing::Values(generatedLarge),
                         sourceName);

} // namespace
} // namespace datachecks
