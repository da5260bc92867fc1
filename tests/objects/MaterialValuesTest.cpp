// The values a Material loads at once, on copies of the sample databases changed for the case.

#include "ObjectsTestSupport.h"
#include "objects/Application.h"
#include "objects/Designations.h"
#include "objects/Material.h"
#include "objects/StandardComparisons.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using objectstest::ErrorLog;
using objectstest::TestProgram;
using orvik::objects::Material;
using platform::Variant;

namespace {

// Steels of country 30 are shown in the country of the designation occurrence, steels of
// country 16 only when that country belongs to the EU, all others in their own country.
TEST(MaterialValues, TheCountryRuleLooksAtTheSteelsOwnCountryAndTheOccurrence) {
    struct Case {
        std::int32_t own;
        Variant occurrence; // of 1.4301: 482 Europe, 484 Great Britain (EU), 486 USA (not EU)
        std::int32_t country;
        const char* name;
    };
    const Case cases[] = {
        {34, Variant(486), 34, "Europa (EN)"},
        {30, Variant(484), 14, "Großbritannien"},
        {16, Variant(484), 14, "Großbritannien"},
        {16, Variant(486), 16, "Testland"},
        {30, Variant(), 30, "USA"},
        {30, Variant::null(), 30, "USA"},
        {22, Variant(484), 22, "Japan"},
    };
    for (const auto& c : cases) {
        const TestProgram program;
        objectstest::changeDatabase(
            program.databaseFolder() / "Graukant.MDB",
            {"INSERT INTO tabLand (ID_Land, Landeskuerzel, Land_D, Land_F, Land_E, EuLand, "
             "Filter) VALUES (16, 'TL', 'Testland', 'Testland', 'Testland', 0, -1)",
             "UPDATE tabStahl SET ID_Land = " + std::to_string(c.own) + " WHERE ID_Stahl = 69"});
        const auto app = objectstest::connectedApplication();
        auto material = std::make_shared<Material>();
        ErrorLog errors(material->Error);
        material->Init("69", "340", c.occurrence, app);
        EXPECT_EQ(material->CountryId(), c.country) << c.own << " / " << c.name;
        EXPECT_EQ(material->Country(), c.name) << c.own;
        EXPECT_EQ(errors.count(), 0U)
            << c.own << ": " << (errors.count() ? errors.errors()[0].Description() : "");
    }
}

TEST(MaterialValues, ASteelWithoutMaterialNumberIsANormalSteel) {
    const TestProgram program;
    objectstest::changeDatabase(
        program.databaseFolder() / "Graukant.MDB",
        {"INSERT INTO tabStahl (ID_Stahl, ID_Land, ID_Stahlgruppe) VALUES (9001, 34, 10090)",
         "INSERT INTO tabStahlbez (Id_Stahlbez, ID_Stahl, Bezeichnung, SuchBezeichnung, Kennung, Prioritaet, "
         "ID_BezeichnungStatus) VALUES (90001, 9001, 'Ohne Nummer', 'OHNENUMMER', 'K', 1, 1)",
         "INSERT INTO tabStahlbezVorkommen (Id_StahlbezVorkommen, Id_Stahlbez, Id_Land, IndexSort) "
         "VALUES (900001, 90001, 34, 1)"});
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("9001", "90001", Variant(900001));
    ErrorLog errors(material->Error);
    EXPECT_EQ(material->MaterialNo(), "");
    EXPECT_EQ(material->Country(), "Europa (EN)");
    EXPECT_EQ(material->Steelgroup(), "Austenitische nichtrostende Stähle");
    EXPECT_EQ(material->MaterialNumbers()->Count(), 0);
    EXPECT_EQ(material->Symbols()->Item(1)->Designation, "Ohne Nummer");
    // Its only designation stands in no standard: there is nothing to compare it with.
    const auto comparisons = material->StandardComparisons();
    ASSERT_NE(comparisons, nullptr);
    EXPECT_EQ(comparisons->Count(), 0);
    EXPECT_NE(material->Info().find("Ohne Nummer"), std::string::npos);
    EXPECT_EQ(errors.count(), 0U) << (errors.count() ? errors.errors()[0].Procedure() : "");
}

TEST(MaterialValues, TheDescriptiveTextPutsItsBlocksInOrder) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "341", Variant(483));
    const auto info = material->Info();
    const std::vector<std::string> blocks = {
        "Werkstoffnummern\r\n1.4301\r\n\r\n",
        "Stahlgruppe\r\n" + material->SteelgroupDetail() + "\r\n\r\n",
        "Kurznamen\r\nX5CrNi18-10\r\n\r\n",
        "Normen\r\n" + material->StandardsText(),
        "Verwendung\r\n" + material->RangeOfApplication() + "\r\n\r\n",
    };
    std::size_t at = 0;
    for (const auto& block : blocks) {
        const auto found = info.find(block, at);
        ASSERT_NE(found, std::string::npos) << block << "\nin\n" << info;
        EXPECT_EQ(found, at) << block;
        at = found + block.size();
    }
    // Predecessor before successor in the standards text, each under its caption.
    EXPECT_NE(material->StandardsText().find("\r\nVorgängerdokument\r\nEN 10088-2:2005\r\n\r\n"),
              std::string::npos)
        << material->StandardsText();
    EXPECT_TRUE(material->InfoForPrint().starts_with("Austenitischer Chrom-Nickel-Stahl"));
}

} // namespace
