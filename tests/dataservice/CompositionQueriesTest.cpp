// Compositions of a steel: the element list, the compositions per country, their values, footnotes
// and one composition by id.

#include "ServiceTestSupport.h"
#include "dataservice/CompositionManager.h"

#include <algorithm>

namespace servicetest {
namespace {

using orvik::dataservice::CompositionManager;
using Ids = std::vector<std::int64_t>;
using Texts = std::vector<std::string>;

class CompositionQueriesTest : public FixtureTest {
protected:
    CompositionManager manager;
    EventLog log{manager};
};

TEST_F(CompositionQueriesTest, ElementListOffersTheElementsWithDecimalsInDisplayOrder) {
    EXPECT_EQ(texts(manager.GetElementList(db()), "ID_Element"), (Texts{"C", "Si", "Mn", "Cr", "Ni", "Mo"}));
}

TEST_F(CompositionQueriesTest, CompositionsOfASteelWidenTwoCountriesToTheirGroups) {
    struct Case {
        const char* steel;
        std::int32_t country;
        Ids designations;
    };
    const Case cases[] = {
        {"1", 34, {11, 12, 12}}, // 34 takes 32 and 18: designation 12 occurs in 34 and in 32
        {"1", 32, {12}},         {"1", 5, {11}}, {"4", 30, {41, 42}}, // 30 takes 52 and 53
        {"4", 52, {42}},         {"3", 34, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.steel) + " in " + std::to_string(c.country));
        EXPECT_EQ(
            integers(manager.GetCompostionsForMaterialAndCountry(db(), c.steel, c.country), "Id_Stahlbez"),
            c.designations);
    }
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(CompositionQueriesTest, LabelShowsTheDimensionRangeOnlyWhenThereIsOne) {
    EXPECT_EQ(texts(manager.GetCompostionsForMaterialAndCountry(db(), "2", 5), "Bezeichnung"),
              Texts{"1.0577 (<= 16 mm)"});
    EXPECT_EQ(texts(manager.GetCompostionsForMaterialAndCountry(db(), "1", 5), "Bezeichnung"),
              Texts{"1.4301"});
}

TEST_F(CompositionQueriesTest, ValuesComeInElementDisplayOrder) {
    const auto rs = manager.GetValuesForComposition(db(), "1");
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_TRUE(rs->field("MinWert").isNull());
    EXPECT_DOUBLE_EQ(rs->field("MaxWert").asDouble(), 0.07);
    EXPECT_EQ(texts(rs, "ID_Element"), (Texts{"C", "Cr", "Ni"}));
    EXPECT_EQ(texts(manager.GetValuesForComposition(db(), "4"), "Sonstiges"),
              (Texts{"<null>", "<null>", "Rest Fe"}));
}

TEST_F(CompositionQueriesTest, FootnotesKeepTheirTableWideNumbers) {
    const auto rs = manager.GetFootnotesForComposition(db(), "1", 2);
    ASSERT_TRUE(rs);
    std::vector<std::tuple<std::string, std::string, std::int64_t>> rows;
    for (; !rs->eof(); rs->moveNext()) {
        rows.emplace_back(rs->field("ID_Element").asText(), rs->field("Fussnote").asText(),
                          rs->field("Zeichen").asInteger());
    }
    std::sort(rows.begin(), rows.end());
    const std::vector<std::tuple<std::string, std::string, std::int64_t>> expected = {
        {"Cr", "for sheet", 4}, {"Ni", "by agreement", 9}};
    EXPECT_EQ(rows, expected);
}

TEST_F(CompositionQueriesTest, CompositionByIdTakesTheDesignationOfLowestPriority) {
    const auto rs = manager.GetCompositionById(db(), "1");
    EXPECT_EQ(integers(rs, "Id_Stahlbez"), Ids{11});
    EXPECT_EQ(texts(manager.GetCompositionById(db(), "4"), "Bezeichnung"), Texts{"S355J2 (> 16 mm)"});
    EXPECT_EQ(integers(manager.GetCompositionById(db(), "99"), "Id_Analyse"), Ids{});
    EXPECT_EQ(log.count(), 0u);
}

} // namespace
} // namespace servicetest
