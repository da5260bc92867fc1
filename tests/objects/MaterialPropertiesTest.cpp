// The property tables of a sample steel and the pick lists built from them: in the order of
// standard and kind, with their values; a failed load reported once and read again; no connection
// reported once per call.

#include "ObjectsTestSupport.h"
#include "PrintRangeText.h"
#include "common/Enums.h"
#include "common/cls_Language.h"
#include "objects/Application.h"
#include "objects/Connection.h"
#include "objects/ListItem.h"
#include "objects/Material.h"
#include "objects/PropertyBags.h"
#include "platform/VbConvert.h"
#include "test_support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using objectstest::ErrorLog;
using objectstest::TestProgram;
using orvik::objects::Material;
using platform::Variant;

namespace {

std::optional<double> number(const Variant& value) {
    if (value.isNull() || value.isEmpty()) {
        return std::nullopt;
    }
    return platform::CDbl(value);
}

struct Value {
    std::int32_t propertyId;
    std::string name;
    std::string form;
    std::optional<double> metricsMax;
    std::optional<double> valueMin;
    std::optional<double> valueMax;
    std::string unit;
    std::optional<double> tempMin;
    std::optional<double> tempMax;
};

void expectValues(const orvik::objects::PropertyBag& bag, const std::vector<Value>& expected) {
    ASSERT_EQ(bag.Properties->Count(), static_cast<std::int32_t>(expected.size())) << bag.PropertyTypeName;
    std::int32_t position = 1;
    for (const auto& e : expected) {
        const auto p = bag.Properties->Item(Variant(position++));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->propertyId, e.propertyId) << e.name;
        EXPECT_EQ(p->Name, e.name);
        EXPECT_EQ(p->FORM, e.form) << e.name;
        EXPECT_EQ(number(p->Metrics_max), e.metricsMax) << e.name;
        EXPECT_EQ(number(p->Value_min), e.valueMin) << e.name;
        EXPECT_EQ(number(p->Value_max), e.valueMax) << e.name;
        EXPECT_EQ(p->unit, e.unit) << e.name;
        EXPECT_EQ(number(p->Temp_min), e.tempMin) << e.name;
        EXPECT_EQ(number(p->Temp_max), e.tempMax) << e.name;
    }
}

struct Entry {
    std::string key;
    std::string designation;
};

void expectList(const Material::ListItems_t& list, const std::vector<Entry>& expected) {
    ASSERT_EQ(list.count(), static_cast<std::int32_t>(expected.size()));
    std::int32_t order = 1;
    auto it = list.begin();
    for (const auto& e : expected) {
        EXPECT_EQ(it->key, Variant(e.key));
        EXPECT_EQ(it->item->id(), Variant(e.key));
        EXPECT_EQ(it->item->Order(), order++) << e.key;
        EXPECT_EQ(it->item->Designation(), e.designation) << e.key;
        ++it;
    }
}

const std::string StainlessSheet =
    "Nichtrostende Stähle – Teil 2: Technische Lieferbedingungen für Blech und Band "
    "aus korrosionsbeständigen Stählen für allgemeine Verwendung";

// 1.4301 (steel 69) through its material number in Europe: one standard, three kinds of tables.
class MaterialProperties : public ::testing::Test {
protected:
    const TestProgram program;
    const std::shared_ptr<orvik::objects::Application> app = objectstest::connectedApplication();
    const std::shared_ptr<Material> material = app->Material("69", "340", Variant(482));
    ErrorLog errors{material->Error};
};

