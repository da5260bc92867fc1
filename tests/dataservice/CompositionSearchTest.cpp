// The composition search on the fixture's search table: which designation occurrences the criteria
// find, inside and outside, with and without tolerances, and the fuzzy search.

#include "ServiceTestSupport.h"
#include "common/CompositionSearchItems.h"
#include "dataservice/CompSearchSqlBuilder.h"
#include "dataservice/CompositionManager.h"

#include <cstdlib>
#include <optional>

namespace servicetest {
namespace {

using orvik::common::CompositionSearchItems;
using orvik::common::CompositionSearchMethod;
using orvik::dataservice::CompositionManager;
using Ids = std::vector<std::int64_t>;

constexpr auto Outside = CompositionSearchMethod::Outside;
constexpr auto Inside = CompositionSearchMethod::Inside;

struct Criterion {
    const char* element;
    const char* min;
    const char* max;
    const char* single;
    const char* toleranceMin;
    const char* toleranceMax;
    CompositionSearchMethod method;
};

std::shared_ptr<CompositionSearchItems> itemsOf(const std::vector<Criterion>& criteria) {
    auto items = std::make_shared<CompositionSearchItems>();
    int order = 1;
    for (const auto& c : criteria) {
        items->Add(c.element, c.min, c.max, c.single, c.toleranceMin, c.toleranceMax, c.method,
                   std::to_string(order++));
    }
    return items;
}

// Compositions of the fixture (search table): 1 Cr 17.5-19.5, Ni 8-10.5, C 0-0.07 (occurrences 101,
// 102, 103, 104); 2 C 0-0.2, Mn 0-1.6 (108); 3 C 0.42-0.5, Mn 0.5-0.8, Cr 0-0.4 (112); 4 C 0-0.22,
// Mn 0-1.6, Mo 0.4-0.55 (109, 110); 5 C 0.1-0.2 (115, 116).
struct SearchCase {
    const char* name;
    std::vector<Criterion> criteria;
    std::int32_t country;
    Ids occurrences;
};

class CompositionSearchTest : public FixtureTest {};

TEST_F(CompositionSearchTest, InsideAndOutsideWithTolerances) {
    const std::vector<SearchCase> cases = {
        {"outside range holding the steel's",
         {{"Cr", "17", "20", "", "", "", Outside}},
         0,
         {101, 102, 103, 104}},
        {"outside range narrower than the steel's", {{"Cr", "18", "19.5", "", "", "", Outside}}, 0, {}},
        {"outside, the lower bound widened by 10 %",
         {{"Cr", "18", "19.5", "", "10", "", Outside}},
         0,
         {101, 102, 103, 104}},
        {"outside minimum only", {{"Mn", "0.5", "", "", "", "", Outside}}, 0, {112}},
        {"a small minimum, written with an exponent",
         {{"C", "0.00001", "", "", "", "", Outside}},
         0,
         {112, 115, 116}},
        {"outside maximum only",
         {{"C", "", "0.2", "", "", "", Outside}},
         0,
         {101, 102, 103, 104, 108, 115, 116}},
        {"outside maximum widened by 10 %",
         {{"C", "", "0.2", "", "", "10", Outside}},
         0,
         {101, 102, 103, 104, 108, 109, 110, 115, 116}},
        {"inside: the steel's range holds the searched one",
         {{"Cr", "18", "19", "", "", "", Inside}},
         0,
         {101, 102, 103, 104}},
        {"inside: not when the searched minimum lies below the steel's",
         {{"Cr", "17", "19", "", "", "", Inside}},
         0,
         {}},
        {"inside: the minimum raised by 10 % reaches it",
         {{"Cr", "17", "19", "", "10", "", Inside}},
         0,
         {101, 102, 103, 104}},
        {"inside maximum", {{"Mn", "", "1.7", "", "", "", Inside}}, 0, {108, 109, 110, 112}},
        {"inside maximum lowered by 10 %", {{"Mn", "", "1.7", "", "", "10", Inside}}, 0, {112}},
        {"single value within the steel's range",
         {{"Mo", "", "", "0.5", "10", "20", Outside}},
         0,
         {109, 110}},
        {"single value above it", {{"Mo", "", "", "0.6", "", "", Outside}}, 0, {}},
        {"single value above it, reached by the tolerance",
         {{"Mo", "", "", "0.6", "", "10", Outside}},
         0,
         {109, 110}},
        {"single value under the inside method", {{"Mo", "", "", "0.5", "", "", Inside}}, 0, {109, 110}},
        {"an empty row asks for steels without the element",
         {{"C", "", "0.25", "", "", "", Outside}, {"Cr", "", "", "", "", "", Outside}},
         0,
         {108, 109, 110, 115, 116}},
        {"two elements",
         {{"Cr", "17", "20", "", "", "", Outside}, {"Ni", "8", "11", "", "", "", Outside}},
         0,
         {101, 102, 103, 104}},
        {"element symbol in another case",
         {{"cr", "17", "20", "", "", "", Outside}},
         0,
         {101, 102, 103, 104}},
        {"country tests the occurrence's country exactly",
         {{"Cr", "17", "20", "", "", "", Outside}},
         34,
         {102, 103}},
        {"country 32 has no neighbours here", {{"Cr", "17", "20", "", "", "", Outside}}, 32, {104}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CompositionManager manager;
        EventLog log(manager);
        const auto rs = manager.SearchCompositions(db(), c.country, itemsOf(c.criteria));
        ASSERT_TRUE(rs);
        EXPECT_EQ(integers(rs, "Id_StahlbezVorkommen"), c.occurrences);
        EXPECT_EQ(log.count(), 0u);
    }
}

/// The user's decimal separator while it lives.
class DecimalSeparator {
public:
    explicit DecimalSeparator(const char* separator) {
        if (const char* old = std::getenv("GK_DECIMAL_SEPARATOR")) {
            m_old = old;
        }
        setenv("GK_DECIMAL_SEPARATOR", separator, 1);
    }
    ~DecimalSeparator() {
        if (m_old) {
            setenv("GK_DECIMAL_SEPARATOR", m_old->c_str(), 1);
        } else {
            unsetenv("GK_DECIMAL_SEPARATOR");
        }
    }
    DecimalSeparator(const DecimalSeparator&) = delete;
    DecimalSeparator& operator=(const DecimalSeparator&) = delete;

private:
    std::optional<std::string> m_old;
};

// 0,5 with tolerances 10 and 20 asks for Mo_min <= 0.55 and Mo_max >= 0.4: composition 4 exactly.
TEST_F(CompositionSearchTest, ValuesTypedWithADecimalCommaAreSearchedAsNumbers) {
    const DecimalSeparator comma(",");
    CompositionManager manager;
    EventLog log(manager);
    EXPECT_EQ(
        integers(manager.SearchCompositions(db(), 0, itemsOf({{"Mo", "", "", "0,5", "10", "20", Outside}})),
                 "Id_StahlbezVorkommen"),
        (Ids{109, 110}));
    EXPECT_EQ(
        integers(manager.SearchCompositions(db(), 0, itemsOf({{"Mo", "", "", "0,6", "", "8", Outside}})),
                 "Id_StahlbezVorkommen"),
        Ids{});
    EXPECT_EQ(
        integers(manager.SearchCompositions(db(), 0, itemsOf({{"Mo", "", "", "0,6", "", "8,4", Outside}})),
                 "Id_StahlbezVorkommen"),
        (Ids{109, 110}));
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(CompositionSearchTest, RowsCarryTheDesignationWithItsCountry) {
    CompositionManager manager;
    const auto rs =
        manager.SearchCompositions(db(), 34, itemsOf({{"Mo", "0.4", "0.6", "", "", "", Outside}}));
    ASSERT_TRUE(rs);
    const std::vector<std::string> columns = {
        "Id_Analyse",  "Id_Stahlbez", "Id_Stahl", "Id_StahlbezVorkommen",
        "Bezeichnung", "Kennung",     "Id_Land",  "IndexSort"};
    EXPECT_EQ(columnNames(rs), columns);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Id_Analyse").asInteger(), 4);
    EXPECT_EQ(rs->field("Bezeichnung").asText(), "S355J2 (EU)");
    EXPECT_EQ(rs->field("Kennung").asText(), "K");
}

TEST_F(CompositionSearchTest, ElementsNotInTheDatabaseFailOnce) {
    for (const char* element : {"Xx", "Cr_min IS NULL OR 1", "Cr;", "1Cr", "Cr) OR (1=1", ""}) {
        SCOPED_TRACE(element);
        CompositionManager manager;
        EventLog log(manager);
        EXPECT_FALSE(manager.SearchCompositions(db(), 0, itemsOf({{element, "1", "", "", "", "", Outside}})));
        ASSERT_EQ(log.count(), 1u);
        EXPECT_EQ(log.events().front()->Modul(), "CompositionManager");
        EXPECT_EQ(log.events().front()->Procedure(), "SearchCompositions");
    }
}

TEST_F(CompositionSearchTest, EmptyCriteriaAndUnreadableValuesFailOnce) {
    const std::vector<std::shared_ptr<CompositionSearchItems>> sets = {
        std::make_shared<CompositionSearchItems>(),
        itemsOf({{"Cr", "zwölf", "", "", "", "", Outside}}),
        itemsOf({{"Cr", "12", "", "", "x", "", Outside}}),
    };
    for (const auto& items : sets) {
        CompositionManager manager;
        EventLog log(manager);
        EXPECT_FALSE(manager.SearchCompositions(db(), 0, items));
        EXPECT_EQ(log.count(), 1u);
    }
    CompositionManager manager;
    EventLog log(manager);
    EXPECT_FALSE(manager.SearchCompositions(db(), 0, nullptr));
    EXPECT_EQ(log.count(), 1u);
}

TEST(CompSearchSqlBuilderTest, NoCriteriaGiveNoStatement) {
    orvik::dataservice::CompSearchSqlBuilder builder;
    EXPECT_TRUE(builder.GetSearchSql(0).empty());
    builder.SetCompositionSearchItems(std::make_shared<CompositionSearchItems>());
    EXPECT_TRUE(builder.GetSearchSql(0).empty());
}

// Mn at most 1.5: at tolerance 5 % only composition 3 (1 row), from 6.7 % on also 2 and 4 (4 rows).
TEST_F(CompositionSearchTest, FuzzySearchReturnsTheRunClosestToTheWantedCount) {
    struct FuzzyCase {
        const char* name;
        std::vector<Criterion> criteria;
        std::int32_t required;
        std::int32_t maxTolerance;
        Ids occurrences;
    };
    const std::vector<FuzzyCase> cases = {
        {"exact hit at the largest tolerance",
         {{"Mn", "", "1.5", "", "", "", Outside}},
         4,
         20,
         {108, 109, 110, 112}},
        {"too many: the tolerance is lowered", {{"Mn", "", "1.5", "", "", "", Outside}}, 2, 20, {112}},
        {"a typed tolerance stays", {{"Mn", "", "1.5", "", "", "10", Outside}}, 2, 20, {108, 109, 110, 112}},
        {"too few at the largest tolerance",
         {{"Mn", "", "1.5", "", "", "", Outside}},
         9,
         20,
         {108, 109, 110, 112}},
        {"a largest tolerance of 1 is kept", {{"Mn", "", "1.5", "", "", "", Outside}}, 2, 1, {112}},
        {"nothing found: the run without tolerance", {{"Cr", "30", "", "", "", "", Outside}}, 3, 20, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CompositionManager manager;
        EventLog log(manager);
        const auto items = itemsOf(c.criteria);
        const auto rs = manager.FuzzySearchCompositions(db(), 0, items, c.required, c.maxTolerance);
        ASSERT_TRUE(rs);
        EXPECT_EQ(integers(rs, "Id_StahlbezVorkommen"), c.occurrences);
        EXPECT_EQ(log.count(), 0u);
    }
}

TEST_F(CompositionSearchTest, FuzzySearchStartsOnTheFirstRowAndLeavesTheCriteriaAlone) {
    CompositionManager manager;
    const auto items = itemsOf({{"Mn", "", "1.5", "", "", "", Outside}});
    const auto rs = manager.FuzzySearchCompositions(db(), 0, items, 4, 20);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Id_StahlbezVorkommen").asInteger(), 108);
    ASSERT_EQ(items->Count(), 1);
    EXPECT_EQ(items->item(1)->ToleranceMin(), "");
    EXPECT_EQ(items->item(1)->ToleranceMax(), "");
    EXPECT_EQ(items->item(1)->Order(), "1");
}

// Mn at most 1.5, two wanted: 20 % and 10 % give four rows, 5 % gives the one, closer; each run is
// told before it starts, and a stop after any run ends the search with nothing and no report.
TEST_F(CompositionSearchTest, FuzzySearchTellsEachRunAndStopsWhenAsked) {
    const auto items = itemsOf({{"Mn", "", "1.5", "", "", "", Outside}});
    std::vector<std::pair<std::int32_t, std::int32_t>> runs;
    {
        CompositionManager manager;
        const auto rs =
            manager.FuzzySearchCompositions(db(), 0, items, 2, 20, [&](std::int32_t step, std::int32_t tol) {
                runs.emplace_back(step, tol);
                return true;
            });
        ASSERT_TRUE(rs);
        EXPECT_EQ(integers(rs, "Id_StahlbezVorkommen"), Ids({112}));
    }
    ASSERT_GE(runs.size(), 2u);
    EXPECT_EQ(runs.front(), std::make_pair(std::int32_t{1}, std::int32_t{20}));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].first, static_cast<std::int32_t>(i + 1));
    }
    for (std::size_t stopAt = 1; stopAt <= runs.size(); ++stopAt) {
        SCOPED_TRACE(stopAt);
        CompositionManager manager;
        EventLog log(manager);
        std::size_t told = 0;
        const auto rs = manager.FuzzySearchCompositions(
            db(), 0, items, 2, 20, [&](std::int32_t, std::int32_t) { return ++told < stopAt; });
        EXPECT_FALSE(rs);
        EXPECT_EQ(told, stopAt);
        EXPECT_EQ(log.count(), 0u);
    }
}

TEST_F(CompositionSearchTest, FuzzySearchReportsAFailingRunOnce) {
    CompositionManager manager;
    EventLog log(manager);
    EXPECT_FALSE(
        manager.FuzzySearchCompositions(db(), 0, itemsOf({{"Xx", "1", "", "", "", "", Outside}}), 3, 20));
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.events().front()->Procedure(), "FuzzySearchCompositions");
}

} // namespace
} // namespace servicetest
