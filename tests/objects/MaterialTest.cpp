#include "objects/Material.h"

#include "ObjectsTestSupport.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Connection.h"
#include "objects/Designations.h"
#include "objects/ProductShapes.h"
#include "objects/StandardComparisons.h"
#include "objects/Standards.h"
#include "objects/Suppliers.h"
#include "test_support/Files.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using objectstest::ErrorLog;
using objectstest::TestProgram;
using orvik::objects::Material;
using platform::Variant;

namespace {

std::vector<std::string> texts(const orvik::objects::Designations& designations) {
    std::vector<std::string> result;
    for (const auto& d : designations) {
        result.push_back(d->Designation);
    }
    return result;
}

// 1.4301 (steel 69) through its material number in Europe.
TEST(Material, LoadsTheShortTextsAtOnce) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "340", Variant(482));
    ErrorLog errors(material->Error);
    EXPECT_EQ(material->Steel_ID(), "69");
    EXPECT_EQ(material->Designation_ID(), "340");
    EXPECT_EQ(material->SelectedDesignationType(), "W");
    EXPECT_EQ(material->Steelgroup(), "Austenitische nichtrostende Stähle");
    EXPECT_EQ(material->Country(), "Europa (EN)");
    EXPECT_EQ(material->CountryId(), 34);
    EXPECT_EQ(material->MaterialNo(), "1.4301");
    EXPECT_EQ(material->Supplier(), "");
    EXPECT_EQ(errors.count(), 0U);
}

TEST(Material, TheSelectedDesignationComesFirst) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto byNumber = app->Material("69", "340", Variant(482));
    const auto bySymbol = app->Material("69", "341", Variant(483));
    const auto symbols = byNumber->Symbols();
    ASSERT_NE(symbols, nullptr);
    ASSERT_GT(symbols->Count(), 0);
    EXPECT_EQ(bySymbol->Symbols()->Item(1)->Designation, "X5CrNi18-10");
    EXPECT_EQ(byNumber->Symbols(), symbols); // kept
    EXPECT_EQ(texts(*byNumber->MaterialNumbers()).front(), "1.4301");
}

TEST(Material, TradenamesAreKeptPerSupplier) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto byNumber = app->Material("69", "340", Variant(482));
    EXPECT_EQ(byNumber->Tradenames()->Count(), 0);
    const auto ofFirstSupplier = byNumber->Tradenames(1);
    EXPECT_EQ(texts(*ofFirstSupplier), (std::vector<std::string>{"X5CrNi18-10", "SAMPLINOX 18-10"}));
    EXPECT_EQ(byNumber->Tradenames(3)->Count(), 1);
    EXPECT_EQ(byNumber->Tradenames(1), ofFirstSupplier);
    EXPECT_EQ(byNumber->Tradenames()->Count(), 0);

    const auto byTradename = app->Material("69", "352", Variant(497));
    EXPECT_EQ(byTradename->SelectedDesignationType(), "F");
    EXPECT_FALSE(byTradename->Supplier().empty());
    EXPECT_EQ(texts(*byTradename->Tradenames()).front(), "SAMPLINOX 18-10");
}

TEST(Material, CompositionsAreAnnouncedOnceWhenLoaded) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "340", Variant(482));
    int announced = 0;
    const auto sub = material->ChemicalCompositionsAvailable.subscribe([&](const auto&) { ++announced; });
    const auto compositions = material->ChemicalCompositions();
    ASSERT_NE(compositions, nullptr);
    ASSERT_GT(compositions->Count(), 0);
    // The elements of a composition are keyed by their place, as every part is.
    EXPECT_EQ(compositions->Item(1)->Elements->Item("7")->Element, "Cr");
    EXPECT_EQ(material->ChemicalCompositions(), compositions);
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(material->ChemicalCompositions(5), nullptr);

    // The analysis of the designation the steel is seen through comes first.
    for (const auto& [designation, first] : {std::pair{"340", "1.4301"}, std::pair{"341", "X5CrNi18-10"}}) {
        const auto seen = app->Material("69", designation, Variant(483));
        ASSERT_EQ(seen->ChemicalCompositions()->Count(), 2) << designation;
        EXPECT_EQ(seen->ChemicalCompositions()->Item(1)->CompositonDesignation, first) << designation;
    }
}

TEST(Material, ProductShapesOnlyWithASupplierForTheSteel) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "340", Variant(482));
    const auto shapes = material->ProductShapes();
    ASSERT_NE(shapes, nullptr);
    ASSERT_GT(shapes->Count(), 0);
    for (const auto& shape : *shapes) {
        EXPECT_GT(shape->Suppliers->Count(), 0) << shape->Shape;
        EXPECT_FALSE(shape->Shape.empty());
    }
}