TEST_F(MaterialProperties, TheTablesOfASteelComeByStandardThenKindWithTheirValues) {
    const auto bags = material->PropertyBags();
    ASSERT_NE(bags, nullptr);
    ASSERT_EQ(bags->Count(), 3);
    const std::vector<std::pair<std::int32_t, std::string>> kinds = {
        {1, "Mechanische Eigenschaften"}, {2, "Physikalische Eigenschaften"}, {3, "Wärmebehandlung"}};
    for (std::int32_t i = 0; i < 3; ++i) {
        const auto bag = bags->Item(Variant(i + 1));
        EXPECT_EQ(bag->PropertyType, kinds[i].first);
        EXPECT_EQ(bag->PropertyTypeName, kinds[i].second);
        EXPECT_EQ(bag->Standard_ID, 9);
        EXPECT_EQ(bag->StandardShortName, "Norm EN 10088-2");
        EXPECT_EQ(bag->StandardTitle, StainlessSheet);
        EXPECT_EQ(bag->StandardDate, "2014");
    }
    const std::string strip = "kaltgewalztes Band (C)";
    const std::string hotStrip = "warmgewalztes Band (H)";
    const std::string plate = "warmgewalztes Blech (P)";
    expectValues(*bags->Item(Variant(1)), {{4, "0,2 %-Dehngrenze", strip, 8, 230, {}, "MPa", 20, 20},
                                           {5, "1 %-Dehngrenze", strip, 8, 260, {}, "MPa", 20, 20},
                                           {1, "Zugfestigkeit", strip, 8, 540, 750, "MPa", 20, 20},
                                           {6, "Bruchdehnung", strip, 8, 45, {}, "%", 20, 20},
                                           {4, "0,2 %-Dehngrenze", hotStrip, 13.5, 210, {}, "MPa", 20, 20},
                                           {5, "1 %-Dehngrenze", hotStrip, 13.5, 250, {}, "MPa", 20, 20},
                                           {1, "Zugfestigkeit", hotStrip, 13.5, 520, 720, "MPa", 20, 20},
                                           {6, "Bruchdehnung", hotStrip, 13.5, 45, {}, "%", 20, 20},
                                           {4, "0,2 %-Dehngrenze", plate, 75, 210, {}, "MPa", 20, 20},
                                           {5, "1 %-Dehngrenze", plate, 75, 250, {}, "MPa", 20, 20},
                                           {1, "Zugfestigkeit", plate, 75, 520, 720, "MPa", 20, 20},
                                           {6, "Bruchdehnung", plate, 75, 45, {}, "%", 20, 20}});
    const std::string all = "alle Erzeugnisformen";
    const std::string expansion = "Mittlerer Wärmeausdehnungskoeffizient";
    // Guide values are figures to go by, read as equal bounds; the expansion covers a span.
    expectValues(*bags->Item(Variant(2)),
                 {{11, "Dichte", all, {}, 7.9, 7.9, "kg/dm³", 20, 20},
                  {12, "Elastizitätsmodul", all, {}, 200, 200, "GPa", 20, 20},
                  {12, "Elastizitätsmodul", all, {}, 194, 194, "GPa", 100, 100},
                  {12, "Elastizitätsmodul", all, {}, 186, 186, "GPa", 200, 200},
                  {12, "Elastizitätsmodul", all, {}, 179, 179, "GPa", 300, 300},
                  {12, "Elastizitätsmodul", all, {}, 172, 172, "GPa", 400, 400},
                  {12, "Elastizitätsmodul", all, {}, 165, 165, "GPa", 500, 500},
                  {13, expansion, all, {}, 16, 16, "10⁻⁶/K", 20, 100},
                  {13, expansion, all, {}, 16.5, 16.5, "10⁻⁶/K", 20, 200},
                  {13, expansion, all, {}, 17, 17, "10⁻⁶/K", 20, 300},
                  {13, expansion, all, {}, 17.5, 17.5, "10⁻⁶/K", 20, 400},
                  {13, expansion, all, {}, 18, 18, "10⁻⁶/K", 20, 500},
                  {14, "Wärmeleitfähigkeit", all, {}, 15, 15, "W/(m·K)", 20, 20},
                  {15, "Spezifische Wärmekapazität", all, {}, 500, 500, "J/(kg·K)", 20, 20},
                  {16, "Spezifischer elektrischer Widerstand", all, {}, 0.73, 0.73, "Ω·mm²/m", 20, 20}});
    expectValues(*bags->Item(Variant(3)), {{17, "Lösungsglühen", all, {}, 1000, 1100, "°C", {}, {}}});

    std::vector<std::string> notes;
    for (const auto& note : *bags->Item(Variant(1))->Footnotes) {
        notes.push_back(note->Symbol + " " + note->Footnote);
    }
    EXPECT_EQ(notes,
              (std::vector<std::string>{"1 Anfangsmesslänge L0 = 5,65 · √S0.",
                                        "2 Für Dicken unter 3 mm gilt die Bruchdehnung A80 (L0 = 80 mm)."}));

    EXPECT_EQ(material->PropertyBags(), bags); // kept
    EXPECT_EQ(errors.count(), 0U);
}

