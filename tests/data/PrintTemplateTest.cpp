// The print template: the print writer fills its tables by position, and the report reads the
// captions of the current language.

#include "DatabaseChecks.h"
#include "datatools/SqliteConnection.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace datachecks {
namespace {

class PrintTemplate : public ::testing::Test {
protected:
    datatools::SqliteConnection m_db{GK_PRINT_ORG_MDB, false};
};

TEST_F(PrintTemplate, DataTablesTakeTheValuesTheWriterGivesInOrder) {
    struct Case {
        const char* table;
        std::size_t values;
    };
    const Case cases[] = {{"tabWerkstoff", 8},       {"tabNorm", 3},
                          {"tabFirma", 7},           {"tabAnalyse", 7},
                          {"tabAnalyseFussnote", 2}, {"tabEigenschaftenuebersicht", 11},
                          {"tabEigenschaft", 18},    {"tabNormvergleich", 6}};
    for (const Case& c : cases) {
        EXPECT_EQ(columnNames(m_db, c.table).size(), c.values) << c.table;
    }
}

TEST_F(PrintTemplate, SectionSwitchesHaveTheirNames) {
    const std::vector<std::string> expected{"ID_Stahl",
                                            "Normen",
                                            "Stahlgruppe",
                                            "Verwendungszweck",
                                            "ANALYSE",
                                            "Eigenschaften",
                                            "Waermebehandlung",
                                            "PhysikalischeEigenschaften",
                                            "MechanischeEigenschaften",
                                            "Normenvergleich",
                                            "Lieferfirmen",
                                            "Anschrift",
                                            "Lieferform",
                                            "Firmenbezeichnung",
                                            "Info"};
    EXPECT_EQ(columnNames(m_db, "tabAuswahl"), expected);
}

// After the writer drops the other languages' rows, the report must still find every caption:
// each language, including the user's own (3), holds the same keys, each with a text.
TEST_F(PrintTemplate, EveryLanguageHasEveryCaption) {
    for (const char* table : {"tabSeitenkopf", "tabDetails"}) {
        const std::string t(table);
        const long long keys = m_db.queryInteger("SELECT COUNT(DISTINCT Feld) FROM " + t);
        EXPECT_GT(keys, 0) << t;
        for (int language = 0; language <= 3; ++language) {
            EXPECT_EQ(m_db.queryInteger("SELECT COUNT(*) FROM " + t +
                                        " WHERE Text IS NOT NULL AND Text <> '' AND "
                                        "Id_Sprache = " +
                                        std::to_string(language)),
                      keys)
                << t << " language " << language;
        }
    }
    EXPECT_EQ(
        m_db.queryInteger("SELECT COUNT(*) FROM tabDetails WHERE Id_Sprache = 1 AND Feld = 'Probenlage' "
                          "AND Text = 'Position de l''éprouvette'"),
        1);
}

TEST(LanguageDatabase, IsBuiltAsAnSqliteFile) {
    datatools::SqliteConnection db(GK_LANGUAGE_MDB, false);
    EXPECT_GE(db.queryInteger("SELECT COUNT(*) FROM sqlite_master"), 0);
}

} // namespace
} // namespace datachecks
