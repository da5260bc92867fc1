// Property bags from XML property matrices: values with their units, ranges and conditions, the
// footnotes of the matrix, filters, and the faults a stored matrix may have.

#include "objects/PropertyBag.h"

#include "PrintTestSupport.h"
#include "objects/PropertyBags.h"
#include "objects/XmlPropertyBagBuilder.h"
#include "platform/CallError.h"
#include "test_support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using orvik::common::Language;
using orvik::objects::Property;
using orvik::objects::PropertyBag;
using orvik::objects::XmlPropertyBagBuilder;
using platform::Variant;

class XmlPropertyBagTest : public ::testing::Test {
protected:
    std::shared_ptr<PropertyBag> build(const std::string& matrixText, const std::string& filter = {},
                                       const std::string& standard = visibleStandard) {
        const auto kind = m_db.rows("SELECT 1 AS id, '  Mechanische Eigenschaften ' AS Kennung");
        const auto row = m_db.rows(standard);
        return XmlPropertyBagBuilder().CreatePropertyBag(Language::German, *kind, *row, matrixText, filter);
    }

    static inline const std::string visibleStandard =
        "SELECT 17 AS ID_Norm, 'M-4711' AS Matrix, 'V-3' AS ID_NormVariante, 0 AS NichtAnzeigen, "
        "'EN 10025-2' AS Name, 'EN 10025' AS NameKurz, 'Warmgewalzte Erzeugnisse' AS Title, "
        "'2019-11' AS Stand, 'Norm' AS Normtyp";

    propstest::ScratchDatabase m_db;
};

double number(const Variant& value) {
    EXPECT_EQ(value.type(), Variant::Type::Double);
    return value.type() == Variant::Type::Double ? value.asDouble() : -1.0;
}

TEST_F(XmlPropertyBagTest, FixtureGivesHeaderValuesRangesAndUnits) {
    const test_support::ScopedEnv separator("GK_DECIMAL_SEPARATOR", ",");
    const auto bag = build(propstest::fixture("matrix.xml"));
    ASSERT_NE(bag, nullptr);
    EXPECT_EQ(bag->Standard_ID, 17);
    EXPECT_EQ(bag->Matrix, "M-4711");
    EXPECT_EQ(bag->VariantId, "V-3");
    EXPECT_EQ(bag->StandardName, "EN 10025-2");
    EXPECT_EQ(bag->StandardShortName, "EN 10025");
    EXPECT_EQ(bag->StandardTitle, "Warmgewalzte Erzeugnisse");
    EXPECT_EQ(bag->StandardDate, "2019-11");
    EXPECT_EQ(bag->PropertyType, 1);
    EXPECT_EQ(bag->PropertyTypeName, "Mechanische Eigenschaften");

    // Values of every Eigenschaften element in document order; rows the grid merges (same
    // property, state and form) stay values of their own.
    ASSERT_EQ(bag->Properties->Count(), 5);
    const auto first = bag->Properties->Item(1);
    EXPECT_EQ(first->propertyId, 2);
    EXPECT_EQ(first->Name, "Obere Streckgrenze");
    EXPECT_EQ(first->Status, "normalgeglüht (+N)");
    EXPECT_EQ(number(first->StatusTemp_min), 880.0);
    EXPECT_EQ(number(first->StatusTemp_max), 940.0);
    EXPECT_EQ(first->FORM, "Flacherzeugnisse");
    EXPECT_TRUE(first->Metrics_min.isNull());
    EXPECT_EQ(number(first->Metrics_max), 16.0);
    EXPECT_EQ(number(first->Value_min), 355.0);
    EXPECT_TRUE(first->Value_max.isNull());
    EXPECT_EQ(first->unit, "MPa");
    EXPECT_EQ(first->Specimen, "längs");
    EXPECT_EQ(number(first->Temp_min), 20.0);
    EXPECT_EQ(first->Cooling, "Luft");
    EXPECT_EQ(first->Classification, "Normwert");
    EXPECT_EQ(first->Formula_Sign.type(), Variant::Type::Text);
    EXPECT_EQ(first->Footnote_Symbol, "1)");

    const auto second = bag->Properties->Item("2");
    EXPECT_EQ(second->Name, first->Name);
    EXPECT_EQ(number(second->Metrics_min), 16.0);
    EXPECT_EQ(number(second->Metrics_max), 40.0);
    EXPECT_EQ(second->Footnote_Symbol, "1)\r\n2)");

    // Decimals are written with a point whatever the user's separator is.
    const auto third = bag->Properties->Item(3);
    EXPECT_EQ(third->propertyId, 7);
    EXPECT_EQ(number(third->Value_min), 470.5);
    EXPECT_EQ(number(third->Value_max), 630.0);
    EXPECT_EQ(number(third->Duration_min), 0.5);
    EXPECT_EQ(number(third->Duration_max), 1.5);
    EXPECT_EQ(third->DurationUnit, "h");
    // Attributes the value does not have read as blank.
    EXPECT_TRUE(third->Temp_min.isNull());
    EXPECT_EQ(third->Specimen, "");

    const auto fourth = bag->Properties->Item(4);
    EXPECT_EQ(fourth->propertyId, 0);
    EXPECT_TRUE(fourth->Value_min.isNull()) << "a blank value is null";
    EXPECT_TRUE(fourth->Value_max.isEmpty()) << "a value that is no number leaves the member unset";
    EXPECT_EQ(fourth->unit, "HBW");

    EXPECT_EQ(bag->Properties->Item(5)->Name, "Kerbschlagarbeit");
    EXPECT_EQ(number(bag->Properties->Item(5)->Temp_min), -20.0);
    EXPECT_EQ(bag->Properties->Item(6), nullptr);
    EXPECT_EQ(bag->Properties->Item("x"), nullptr);
}