// As the data sheet and the property pages show them: a guide value and a single test temperature
// read as themselves ("~"), a specified minimum and a range of the standard stay what they are.
TEST_F(MaterialProperties, ValuesAndTemperaturesReadAsTheirStandardsGiveThem) {
    const test_support::ScopedEnv separator("GK_DECIMAL_SEPARATOR", std::string(","));
    const auto bags = material->PropertyBags();
    ASSERT_NE(bags, nullptr);
    const struct {
        std::int32_t bag, position;
        const char *value, *temperature;
    } cases[] = {
        {1, 1, ">=230 MPa", "~ 20 °C"},       // 0.2 % proof strength, cold rolled strip
        {1, 3, "540 - 750 MPa", "~ 20 °C"},   // tensile strength, cold rolled strip
        {2, 1, "~ 7,9 kg/dm³", "~ 20 °C"},    // density
        {2, 3, "~ 194 GPa", "~ 100 °C"},      // modulus of elasticity
        {2, 8, "~ 16 10⁻⁶/K", "20 - 100 °C"}, // mean coefficient of thermal expansion
        {2, 15, "~ 0,73 Ω·mm²/m", "~ 20 °C"}, // electrical resistivity
        {3, 1, "1000 - 1100 °C", ""},         // solution annealing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.bag) + "/" + std::to_string(c.position));
        const auto p = bags->Item(Variant(c.bag))->Properties->Item(Variant(c.position));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(orvik::objects::rangeText(p->Value_min, p->Value_max, p->unit), c.value);
        EXPECT_EQ(orvik::objects::rangeText(p->Temp_min, p->Temp_max, "°C"), c.temperature);
    }
    EXPECT_EQ(errors.count(), 0U);
}

TEST_F(MaterialProperties, TheStandardListHasOneEntryPerStandardWithTables) {
    const auto list = material->GetPropertyStandardList();
    ASSERT_NE(list, nullptr);
    expectList(*list, {{"9", "Norm EN 10088-2"}});
    EXPECT_NE(material->GetPropertyStandardList(), list) << "a list of its own for each caller";
    EXPECT_EQ(errors.count(), 0U);
}

TEST_F(MaterialProperties, TheStandardListNamesTheKindOfStandardInTheLanguageRead) {
    using orvik::common::Language;
    const struct {
        Language language;
        std::string designation;
    } cases[] = {{Language::German, "Norm EN 10088-2"},
                 {Language::French, "Norme EN 10088-2"},
                 {Language::English, "Standard EN 10088-2"}};
    for (const auto& c : cases) {
        app->LanguageObject()->setLanguage(c.language); // as the program switches
        // A steel of its own: a steel keeps its tables in the language they were read in.
        const auto steel = app->Material("69", "340", Variant(482));
        expectList(*steel->GetPropertyStandardList(), {{"9", c.designation}});
        EXPECT_EQ(steel->PropertyBags()->Item(Variant(1))->StandardShortName, c.designation);
    }
}

