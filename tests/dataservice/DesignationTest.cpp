// The designations of a steel.

#include "ServiceTestSupport.h"
#include "dataservice/DesignationManager.h"

namespace servicetest {
namespace {

using orvik::dataservice::DesignationManager;
using Ids = std::vector<std::int64_t>;
using Texts = std::vector<std::string>;

class DesignationTest : public FixtureTest {
protected:
    DesignationManager manager;
    EventLog log{manager};
};

TEST_F(DesignationTest, MaterialNumbersOfTheComparisonGroups) {
    EXPECT_EQ(texts(manager.GetMaterialNumbersForSteel(db(), "1"), "Bezeichnung"),
              (Texts{"1.4301", "1.4301"}));
    EXPECT_EQ(texts(manager.GetMaterialNumbersForSteel(db(), "5"), "Bezeichnung"), Texts{});
}

TEST_F(DesignationTest, DesignationsAtASupplierOfAnyKindByPriority) {
    EXPECT_EQ(integers(manager.GetTradenamesForSteelAndSupplier(db(), "1", 1), "Id_Stahlbez"), (Ids{12, 14}));
    EXPECT_EQ(integers(manager.GetTradenamesForSteelAndSupplier(db(), "1", 3), "Id_Stahlbez"), Ids{13});
}

TEST_F(DesignationTest, FirstMaterialNumberInACountry) {
    EXPECT_EQ(manager.GetTop1MaterialNumber(db(), "1", 5), "1.4301");
    EXPECT_EQ(manager.GetTop1MaterialNumber(db(), "1", 30), "S30400");
    EXPECT_EQ(manager.GetTop1MaterialNumber(db(), "1", 18), "");
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(DesignationTest, SymbolsUndecorated) {
    const auto rs = manager.GetSymbolsForSteel(db(), "1");
    ASSERT_TRUE(rs);
    EXPECT_EQ(texts(rs, "Bezeichnung"), (Texts{"X5CrNi18-10", "X5CrNi 18 10"}));
}

TEST_F(DesignationTest, SymbolsOfACountryWithTheirStatusTexts) {
    struct Case {
        std::int32_t country;
        Texts designations;
    };
    const Case cases[] = {
        {34, {"X5CrNi18-10", "X5CrNi18-10"}}, // 34 takes 32 and 18; one row per occurrence
        {32, {"X5CrNi18-10"}},
        {5, {"(X5CrNi 18 10)"}},
        {18, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.country);
        EXPECT_EQ(texts(manager.GetSymbolsForSteelAndCountry(db(), "1", c.country), "Bezeichnung"),
                  c.designations);
    }
}

TEST_F(DesignationTest, MaterialNumbersOfACountryOnly) {
    EXPECT_EQ(texts(manager.GetRealMaterialNumbersForSteelAndCountry(db(), "1", 34), "Bezeichnung"),
              Texts{"1.4301"});
    EXPECT_EQ(texts(manager.GetRealMaterialNumbersForSteelAndCountry(db(), "1", 32), "Bezeichnung"), Texts{});
    EXPECT_EQ(integers(manager.GetRealMaterialNumbersForSteelAndCountry(db(), "1", 30), "Id_Stahlbez"),
              Ids{15});
}

TEST_F(DesignationTest, KindAndStatusOfOneDesignation) {
    EXPECT_EQ(manager.GetDesignationTypeById(db(), "14"), "F");
    EXPECT_EQ(manager.GetDesignationTypeById(db(), "999"), "");
    EXPECT_EQ(manager.GetStatusForDesignation(db(), "13"), "zurückgezogen");
    EXPECT_EQ(manager.GetStatusForDesignation(db(), "12"), "");
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(DesignationTest, AMalformedIdIsReportedWithTheMethodsName) {
    EXPECT_EQ(manager.GetDesignationTypeById(db(), "14 OR 1=1"), "");
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.events().front()->Modul(), "DesignationManager");
    EXPECT_EQ(log.events().front()->Procedure(), "GetDesignationTypeById");
}

} // namespace
} // namespace servicetest
