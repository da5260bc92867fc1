#include "ObjectsTestSupport.h"
#include "common/CompositionSearchItems.h"
#include "common/TextID.h"
#include "common/cls_Language.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "platform/VbConvert.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using objectstest::ErrorLog;
using objectstest::TestProgram;
using orvik::common::Language;
using orvik::common::TextID;
using orvik::objects::Application;

namespace {

// Without an open connection every query reports the missing connection once, under its own name,
// and returns its failure value.
TEST(ApplicationQueries, WithoutConnectionEachQueryReportsOnceAndReturnsItsFailureValue) {
    const TestProgram program;
    const auto app = Application::create();
    const auto items = std::make_shared<orvik::common::CompositionSearchItems>();
    struct Case {
        const char* procedure;
        std::function<bool()> returnsFailureValue;
    };
    const Case cases[] = {
        {"GetTop1MaterialNumber",
         [&] {
             return app->GetTop1MaterialNumber("69", 34).empty();
         }},
        {"CompositionSearch",
         [&] {
             return app->CompositionSearch(0, items) == nullptr;
         }},
        {"CompositionFuzzySearch",
         [&] {
             return app->CompositionFuzzySearch(0, items, 5, 10) == nullptr;
         }},
        {"StandardInformations",
         [&] {
             return app->StandardInformations(20).empty();
         }},
        {"countryId",
         [&] {
             return app->countryId("D") == 0;
         }},
        {"CountrySmbol",
         [&] {
             return app->CountrySmbol(32).empty();
         }},
    };
    for (const auto& c : cases) {
        ErrorLog errors(app->Error);
        EXPECT_TRUE(c.returnsFailureValue()) << c.procedure;
        ASSERT_EQ(errors.count(), 1U) << c.procedure;
        EXPECT_EQ(errors.errors()[0].Number(), Application::NoConnection) << c.procedure;
        EXPECT_EQ(errors.errors()[0].Modul(), "Application") << c.procedure;
        EXPECT_EQ(errors.errors()[0].Procedure(), c.procedure);
        EXPECT_FALSE(errors.errors()[0].Description().empty()) << c.procedure;
    }
}

TEST(ApplicationQueries, CountryIdAndSymbolConvertBothWays) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    ErrorLog errors(app->Error);
    EXPECT_EQ(app->countryId("D"), 32);
    EXPECT_EQ(app->countryId("usa"), 30);
    EXPECT_EQ(app->countryId("XX"), 0);
    EXPECT_EQ(app->countryId("D'X"), 0); // a quote in the symbol is text, not SQL
    EXPECT_EQ(app->CountrySmbol(34), "EU");
    EXPECT_EQ(app->CountrySmbol(9999), "");
    EXPECT_EQ(errors.count(), 0U);
    EXPECT_EQ(app->GetTop1MaterialNumber("69", 34), "1.4301");
    EXPECT_EQ(app->GetTop1MaterialNumber("69", 22), "");
}

TEST(ApplicationQueries, ChemicalCompositionReadsOneAnalysisWithItsElements) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    ErrorLog errors(app->Error);
    const auto composition = app->ChemicalComposition("80");
    ASSERT_NE(composition, nullptr);
    EXPECT_EQ(composition->ID_Composition, "80");
    std::vector<std::string> symbols;
    for (const auto& element : *composition->Elements) {
        symbols.push_back(element->Element);
    }
    EXPECT_EQ(symbols, (std::vector<std::string>{"C", "Si", "Mn", "P", "S", "N", "Cr", "Ni", "Fe"}));
    const auto& chromium = *composition->Elements->Item(7);
    EXPECT_DOUBLE_EQ(platform::CDbl(chromium.MinValue), 17.5);
    EXPECT_DOUBLE_EQ(platform::CDbl(chromium.MaxValue), 19.5);
    EXPECT_TRUE(composition->Elements->Item(1)->MinValue.isNull());
    EXPECT_TRUE(composition->Elements->Item(9)->Rest);
    EXPECT_EQ(app->ChemicalComposition("999999"), nullptr);
    EXPECT_EQ(errors.count(), 0U);
}

TEST(ApplicationQueries, StandardInformationsBuildsTheLinesAndCaptionBlocks) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    ErrorLog errors(app->Error);
    const auto successor = app->LanguageObject()->getTextFromDB(TextID::Nachfolgedokument);
    const auto conformity = app->LanguageObject()->getTextFromDB(TextID::InternationaleUebereinstimmung);
    ASSERT_FALSE(successor.empty());
    ASSERT_FALSE(conformity.empty());

    // Only a successor document: three lines, an empty line, the caption and the document.
    const auto din = app->StandardInformations(20);
    EXPECT_TRUE(din.ends_with("\r\n\r\n" + successor + "\r\nDIN EN 10025")) << din;
    EXPECT_EQ(din.find("Deutschland\r\n"), 0U) << din;
    EXPECT_NE(din.find("Allgemeine Baustähle; Gütenorm\r\n"), std::string::npos) << din;

    // Conformity follows the title line directly, its value on the next line.
    const auto iso = app->StandardInformations(7);
    EXPECT_NE(iso.find("Werkzeugstähle\r\n" + conformity + "\r\nISO 4957:2018"), std::string::npos) << iso;

    // Country, name and title only: three lines, the last without its line break.
    const auto plain = app->StandardInformations(11);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'), 2) << plain;
    EXPECT_FALSE(plain.ends_with("\r\n"));

    EXPECT_EQ(app->StandardInformations(999999), "");
    EXPECT_EQ(errors.count(), 0U);

    app->LanguageObject()->setLanguage(Language::English); // as the program switches
    EXPECT_EQ(app->StandardInformations(20).find("Germany\r\n"), 0U);
}

} // namespace