TEST(Material, TheComparisonLeavesOutTheSteelInItsOwnCountry) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "340", Variant(482));
    const auto comparisons = material->StandardComparisons();
    ASSERT_NE(comparisons, nullptr);
    ASSERT_GT(comparisons->Count(), 0);
    for (const auto& c : *comparisons) {
        EXPECT_FALSE(c->Steel_ID == "69" && c->Country == material->Country()) << c->Designation;
    }
}

TEST(Material, JoinTextWritesTheRangeOfOneValue) {
    struct Case {
        Variant min;
        Variant max;
        const char* text;
        bool bracket;
        const char* expected;
    };
    const Case cases[] = {
        {Variant(0), Variant(100), "%", false, ""},
        {Variant::null(), Variant::null(), "%", true, ""},
        {Variant("0.2"), Variant("0.2"), " % ", false, "~ 0.2 %"},
        {Variant(1), Variant::null(), "%", false, ">=1 %"},
        {Variant::null(), Variant("0.07"), "%", false, "<=0.07 %"},
        {Variant("17.5"), Variant("19.5"), "%", true, "(17.5 - 19.5 %)"},
        {Variant(0), Variant("0.5"), "", true, "(<=0.5)"},
        {Variant("0.00"), Variant("100.00"), "%", false, ""},
    };
    const test_support::ScopedLocale locale(".", "en_US.UTF-8");
    for (const auto& c : cases) {
        EXPECT_EQ(Material::JoinText(c.min, c.max, c.text, c.bracket), c.expected) << c.expected;
    }
}

TEST(Material, AnUnboundOrClosedMaterialReportsEachQueryOnce) {
    const TestProgram program;
    const auto app = orvik::objects::Application::create();
    const auto unbound = app->Material("69", "340", Variant(482));
    ErrorLog errors(unbound->Error);
    EXPECT_EQ(unbound->Steel_ID(), "");
    EXPECT_EQ(unbound->Symbols(), nullptr);
    ASSERT_NE(unbound->Standards(), nullptr);
    EXPECT_EQ(unbound->Standards()->Count(), 0);
    EXPECT_EQ(unbound->Tradenames(1)->Count(), 0);
    EXPECT_EQ(unbound->Info(), "");
    ASSERT_EQ(errors.count(), 5U);
    EXPECT_EQ(errors.errors()[0].Procedure(), "Symbols");
    EXPECT_EQ(errors.errors()[0].Modul(), "Material");
    EXPECT_EQ(errors.errors()[0].Number(), Material::NoConnection);
    EXPECT_EQ(errors.errors()[4].Procedure(), "Info");
}

// A manager that fails while a part loads is reported with its own values; the part is not kept,
// so the call after the database is back loads it.
TEST(Material, AFailedLoadIsReportedOnceAndTriedAgain) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "340", Variant(482));
    ErrorLog errors(material->Error);
    app->Connection()->Close();
    app->Connection()->setLoggedIn(true); // logged in, yet no database: every query fails
    const auto failed = material->Standards();
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->Count(), 0);
    ASSERT_EQ(errors.count(), 1U);
    EXPECT_EQ(errors.errors()[0].Modul(), "StandardManager");
    EXPECT_EQ(errors.errors()[0].Procedure(), "GetForSteelAndCountry");

    app->Connection()->setLoggedIn(false);
    app->OpenConnection();
    ASSERT_TRUE(app->LoggedIn());
    const auto loaded = material->Standards();
    EXPECT_GT(loaded->Count(), 0);
    EXPECT_EQ(material->Standards(), loaded);
    EXPECT_EQ(errors.count(), 1U);
}

TEST(Material, ExportsTheSupplierAddresses) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "340", Variant(482));
    ErrorLog errors(material->Error);
    const auto file = program.file("suppliers.txt");
    material->ExportSuppliers(file.string(), ";", true);
    ASSERT_EQ(errors.count(), 0U);
    const auto content = test_support::readBytes(file);
    ASSERT_TRUE(content.starts_with("Code;Name1;Name2;Strasse;")) << content;
    EXPECT_EQ(content.find("LfdNr"), std::string::npos);
    EXPECT_TRUE(content.ends_with("\r\n"));
    EXPECT_EQ(content.find(";\r\n"), std::string::npos) << "no separator at the end of a line";
    EXPECT_NE(content.find("Musterstahl Beispiel GmbH (sample firm)"), std::string::npos);

    material->ExportSuppliers(file.string(), "\t", false);
    const auto plain = test_support::readBytes(file);
    EXPECT_FALSE(plain.starts_with("Code"));
    EXPECT_NE(plain.find("\t"), std::string::npos);

    // A folder that does not exist: reported, and nothing is written.
    material->ExportSuppliers(program.file("missing/suppliers.txt").string(), ";", true);
    ASSERT_EQ(errors.count(), 1U);
    EXPECT_EQ(errors.errors()[0].Procedure(), "ExportSuppliers");
    EXPECT_NE(errors.errors()[0].Description().find("missing/suppliers.txt"), std::string::npos);
}

} // namespace
