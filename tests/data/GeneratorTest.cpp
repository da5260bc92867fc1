// The large-database generator: the shape of what it writes per steel, and the same file for the
// same seed (the soundness checks of its databases run in DatabaseSoundnessTest).

#include "datatools/SqliteConnection.h"
#include "generator/LargeDatabaseGenerator.h"
#include "test_support/FixtureDatabases.h"
#include "test_support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <string>

namespace datachecks {
namespace {

using test_support::TempFolder;

std::filesystem::path generate(const std::filesystem::path& dir, std::int64_t steels, std::uint64_t seed) {
    generator::GeneratorOptions options;
    options.steelCount = steels;
    options.seed = seed;
    options.outputDir = dir;
    options.schemaDir = test_support::schemaFolder();
    generator::LargeDatabaseGenerator(options).generate();
    return dir;
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Generator, WritesTenOccurrencesTwoCompositionsAndThreeMatricesPerSteel) {
    const TempFolder dir;
    generate(dir.path(), 50, 1);
    datatools::SqliteConnection db(dir.path() / "Graukant.MDB", false);
    struct Case {
        const char* table;
        long long rows;
    };
    const Case cases[] = {{"tabStahl", 50},
                          {"tabStahlbez", 250},
                          {"tabStahlbezVorkommen", 500},
                          {"tabAnalyse", 100},
                          {"tabAnalyseSuchen", 100},
                          {"tabEigenschaftsMatrix", 150},
                          {"tabNormvergleich", 50},
                          {"zuoStahl_Eigenschaftsmatrix", 150}};
    for (const Case& c : cases) {
        EXPECT_EQ(db.queryInteger(std::string("SELECT COUNT(*) FROM ") + c.table), c.rows) << c.table;
    }
    datatools::SqliteConnection filter(dir.path() / "Filter.mdb", false);
    EXPECT_EQ(filter.queryInteger("SELECT COUNT(*) FROM tabFilterStahlbez"), 500);
}

TEST(Generator, SameSeedGivesTheSameFilesAndAnotherSeedOthers) {
    const TempFolder first;
    const TempFolder second;
    const TempFolder third;
    generate(first.path(), 40, 3);
    generate(second.path(), 40, 3);
    generate(third.path(), 40, 4);
    for (const char* file : {"Graukant.MDB", "Filter.mdb"}) {
        EXPECT_EQ(contents(first.path() / file), contents(second.path() / file)) << file;
        EXPECT_NE(contents(first.path() / file), contents(third.path() / file)) << file;
    }
}

TEST(Generator, RefusesAnEmptyDatabaseAndAMissingSchema) {
    const TempFolder dir;
    EXPECT_THROW(generate(dir.path(), 0, 1), std::runtime_error);
    generator::GeneratorOptions options;
    options.outputDir = dir.path();
    options.schemaDir = dir.path() / "nowhere";
    options.steelCount = 5;
    EXPECT_THROW(generator::LargeDatabaseGenerator(options).generate(), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Graukant.MDB"));
}

} // namespace
} // namespace datachecks
