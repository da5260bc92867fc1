#include "CompositionRows.h"

#include "common/CompositionSearchItems.h"
#include "objects/ChemicalCompostions.h"
#include "platform/CallError.h"
#include "test_support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using composition::AnalysisRow;
using composition::CompositionRows;
using composition::CriteriaField;
using composition::CriteriaRow;
using composition::KnownElement;
using orvik::common::CompositionSearchMethod;

const std::vector<KnownElement> known = {{"C", 1}, {"Si", 2}, {"Mn", 3}, {"Cr", 9}, {"Mo", 10}, {"Ni", 11}};

class CompositionRowsTest : public ::testing::Test {
protected:
    test_support::ScopedEnv m_separator{"GK_DECIMAL_SEPARATOR", ","};
};

CriteriaRow row(std::string order, std::string element, std::string min = {}, std::string max = {},
                std::string single = {}, std::string tolMin = {}, std::string tolMax = {},
                std::string method = "outside") {
    return {std::move(order),  std::move(element), std::move(min),    std::move(max),
            std::move(single), std::move(tolMin),  std::move(tolMax), std::move(method)};
}

CompositionRows rowsOf(bool advanced, const std::vector<AnalysisRow>& lines) {
    CompositionRows rows(advanced);
    const auto report = rows.Load(lines, known);
    EXPECT_TRUE(report.unknownElements.empty());
    return rows;
}

TEST_F(CompositionRowsTest, CompletionFillsOpenBoundsAndPairsTolerances) {
    struct Case {
        const char* name;
        bool advanced;
        AnalysisRow typed;
        CriteriaRow completed;
    };
    const std::vector<Case> cases = {
        {"two empty values", false, {"C", "", "", "", "", "", ""}, row("1", "C")},
        {"zero and zero", false, {"C", "0", "0", "", "", "", ""}, row("1", "C")},
        {"minimum alone", false, {"C", "5", "", "", "", "", ""}, row("1", "C", "5", "100")},
        {"maximum alone", false, {"C", "", "5", "", "", "", ""}, row("1", "C", "0", "5")},
        {"simple: one tolerance",
         false,
         {"C", "1", "2", "", "3", "", ""},
         row("1", "C", "1", "2", "", "3", "3")},
        {"advanced: lower tolerance alone",
         true,
         {"C", "1", "2", "", "3", "", ""},
         row("1", "C", "1", "2", "", "3", "100")},
        {"advanced: upper tolerance alone",
         true,
         {"C", "1", "2", "", "", "4", ""},
         row("1", "C", "1", "2", "", "0", "4")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto rows = rowsOf(c.advanced, {c.typed});
        EXPECT_TRUE(rows.ValidateRows().valid);
        ASSERT_EQ(rows.count(), 1);
        EXPECT_EQ(rows.rows().front(), c.completed);
    }
}

TEST_F(CompositionRowsTest, MinimumAboveMaximumNamesTheElementAndNoRowsIsRefused) {
    auto rows = rowsOf(false, {{"C", "0,1", "0,2", "", "", "", ""}, {"Cr", "3", "2", "", "", "", ""}});
    const auto verdict = rows.ValidateRows();
    EXPECT_FALSE(verdict.valid);
    EXPECT_FALSE(verdict.noRows);
    EXPECT_EQ(verdict.element, "Cr");

    CompositionRows empty;
    empty.SetValue(0, CriteriaField::MinValue, "1");
    empty.RemoveEmptyRows();
    EXPECT_EQ(empty.count(), 0);
    const auto none = empty.ValidateRows();
    EXPECT_FALSE(none.valid);
    EXPECT_TRUE(none.noRows);
}

TEST_F(CompositionRowsTest, OneRowPerElement) {
    CompositionRows rows;
    ASSERT_TRUE(rows.SetElement(0, "Cr", 9));
    rows.AddEmptyRow();
    EXPECT_FALSE(rows.SetElement(1, " cr ", 9));
    EXPECT_EQ(rows.rows()[1].Element, "");
    EXPECT_TRUE(rows.SetElement(0, "Cr", 9));
    EXPECT_TRUE(rows.SetElement(1, "Ni", 11));
    EXPECT_EQ(rows.FindElement("NI"), 1);
}

TEST_F(CompositionRowsTest, RangeAndSingleValueExcludeEachOther) {
    CompositionRows rows;
    rows.SetElement(0, "C", 1);
    rows.SetValue(0, CriteriaField::MinValue, "1");
    rows.SetValue(0, CriteriaField::SingleValue, "2");
    EXPECT_EQ(rows.rows()[0], row("1", "C", "", "", "2"));
    rows.SetValue(0, CriteriaField::MaxValue, "3");
    EXPECT_EQ(rows.rows()[0], row("1", "C", "", "3", ""));
    CompositionRows advanced(true);
    advanced.SetValue(0, CriteriaField::SingleValue, "2");
    EXPECT_EQ(advanced.rows()[0].SingleValue, "");
}

TEST_F(CompositionRowsTest, SortPutsRowsWithoutElementLastAndRemoveKeepsOneRow) {
    CompositionRows rows;
    rows.SetElement(0, "Ni", 11);
    rows.AddEmptyRow();
    rows.AddEmptyRow();
    rows.SetElement(2, "C", 1);
    rows.Sort();
    EXPECT_EQ(rows.rows()[0].Element, "C");
    EXPECT_EQ(rows.rows()[1].Element, "Ni");
    EXPECT_EQ(rows.rows()[2].Element, "");
    rows.RemoveRow(0);
    rows.RemoveRow(0);
    rows.RemoveRow(0);
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.rows()[0], CriteriaRow{});
}