TEST_F(XmlPropertyBagTest, FootnotesAreKeptUnlessTheyHaveNeitherMarkNorText) {
    const auto bag = build(propstest::fixture("matrix.xml"));
    ASSERT_NE(bag, nullptr);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"1)", "Für Dicken über 16 mm gilt der Wert der nächsten Zeile."},
        {"2)", "Nach Vereinbarung bei der Bestellung."},
        {"3)", ""},
        {"", "Ein Text ohne Zeichen."},
    };
    std::vector<std::pair<std::string, std::string>> notes;
    for (const auto& note : *bag->Footnotes) {
        notes.emplace_back(note->Symbol, note->Footnote);
    }
    EXPECT_EQ(notes, expected);
    EXPECT_EQ(bag->Footnotes->Item("2")->Symbol, "2)");
}

TEST_F(XmlPropertyBagTest, DecimalsReadTheSameUnderEitherSeparator) {
    for (const char* separator : {",", "."}) {
        const test_support::ScopedEnv env("GK_DECIMAL_SEPARATOR", separator);
        const auto bag = build(R"(<Eigenschaften><Wert E="1" n="1.5" x="1.25"/></Eigenschaften>)");
        ASSERT_NE(bag, nullptr);
        EXPECT_EQ(number(bag->Properties->Item(1)->Value_min), 1.5) << separator;
        EXPECT_EQ(number(bag->Properties->Item(1)->Value_max), 1.25) << separator;
    }
}

TEST_F(XmlPropertyBagTest, FilterKeepsMatchingValuesAndEveryFootnote) {
    struct Case {
        const char* filter;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"(@E='2' and @n>=350)", {"Obere Streckgrenze"}},
        {"(@E='2') or (@U='J')", {"Obere Streckgrenze", "Obere Streckgrenze", "Kerbschlagarbeit"}},
        {"(@x>=600)", {"Zugfestigkeit"}},
    };
    for (const auto& c : cases) {
        const auto bag = build(propstest::fixture("matrix.xml"), c.filter);
        ASSERT_NE(bag, nullptr) << c.filter;
        std::vector<std::string> names;
        for (const auto& property : *bag->Properties) {
            names.push_back(property->Name);
        }
        EXPECT_EQ(names, c.names) << c.filter;
        EXPECT_EQ(bag->Footnotes->Count(), 4) << c.filter;
    }
}

TEST_F(XmlPropertyBagTest, NoSelectedValueGivesNoBag) {
    EXPECT_EQ(build(propstest::fixture("matrix.xml"), "@E='999'"), nullptr) << "footnotes alone make no bag";
    EXPECT_EQ(build(""), nullptr);
    EXPECT_EQ(build("   "), nullptr);
    EXPECT_EQ(build("<Eigenschaften/>"), nullptr);
}

TEST_F(XmlPropertyBagTest, MalformedMatrixOrFilterFailsNamingTheMatrix) {
    for (const auto& [text, filter] :
         {std::pair<std::string, std::string>{propstest::fixture("matrix-malformed.xml"), ""},
          {propstest::fixture("matrix.xml"), "@E='2' and"}}) {
        try {
            (void)build(text, filter);
            ADD_FAILURE() << "no error for filter " << filter;
        } catch (const platform::CallError& e) {
            EXPECT_NE(e.description().find("M-4711"), std::string::npos) << e.description();
        }
    }
}

TEST_F(XmlPropertyBagTest, HiddenAndPseudoStandardsShowTheirTitleOnly) {
    struct Case {
        const char* notShown;
        const char* type;
        bool nameShown;
    };
    const Case cases[] = {{"0", "Pseudo", false},
                          {"0", "PSEUDO", false},
                          {"-1", "Norm", false},
                          {"Null", "Norm", false},
                          {"0", "Norm", true}};
    for (const auto& c : cases) {
        const std::string standard =
            std::string("SELECT 5 AS ID_Norm, 'M' AS Matrix, 'V' AS ID_NormVariante, ") + c.notShown +
            " AS NichtAnzeigen, 'N' AS Name, 'NK' AS NameKurz, " + "'T' AS Title, 'S' AS Stand, '" + c.type +
            "' AS Normtyp";
        const auto bag = build(R"(<Eigenschaften><Wert E="1"/></Eigenschaften>)", "", standard);
        ASSERT_NE(bag, nullptr);
        EXPECT_EQ(bag->StandardTitle, "T") << c.notShown << c.type;
        EXPECT_EQ(bag->StandardName, c.nameShown ? "N" : "") << c.notShown << c.type;
        EXPECT_EQ(bag->StandardShortName, c.nameShown ? "NK" : "") << c.notShown << c.type;
        EXPECT_EQ(bag->StandardDate, c.nameShown ? "S" : "") << c.notShown << c.type;
    }
}

TEST(PropertyBagsTest, MembersAreKeyedByRunningNumberAndUnknownOnesFail) {
    orvik::objects::PropertyBags bags;
    for (const char* name : {"A", "B"}) {
        auto bag = std::make_shared<PropertyBag>();
        bag->StandardName = name;
        bags.Add(bag);
    }
    EXPECT_EQ(bags.Count(), 2);
    EXPECT_EQ(bags.Item(Variant(2))->StandardName, "B");
    EXPECT_EQ(bags.Item(Variant(std::string("1")))->StandardName, "A");
    EXPECT_THROW((void)bags.Item(Variant(3)), platform::CallError);
    EXPECT_THROW((void)bags.Item(Variant(std::string("3"))), platform::CallError);
}

} // namespace