TEST_F(MaterialProperties, ThePropertyListGathersTheKindsShownTogether) {
    const std::vector<Entry> mechanical = {
        {"4", "0,2 %-Dehngrenze"}, {"5", "1 %-Dehngrenze"}, {"1", "Zugfestigkeit"}, {"6", "Bruchdehnung"}};
    const std::vector<Entry> physical = {{"11", "Dichte"},
                                         {"12", "Elastizitätsmodul"},
                                         {"13", "Mittlerer Wärmeausdehnungskoeffizient"},
                                         {"14", "Wärmeleitfähigkeit"},
                                         {"15", "Spezifische Wärmekapazität"},
                                         {"16", "Spezifischer elektrischer Widerstand"}};
    const std::vector<Entry> heatTreatment = {{"17", "Lösungsglühen"}};
    const struct {
        std::int32_t kind;
        std::vector<Entry> expected;
    } cases[] = {
        {1, mechanical},    {4, mechanical}, {2, physical}, {3, heatTreatment},
        {5, heatTreatment}, {6, {}},         {0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto list = material->GetPropertyList(c.kind);
        ASSERT_NE(list, nullptr);
        expectList(*list, c.expected);
    }
    EXPECT_EQ(errors.count(), 0U);
}

// 1.4301 in Europe over a copy of the sample database changed by the statements given.
struct ChangedSteel {
    explicit ChangedSteel(const std::vector<std::string>& statements)
        : changed(
              (objectstest::changeDatabase(program.databaseFolder() / "Graukant.MDB", statements), true)) {}
    const TestProgram program;
    const bool changed;
    const std::shared_ptr<orvik::objects::Application> app = objectstest::connectedApplication();
    const std::shared_ptr<Material> material = app->Material("69", "340", Variant(482));
    ErrorLog errors{material->Error};
};

// The short name is built of the standard's type, prefix and number: with all three blank it is empty.
TEST(MaterialPropertiesOfAChangedDatabase, AStandardWithoutShortNameIsListedByItsTitle) {
    const ChangedSteel steel({"UPDATE tabNormtyp SET Normtyp_D = NULL WHERE ID_Normtyp = 1",
                              "UPDATE tabNormVariante SET Prefix = NULL WHERE Id_NormVariante = 10",
                              "UPDATE tabNormBasis SET Name = ' ' WHERE Id_NormBasis = 9"});
    const auto& material = steel.material;
    const auto& errors = steel.errors;
    const auto list = material->GetPropertyStandardList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(material->PropertyBags()->Item(Variant(1))->StandardShortName, "");
    expectList(*list, {{"9", StainlessSheet}});
    EXPECT_EQ(errors.count(), 0U) << (errors.count() ? errors.errors()[0].Description() : "");
}

// The mechanical matrix of 1.4301 in Europe (33) is cut off: its table is left out, told once with
// the matrix and the steel, and kept out while the steel is loaded; the pick lists still offer its
// standard, so that the data sheet can say the table could not be read.
TEST(MaterialPropertiesOfAChangedDatabase, AnUnreadableMatrixIsToldOnceForTheSteel) {
    const ChangedSteel steel({"UPDATE tabEigenschaftsMatrix SET Eigenschaft_D = '<Eigenschaften><Wert' "
                              "WHERE Id_Eigenschaftsmatrix = 33 AND Id_Eigenschaftskennung = 1"});
    const auto& material = steel.material;
    const auto& errors = steel.errors;
    const auto bags = material->PropertyBags();
    ASSERT_NE(bags, nullptr);
    ASSERT_EQ(bags->Count(), 2);
    EXPECT_EQ(bags->Item(Variant(1))->PropertyType, 2);
    ASSERT_EQ(bags->Unreadable().size(), 1U);
    const auto& unreadable = bags->Unreadable().front();
    EXPECT_EQ(unreadable.header->PropertyType, 1);
    EXPECT_EQ(unreadable.header->Standard_ID, 9);
    EXPECT_EQ(unreadable.header->Properties->Count(), 0);
    EXPECT_EQ(unreadable.position, 0) << "it stood before the other tables";
    ASSERT_EQ(errors.count(), 1U);
    EXPECT_EQ(errors.errors()[0].Modul(), "Material");
    EXPECT_EQ(errors.errors()[0].Procedure(), "PropertyBags");
    EXPECT_NE(errors.errors()[0].Description().find("matrix 33 "), std::string::npos)
        << errors.errors()[0].Description();
    EXPECT_NE(errors.errors()[0].Description().find("(steel 69, "), std::string::npos)
        << errors.errors()[0].Description();

    // The print dialogs read the lists at every switch between them.
    for (int i = 0; i < 3; ++i) {
        expectList(*material->GetPropertyStandardList(), {{"9", "Norm EN 10088-2"}});
        EXPECT_EQ(material->GetPropertyList(1)->count(), 0);
        EXPECT_EQ(material->GetPropertyList(2)->count(), 6);
        EXPECT_EQ(material->PropertyBags(), bags);
    }
    EXPECT_EQ(errors.count(), 1U);
}

// A query that fails in the data service is told once, by its manager, and not again by the pages
// and lists that ask for the steel's tables after it: they get the incomplete tables with the failure.
TEST(MaterialPropertiesOfAChangedDatabase, AFailedQueryIsToldOnceForTheSteel) {
    struct Case {
        const char* name;
        const char* change;
        std::int32_t number;
    };
    const Case cases[] = {
        {"the kinds cannot be read", "DROP TABLE tabEigenschaftskennung", 3078},
        // Asked once per standard and kind: the first failure ends the reading.
        {"no matrix can be read", "ALTER TABLE tabEigenschaftsMatrix RENAME COLUMN Eigenschaft_D TO Kaputt",
         3061},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ChangedSteel steel({c.change});
        const auto& material = steel.material;
        const auto& errors = steel.errors;
        const auto bags = material->PropertyBags();
        EXPECT_EQ(bags->Count(), 0);
        ASSERT_EQ(errors.count(), 1U);
        EXPECT_NE(errors.errors()[0].Modul(), "Material") << "the manager's own values";
        EXPECT_EQ(errors.errors()[0].Number(), c.number) << errors.errors()[0].Description();
        ASSERT_NE(bags->Failure(), nullptr);
        EXPECT_EQ(bags->Failure()->Number(), c.number);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(material->PropertyBags(), bags);
            EXPECT_EQ(material->GetPropertyStandardList()->count(), 0);
            EXPECT_EQ(material->GetPropertyList(1)->count(), 0);
        }
        EXPECT_EQ(errors.count(), 1U);
    }
}