TEST_F(CompositionRowsTest, SearchItemsFollowTheGridKind) {
    const std::vector<AnalysisRow> lines = {{"Mo", "2", "2,5", "", "", "", "inside"},
                                            {"Ni", "", "", "13", "", "", ""}};
    const auto simple = rowsOf(false, lines).SearchItems();
    ASSERT_EQ(simple->Count(), 2);
    EXPECT_EQ(simple->item("Mo")->SearchMethod(), CompositionSearchMethod::Outside);
    EXPECT_EQ(simple->item("Ni")->SingleValue(), "13");

    const auto advanced = rowsOf(true, lines).SearchItems();
    ASSERT_EQ(advanced->Count(), 2);
    EXPECT_EQ(advanced->item("Mo")->SearchMethod(), CompositionSearchMethod::Inside);
    // A single value in the advanced grid: minimum = maximum = value under inside, no single value.
    const auto ni = advanced->item("Ni");
    EXPECT_EQ(ni->MinValue(), "13");
    EXPECT_EQ(ni->MaxValue(), "13");
    EXPECT_EQ(ni->SingleValue(), "");
    EXPECT_EQ(ni->SearchMethod(), CompositionSearchMethod::Inside);
    EXPECT_EQ(ni->Order(), "11");
}

TEST_F(CompositionRowsTest, LoadedFileRowsReplaceTheRowOfTheirElementAndUnknownOnesAreLeftOut) {
    CompositionRows rows;
    rows.SetElement(0, "Cr", 9);
    rows.SetValue(0, CriteriaField::MinValue, "16");
    rows.AddEmptyRow();
    const auto report = rows.Load({{"Xx", "1", "2", "", "", "", ""},
                                   {"cr", "17", "19", "", "", "", ""},
                                   {"C'); DROP TABLE tabLand; --", "1", "", "", "", "", ""},
                                   {"Ni", "a", "b", "", "", "", ""},
                                   {"Mo", "2", "2,5", "", "", "", ""}},
                                  known);
    EXPECT_EQ(report.unknownElements, (std::vector<std::string>{"Xx", "C'); DROP TABLE tabLand; --"}));
    EXPECT_EQ(report.badValues, (std::vector<std::string>{"Ni"}));
    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.rows()[0], row("9", "Cr", "17", "19"));
    EXPECT_EQ(rows.rows()[1], row("10", "Mo", "2", "2,5"));
}

TEST_F(CompositionRowsTest, FileRowsRoundTripThroughEitherGrid) {
    struct Case {
        const char* name;
        bool advanced;
        AnalysisRow line;
        CriteriaRow shown;
        AnalysisRow written;
    };
    const std::vector<Case> cases = {
        {"simple: equal bounds inside load as a single value",
         false,
         {"C", "1,5", "1,5", "", "", "", "inside"},
         row("1", "C", "", "", "1,5"),
         {"C", "", "", "1,5", "", "", "inside"}},
        {"simple: a single value is written inside",
         false,
         {"C", "", "", "1,5", "2", "", "outside"},
         row("1", "C", "", "", "1,5", "2", "2"),
         {"C", "", "", "1,5", "2", "2", "inside"}},
        {"advanced: a single value becomes an inside range",
         true,
         {"C", "", "", "1,5", "", "", "outside"},
         row("1", "C", "1,5", "1,5", "", "", "", "inside"),
         {"C", "1,5", "1,5", "", "", "", "inside"}},
        {"advanced: two tolerances stay",
         true,
         {"C", "1", "2", "", "3", "4", "inside"},
         row("1", "C", "1", "2", "", "3", "4", "inside"),
         {"C", "1", "2", "", "3", "4", "inside"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = rowsOf(c.advanced, {c.line});
        ASSERT_EQ(rows.count(), 1);
        EXPECT_EQ(rows.rows().front(), c.shown);
        EXPECT_EQ(rows.FileRows(), std::vector<AnalysisRow>{c.written});
    }
}

TEST_F(CompositionRowsTest, TakingOverAnAnalysisReplacesTheCriteria) {
    orvik::objects::ChemicalCompostion analysis;
    const auto add = [&](std::string symbol, std::int16_t order, platform::Variant min, platform::Variant max,
                         bool onlySearch = false, bool rest = false) {
        auto e = std::make_shared<orvik::objects::Element>();
        e->Element = std::move(symbol);
        e->Order = order;
        e->MinValue = std::move(min);
        e->MaxValue = std::move(max);
        e->Backnumbers = 2;
        e->OnlySearch = onlySearch;
        e->Rest = rest;
        analysis.Elements->append(e);
    };
    add("C", 1, platform::Variant::null(), 0.07);
    add("Cr", 9, 17.5, 19.5);
    add("Ti-N", 20, platform::Variant::null(), platform::Variant::null());
    add("Ce", 18, 0.01, 0.02, true);
    add("Fe", 99, platform::Variant::null(), platform::Variant::null(), false, true);
    CompositionRows rows;
    rows.SetElement(0, "Mo", 10);
    for (int time = 0; time < 2; ++time) {
        rows.ShowComposition(analysis);
    }
    ASSERT_EQ(rows.count(), 3);
    EXPECT_EQ(rows.rows()[0], row("1", "C", "", "0,07"));
    EXPECT_EQ(rows.rows()[1], row("9", "Cr", "17,50", "19,50"));
    EXPECT_EQ(rows.rows()[2], CriteriaRow{});
    EXPECT_EQ(rows.SearchItems()->Count(), 2);
}

} // namespace
