// The property search on the sample database: hits that meet every condition, each designation
// occurrence once, and the property tables of a hit reduced to the values that meet a condition.

#include "objects/PropertySearch.h"

#include "ObjectsTestSupport.h"
#include "PrintTestSupport.h"
#include "common/CompositionSearchItems.h"
#include "dataservice/CompositionManager.h"
#include "dataservice/PropertyManager.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/Connection.h"
#include "objects/DaoPropertyBagBuilder.h"
#include "objects/List.h"
#include "objects/MaterialItems.h"
#include "objects/PropertyBag.h"
#include "objects/PropertyBags.h"
#include "objects/PropertyMaskInit.h"
#include "platform/CallError.h"
#include "test_support/FixtureDatabases.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using orvik::objects::PropertySearch;

// Upper yield strength of at least 355 MPa, and an impact energy tested at -20 °C or colder.
const char* const strongYield =
    "tabEigenschaftswerte.ID_Eigenschaft = 2 AND tabEigenschaftswerte.Eigenschaft_min >= 355";
const char* const coldImpact =
    "tabEigenschaftswerte.ID_Eigenschaft = 8 AND tabEigenschaftswerte.Temp_min <= -20";

class PropertySearchTest : public ::testing::Test {
protected:
    std::shared_ptr<PropertySearch> search(const std::vector<std::string>& filters) {
        auto s = m_app->PropertySearch();
        for (const auto& filter : filters) {
            s->addFilter(filter);
        }
        return s;
    }
    static std::vector<std::string> occurrences(const orvik::objects::MaterialItems& items) {
        std::vector<std::string> ids;
        for (const auto& item : items) {
            ids.push_back(item->IdDesigCountry + " " + item->Designation);
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    objectstest::TestProgram m_program;
    std::shared_ptr<orvik::objects::Application> m_app = objectstest::connectedApplication();
};

TEST_F(PropertySearchTest, FindsExactlyTheSteelsMeetingBothConditions) {
    // Worked out from the sample rows: yield >= 355 in the matrices of S355JR, S355J0, S355J2 and
    // S355K2; impact at -20 °C in those of S235J2, S275J2, S355J2 and S355K2.
    const auto s = search({strongYield, coldImpact});
    const auto items = s->MaterialItems(0);
    EXPECT_EQ(occurrences(*items), (std::vector<std::string>{"68 S355J2", "76 S355K2"}));
    const auto j2 = items->Item("68");
    ASSERT_NE(j2, nullptr);
    EXPECT_EQ(j2->ID_Steel, "9");
    EXPECT_EQ(j2->MaterialNo, "1.0577");
    EXPECT_EQ(j2->IdCountry, 34);
    EXPECT_EQ(j2->DesignationType, "K");

    EXPECT_EQ(s->MaterialItems(30)->Count(), 0) << "no such hit in the United States";
    EXPECT_EQ(occurrences(*search({strongYield})->MaterialItems(34)),
              (std::vector<std::string>{"53 S355JR", "60 S355J0", "68 S355J2", "76 S355K2"}));
}

TEST_F(PropertySearchTest, EmptySetOrNoConditionGivesNoHit) {
    EXPECT_EQ(search({strongYield, "tabEigenschaftswerte.ID_Eigenschaft = 9999"})->MaterialItems(0)->Count(),
              0);
    EXPECT_EQ(search({})->MaterialItems(0)->Count(), 0);
    // The user interface marks its values with "@"; they are dropped.
    EXPECT_EQ(search({"tabEigenschaftswerte.ID_Eigenschaft = @8 AND tabEigenschaftswerte.Temp_min <= @-20"})
                  ->MaterialItems(34)
                  ->Count(),
              4);
}

TEST_F(PropertySearchTest, ObjectsOfAClosedConnectionAreUnbound) {
    m_app->CloseConnection();
    const auto s = m_app->PropertySearch();
    s->addFilter(strongYield);
    objectstest::ErrorLog log(s->Error);
    EXPECT_EQ(s->MaterialItems(0)->Count(), 0);
    EXPECT_EQ(s->PropertyBags("9", 34)->Count(), 0);
    ASSERT_EQ(log.count(), 2U);
    EXPECT_EQ(log.errors()[0].Number(), 91);
    const auto mask = m_app->PropertyMaskInit();
    objectstest::ErrorLog maskLog(mask->Error);
    EXPECT_EQ(mask->GetSearchItems("Zustand")->count(), 0);
    EXPECT_EQ(maskLog.count(), 1U);
}

TEST_F(PropertySearchTest, MalformedConditionIsToldOnceAndFindsNothing) {
    for (const auto& conditions :
         {std::vector<std::string>{"tabEigenschaftswerte.Gibtsnicht = 1"},
          std::vector<std::string>{strongYield, "tabEigenschaftswerte.Gibtsnicht = 1"}}) {
        const auto s = search(conditions);
        objectstest::ErrorLog log(s->Error);
        std::shared_ptr<orvik::objects::MaterialItems> items;
        EXPECT_NO_THROW(items = s->MaterialItems(0));
        ASSERT_NE(items, nullptr);
        EXPECT_EQ(items->Count(), 0);
        EXPECT_EQ(log.count(), 1U) << conditions.size();
    }
}

TEST(PropertySearchFailureTest, AFailedQueryOfTheTablesIsToldOnce) {
    objectstest::TestProgram program;
    test_support::runScript(program.databaseFolder() / "Graukant.MDB", "DROP TABLE tabEigenschaftskennung;");
    const auto app = objectstest::connectedApplication();
    PropertySearch s;
    s.Init(app->Connection());
    objectstest::ErrorLog log(s.Error);
    EXPECT_EQ(s.PropertyBags("9", 34)->Count(), 0);
    EXPECT_EQ(log.count(), 1U);
}

TEST_F(PropertySearchTest, PropertyBagsOfAHitKeepTheValuesMeetingAnXmlCondition) {
    const auto s = search({strongYield, coldImpact});
    s->AddXmlFilter("@E='8' and @Tn<=-20");
    objectstest::ErrorLog log(s->Error);
    const auto bags = s->PropertyBags("9", 34);
    EXPECT_EQ(log.count(), 0U);
    ASSERT_EQ(bags->Count(), 1);
    const auto& bag = bags->Item(1);
    EXPECT_EQ(bag->PropertyType, 1);
    ASSERT_EQ(bag->Properties->Count(), 1);
    EXPECT_EQ(bag->Properties->Item(1)->Name, "Kerbschlagarbeit (Charpy-V)");
    EXPECT_EQ(bag->Properties->Item(1)->Value_min.asDouble(), 27.0);
    EXPECT_EQ(bag->Footnotes->Count(), 2) << "every footnote of the matrix";

    // Without an XML condition every value of every table.
    const auto all = search({strongYield})->PropertyBags("9", 34);
    ASSERT_EQ(all->Count(), 1);
    EXPECT_GT(all->Item(1)->Properties->Count(), 1);
    EXPECT_EQ(search({strongYield})->PropertyBags("9", 30)->Count(), 0);
}

TEST(PropertySearchMatrixTest, UnreadableMatrixCostsOnlyItsOwnTable) {
    // C45 (steel 17) has a mechanical and a heat-treatment table in matrix 11.
    objectstest::TestProgram program;
    test_support::runScript(program.databaseFolder() / "Graukant.MDB",
                            "UPDATE tabEigenschaftsMatrix SET Eigenschaft_D = '<Eigenschaften><Wert E=\"1\"' "
                            "WHERE Id_Eigenschaftsmatrix = 11 AND Id_Eigenschaftskennung = 1;");
    const auto app = objectstest::connectedApplication();
    PropertySearch s;
    s.Init(app->Connection());
    objectstest::ErrorLog log(s.Error);
    const auto bags = s.PropertyBags("17", 34);
    ASSERT_EQ(log.count(), 1U);
    EXPECT_NE(log.errors()[0].Description().find("matrix 11"), std::string::npos)
        << log.errors()[0].Description();
    EXPECT_NE(log.errors()[0].Description().find("steel 17"), std::string::npos)
        << log.errors()[0].Description();
    ASSERT_EQ(bags->Count(), 1);
    EXPECT_EQ(bags->Item(1)->PropertyType, 3);
}

} // namespace

namespace {

TEST(DaoPropertyBagBuilderTest, ValuesFromRowsWithTheirRemarksAsFootnotes) {
    objectstest::TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto& db = app->Connection()->Database();
    orvik::dataservice::PropertyManager manager;
    const auto kinds = manager.GetPropertyTypeList(db, 0);
    const auto standards = manager.GetPropertyStandardBySteelId(db, "1", 34, 0);
    ASSERT_TRUE(kinds && standards && !standards->eof());
    orvik::objects::DaoPropertyBagBuilder builder;
    builder.Initialize(app->Connection());

    // The mechanical values of 1.0038 in matrix 1: eighteen, of which the five elongations carry
    // remark 1 and the impact energy remark 3 (from the sample rows).
    const auto bag =
        builder.CreatePropertyBag(orvik::common::Language::German, *kinds, *standards,
                                  manager.GetPropertyValuesBySearchResult(db, "1", 34, "1", 1, 0));
    ASSERT_NE(bag, nullptr);
    EXPECT_EQ(bag->PropertyType, 1);
    EXPECT_EQ(bag->Properties->Count(), 18);
    ASSERT_EQ(bag->Footnotes->Count(), 2) << "a remark of several values is held once";
    EXPECT_EQ(bag->Footnotes->Item(1)->Footnote, "Anfangsmesslänge L0 = 5,65 · √S0.");
    int elongations = 0;
    for (const auto& value : *bag->Properties) {
        if (value->propertyId == 6) {
            ++elongations;
            ASSERT_EQ(value->FootnoteReferences->Count(), 1);
            EXPECT_EQ(value->FootnoteReferences->Item(1)->ID_Footnote, 1);
            EXPECT_EQ(value->FootnoteReferences->Item(1)->Symbol, bag->Footnotes->Item(1)->Symbol);
            EXPECT_EQ(value->Specimen, "längs");
        } else if (value->propertyId == 8) {
            EXPECT_EQ(value->FootnoteReferences->Item(1)->ID_Footnote, 3);
            EXPECT_EQ(value->Value_min.asDouble(), 27.0);
        } else {
            EXPECT_EQ(value->FootnoteReferences->Count(), 0);
        }
    }
    EXPECT_EQ(elongations, 5);

    const auto none =
        builder.CreatePropertyBag(orvik::common::Language::German, *kinds, *standards,
                                  manager.GetPropertyValuesBySearchResult(db, "1", 34, "1", 2, 0));
    ASSERT_NE(none, nullptr) << "empty value rows still give a bag";
    EXPECT_EQ(none->Properties->Count(), 0);
    EXPECT_EQ(builder.CreatePropertyBag(orvik::common::Language::German, *kinds, *standards, nullptr),
              nullptr);
}

} // namespace

namespace {

TEST(CombinationOfSearchesTest, DesignationCompositionAndPropertyResultsIntersect) {
    objectstest::TestProgram program;
    const auto app = objectstest::connectedApplication();
    // Worked out from the sample rows: the symbols S355J* are S355JR, S355J0 and S355J2 (Europe 53,
    // 60, 68; United Kingdom 55, 62, 70); a carbon maximum of at most 0.20 % holds for the thin
    // analyses of S355J0, S355J2 and S355K2 (in Europe 60, 68, 76); the property search finds
    // S355J2 and S355K2 (68, 76). Only S355J2 in Europe is in all three.
    const auto designations =
        app->List()->Materials(-1, -1, -1, -1, -1, true, true, true, "SuchBezeichnung Like 'S355J*'");
    ASSERT_NE(designations, nullptr);
    orvik::dataservice::CompositionManager compositionManager;
    auto criteria = std::make_shared<orvik::common::CompositionSearchItems>();
    criteria->Add("C", "", "0.2", "", "", "", orvik::common::CompositionSearchMethod::Outside, "1");
    const auto compositions =
        compositionManager.SearchCompositions(app->Connection()->Database(), 34, criteria);
    ASSERT_NE(compositions, nullptr);
    PropertySearch search;
    search.Init(app->Connection());
    search.addFilter(strongYield);
    search.addFilter(coldImpact);

    orvik::objects::CombinationResultBuilder builder;
    builder.SetDesignationResultSet(designations, true);
    builder.SetCompositionResultSet(compositions, true);
    builder.SetPropertyResult(search.MaterialItems(0), true);
    builder.IncludeDesignation(true);
    builder.IncludeComposition(true);
    builder.IncludeProperty(true);
    const auto list = builder.Build();
    ASSERT_EQ(list->Count(), 1);
    list->MoveFirst();
    EXPECT_EQ(list->Current()->IdDesigCountry, "68");
    EXPECT_EQ(list->Current()->Designation, "S355J2");
    EXPECT_EQ(list->Current()->idSteel, "9");

    // Without the property result the designation and composition results alone meet in S355J0
    // and S355J2, each in Europe.
    builder.IncludeProperty(false);
    std::vector<std::string> both;
    const auto pair = builder.Build();
    for (pair->MoveFirst(); pair->Current(); pair->MoveNext()) {
        both.push_back(pair->Current()->IdDesigCountry);
        if (pair->position() == pair->Count()) {
            break;
        }
    }
    std::sort(both.begin(), both.end());
    both.erase(std::unique(both.begin(), both.end()), both.end());
    EXPECT_EQ(both, (std::vector<std::string>{"60", "68"}));
}

} // namespace