// Each damaged table of one matrix is told on its own, and each message says which table it is.
TEST(MaterialPropertiesOfAChangedDatabase, EachUnreadableTableOfAMatrixIsNamedByItsKind) {
    const ChangedSteel steel({"UPDATE tabEigenschaftsMatrix SET Eigenschaft_D = '<Eigenschaften><Wert' "
                              "WHERE Id_Eigenschaftsmatrix = 33"});
    const auto& errors = steel.errors;
    const auto bags = steel.material->PropertyBags();
    ASSERT_EQ(bags->Unreadable().size(), 3U);
    ASSERT_EQ(errors.count(), 3U);
    const char* kinds[] = {"mechanical properties", "physical properties", "heat treatment"};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string& text = errors.errors()[i].Description();
        EXPECT_NE(text.find("matrix 33 "), std::string::npos) << text;
        EXPECT_NE(text.find(std::string("(steel 69, ") + kinds[i] + ", "), std::string::npos) << text;
    }
}

// A matrix that is no XML costs its own table, and the message says in which database file it lies.
TEST(MaterialPropertiesOfAChangedDatabase, AnUnreadableMatrixIsReportedNamingTheDatabaseFile) {
    const TestProgram program;
    const auto file = program.databaseFolder() / "Graukant.MDB";
    objectstest::changeDatabase(file, {"UPDATE tabEigenschaftsMatrix SET Eigenschaft_D = '<Matrix><kaputt'"});
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "340", Variant(482));
    ErrorLog errors(material->Error);
    (void)material->PropertyBags();
    ASSERT_GE(errors.count(), 1U);
    const std::string& text = errors.errors()[0].Description();
    EXPECT_NE(text.find("cannot be read"), std::string::npos) << text;
    EXPECT_NE(text.find("tabEigenschaftsMatrix"), std::string::npos) << text;
    EXPECT_NE(text.find("'" + file.string() + "'"), std::string::npos) << text;
}

// Logged in, yet no database: the tables cannot be read; reported once, not again while the
// database is missing, and read once the database is back.
TEST_F(MaterialProperties, AFailedLoadIsReportedOnceAndReadAgain) {
    app->Connection()->Close();
    app->Connection()->setLoggedIn(true);
    const auto failed = material->PropertyBags();
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->Count(), 0);
    ASSERT_EQ(errors.count(), 1U);
    EXPECT_EQ(errors.errors()[0].Modul(), "Material");
    EXPECT_EQ(errors.errors()[0].Procedure(), "PropertyBags");

    const auto noList = material->GetPropertyList(1);
    ASSERT_NE(noList, nullptr);
    EXPECT_EQ(noList->count(), 0);
    EXPECT_EQ(errors.count(), 1U) << "the list's tables failed as before";

    app->Connection()->setLoggedIn(false);
    app->OpenConnection();
    ASSERT_TRUE(app->LoggedIn());
    const auto loaded = material->PropertyBags();
    EXPECT_EQ(loaded->Count(), 3);
    EXPECT_EQ(material->PropertyBags(), loaded);
    EXPECT_EQ(material->GetPropertyList(1)->count(), 4);
    EXPECT_EQ(errors.count(), 1U);
}

TEST_F(MaterialProperties, WithoutConnectionEachCallIsReportedOnce) {
    const auto notConnected = orvik::objects::Application::create();
    const auto unbound = notConnected->Material("69", "340", Variant(482));
    app->CloseConnection();
    for (const auto& m : {unbound, material}) {
        ErrorLog log(m->Error);
        EXPECT_EQ(m->PropertyBags(), nullptr);
        EXPECT_EQ(m->GetPropertyStandardList(), nullptr);
        EXPECT_EQ(m->GetPropertyList(1), nullptr);
        ASSERT_EQ(log.count(), 3U);
        const std::vector<std::string> procedures = {"PropertyBags", "GetPropertyStandardList",
                                                     "GetPropertyList"};
        for (std::size_t i = 0; i < procedures.size(); ++i) {
            EXPECT_EQ(log.errors()[i].Procedure(), procedures[i]);
            EXPECT_EQ(log.errors()[i].Modul(), "Material");
            EXPECT_EQ(log.errors()[i].Number(), Material::NoConnection);
        }
    }
}

} // namespace
