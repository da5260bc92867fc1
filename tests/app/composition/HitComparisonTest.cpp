#include "HitComparison.h"

#include "common/CompositionSearchItems.h"
#include "objects/ChemicalCompostions.h"
#include "test_support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using composition::HitComparison;
using composition::HitRow;
using orvik::common::CompositionSearchMethod;

class HitComparisonTest : public ::testing::Test {
protected:
    void element(std::string symbol, std::int16_t order, platform::Variant min, platform::Variant max,
                 bool optional = false, bool rest = false, std::string others = {}) {
        auto e = std::make_shared<orvik::objects::Element>();
        e->Element = std::move(symbol);
        e->Order = order;
        e->MinValue = std::move(min);
        e->MaxValue = std::move(max);
        e->Backnumbers = 2;
        e->OptionalValue = optional;
        e->Rest = rest;
        e->Others = std::move(others);
        m_hit.Elements->append(e);
    }
    void criterion(const char* symbol, const char* min, const char* max, const char* single,
                   const char* order) {
        m_criteria.Add(symbol, min, max, single, "", "", CompositionSearchMethod::Outside, order);
    }
    [[nodiscard]] std::vector<HitRow> build() {
        return HitComparison::Build(m_hit, m_criteria, "Rest", m_hasOthers);
    }
    [[nodiscard]] static const HitRow& rowOf(const std::vector<HitRow>& rows, const std::string& symbol) {
        for (const auto& r : rows) {
            if (r.cells[HitRow::Element] == symbol) {
                return r;
            }
        }
        static const HitRow none;
        ADD_FAILURE() << symbol << " has no row";
        return none;
    }

    test_support::ScopedEnv m_separator{"GK_DECIMAL_SEPARATOR", ","};
    orvik::objects::ChemicalCompostion m_hit;
    orvik::common::CompositionSearchItems m_criteria;
    bool m_hasOthers = false;
};

TEST_F(HitComparisonTest, DeviationsAtBothLimits) {
    element("C", 1, 0.08, 0.12);
    element("Cr", 9, 17.5, 100.0);
    element("Mo", 10, 2.0, 2.5, true);
    element("Ni", 11, platform::Variant::null(), platform::Variant::null());
    element("Fe", 99, platform::Variant::null(), platform::Variant::null(), false, true);
    element("Cu", 13, platform::Variant::null(), 1.0);
    criterion("C", "0,10", "0,15", "", "1");
    criterion("Cr", "0", "20", "", "9");
    criterion("Mo", "", "", "2,2", "10");
    criterion("Fe", "1", "2", "", "99");
    criterion("V", "0,1", "", "", "16");
    const auto rows = build();
    ASSERT_EQ(rows.size(), 7u);
    const std::vector<std::string> order = {"C", "Cr", "Mo", "Ni", "Cu", "V", "Fe"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(rows[i].cells[HitRow::Element], order[i]);
    }
    const auto& c = rowOf(rows, "C");
    EXPECT_EQ(c.cells[HitRow::DevLower], "-20");
    EXPECT_TRUE(c.lowerRed);
    EXPECT_EQ(c.cells[HitRow::DevUpper], "20");
    EXPECT_FALSE(c.upperRed);
    const auto& cr = rowOf(rows, "Cr");
    EXPECT_EQ(cr.cells[HitRow::HitMax], "");
    EXPECT_EQ(cr.cells[HitRow::DevLower], "-"); // a criterion minimum of 0 divides by nothing
    EXPECT_EQ(cr.cells[HitRow::DevUpper], "-");
    const auto& mo = rowOf(rows, "Mo");
    EXPECT_EQ(mo.cells[HitRow::HitMin], "(2,00");
    EXPECT_EQ(mo.cells[HitRow::HitMax], "2,50)");
    EXPECT_EQ(mo.cells[HitRow::DevLower], "9,09");
    EXPECT_EQ(mo.cells[HitRow::DevUpper], "13,64");
    EXPECT_TRUE(rowOf(rows, "Ni").notSearched);
    EXPECT_TRUE(rowOf(rows, "Cu").notSearched);
    const auto& v = rowOf(rows, "V");
    EXPECT_EQ(v.cells[HitRow::HitMin], "");
    EXPECT_EQ(v.cells[HitRow::DevLower], "-");
    EXPECT_FALSE(v.lowerRed);
    const auto& fe = rowOf(rows, "Fe");
    EXPECT_EQ(fe.cells[HitRow::HitMin], "Rest");
    EXPECT_EQ(fe.cells[HitRow::DevLower], "-");
    EXPECT_EQ(fe.cells[HitRow::DevUpper], "-");
    EXPECT_FALSE(m_hasOthers);
}

TEST_F(HitComparisonTest, OptionalValuesAreBracketedAndFurtherElementsListed) {
    element("Ti", 15, 0.5, platform::Variant::null(), true);
    element("Nb", 14, platform::Variant::null(), 1.0, true);
    element("Ta-Nb", 30, platform::Variant::null(), platform::Variant::null(), false, false,
            "Ta + Nb <= 1,0");
    element("Co-Ni", 31, platform::Variant::null(), platform::Variant::null(), false, false, "  ");
    const auto rows = build();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rowOf(rows, "Ti").cells[HitRow::HitMin], "(0,50)");
    EXPECT_EQ(rowOf(rows, "Nb").cells[HitRow::HitMax], "(1,00)");
    EXPECT_EQ(rowOf(rows, "Ta-Nb").cells[HitRow::Others], "Ta + Nb <= 1,0");
    EXPECT_TRUE(m_hasOthers);
}

TEST_F(HitComparisonTest, DeviationTexts) {
    const std::vector<std::pair<double, std::string>> cases = {
        {-20.0, "-20"}, {12.5, "12,5"}, {9.0909, "9,09"}, {0.125, "0,12"}, {0.135, "0,14"}, {-0.001, "0"}};
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(HitComparison::FormatDeviation(value), text);
    }
}

} // namespace
