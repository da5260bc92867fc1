// The material list: which designation occurrences each combination of filters and designation
// kinds lists, in display order, on the fixture's stored queries.

#include "ServiceTestSupport.h"
#include "dataservice/MaterialManager.h"

namespace servicetest {
namespace {

using orvik::dataservice::MaterialManager;
using Ids = std::vector<std::int64_t>;

struct Kinds {
    bool materialNumbers;
    bool symbols;
    bool tradenames;
};
constexpr Kinds W{true, false, false};
constexpr Kinds K{false, true, false};
constexpr Kinds F{false, false, true};
constexpr Kinds WK{true, true, false};
constexpr Kinds WF{true, false, true};
constexpr Kinds KF{false, true, true};
constexpr Kinds WKF{true, true, true};

struct Filters {
    std::int32_t steelgroup = -1;
    std::int32_t standard = -1;
    std::int32_t standardType = -1;
    std::int32_t supplier = -1;
    std::int32_t country = -1;
};

struct ListCase {
    const char* name;
    Filters filters;
    Kinds kinds;
    const char* pattern;
    bool suppressNationalEn;
    Ids occurrences;
};

class MaterialListTest : public FixtureTest {
protected:
    RecordsetPtr list(const ListCase& c, EventLog** logOut = nullptr) {
        m_manager = std::make_unique<MaterialManager>([suppress = c.suppressNationalEn] { return suppress; });
        m_log = std::make_unique<EventLog>(*m_manager);
        if (logOut != nullptr) {
            *logOut = m_log.get();
        }
        return m_manager->GetMaterialList(
            db(), c.filters.steelgroup, c.filters.standard, c.filters.standardType, c.filters.supplier,
            c.filters.country, c.kinds.materialNumbers, c.kinds.symbols, c.kinds.tradenames, c.pattern);
    }

    std::unique_ptr<MaterialManager> m_manager;
    std::unique_ptr<EventLog> m_log;
};

TEST_F(MaterialListTest, FilterCombinationsAndDesignationKinds) {
    const std::vector<ListCase> cases = {
        // One kind alone lists every designation of it, suppressed or not.
        {"material numbers", {}, W, "", false, {101, 102, 107, 108, 112, 115}},
        {"symbols", {}, K, "", false, {103, 104, 105, 109, 110, 113, 114, 116}},
        {"trade names", {}, F, "", false, {106, 111, 117}},
        {"numbers and symbols",
         {},
         WK,
         "",
         false,
         {101, 102, 107, 103, 104, 105, 108, 109, 110, 112, 113, 114, 115, 116}},
        // Mixed with trade names, the rows suppressed for the kind are left out.
        {"numbers and trade names", {}, WF, "", false, {101, 107, 106, 108, 111, 112, 115, 117}},
        {"symbols and trade names", {}, KF, "", false, {103, 104, 106, 109, 110, 111, 113, 114, 116, 117}},
        {"all kinds",
         {},
         WKF,
         "",
         false,
         {101, 107, 103, 104, 106, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117}},
        {"all kinds without European national designations",
         {},
         WKF,
         "",
         true,
         {101, 107, 103, 104, 106, 108, 109, 111, 112, 113, 114, 115, 116, 117}},
        // Countries: 32 and 18 include the designations of 34; 34 only its own.
        {"country 34", {.country = 34}, K, "", false, {103, 109, 114}},
        {"country 32 with 34", {.country = 32}, K, "", false, {103, 104, 109, 114}},
        {"country 18 with 34, European suppression off",
         {.country = 18},
         WKF,
         "",
         true,
         {103, 109, 110, 114}},
        {"country 5", {.country = 5}, WK, "", false, {101, 105, 108, 112, 113}},
        // Steel groups: up to 9999 the main group, above it the detailed group.
        {"main group 1", {.steelgroup = 1}, W, "", false, {108, 112}},
        {"detailed group 10001", {.steelgroup = 10001}, W, "", false, {108}},
        {"group and country", {.steelgroup = 1, .country = 34}, K, "", false, {109, 114}},
        // Standards are tested together with their type.
        {"standard with its type", {.standard = 100, .standardType = 3}, WK, "", false, {102, 103}},
        {"standard with another type", {.standard = 100, .standardType = 1}, WK, "", false, {}},
        {"standard, European suppression off", {.standard = 200, .standardType = 1}, K, "", true, {105}},
        {"standard and group",
         {.steelgroup = 1, .standard = 300, .standardType = 3},
         K,
         "",
         false,
         {109, 114}},
        {"standard and country",
         {.standard = 300, .standardType = 3, .country = 34},
         K,
         "",
         false,
         {109, 114}},
        // Suppliers.
        {"supplier", {.supplier = 1}, KF, "", false, {103, 104, 106}},
        {"supplier and group", {.steelgroup = 2, .supplier = 2}, F, "", false, {106}},
        {"supplier and country", {.supplier = 1, .country = 32}, K, "", false, {103, 104}},
        {"standard and supplier", {.standard = 100, .standardType = 3, .supplier = 1}, K, "", false, {103}},
        {"every filter",
         {.steelgroup = 2, .standard = 100, .standardType = 3, .supplier = 1, .country = 34},
         K,
         "",
         false,
         {103}},
        {"every filter but the country",
         {.steelgroup = 2, .standard = 100, .standardType = 3, .supplier = 1},
         WKF,
         "",
         false,
         {103}},
        // The caller's pattern, on the searched form of the designation (blanks removed).
        {"pattern", {}, K, "SuchBezeichnung LIKE 'X5CrNi18*'", false, {103, 104, 105}},
        {"pattern without kinds",
         {},
         {false, false, false},
         "SuchBezeichnung LIKE 'C45*'",
         false,
         {113, 114}},
        {"pattern with country", {.country = 5}, WKF, "SuchBezeichnung LIKE '1.*'", false, {101, 108, 112}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EventLog* log = nullptr;
        const auto rs = list(c, &log);
        ASSERT_TRUE(rs);
        EXPECT_EQ(integers(rs, "Id_StahlbezVorkommen"), c.occurrences);
        EXPECT_EQ(log->count(), 0u);
    }
}

// The program runs the list on the filter database, whose stored queries have the same columns.
TEST_F(MaterialListTest, TheFilterDatabaseListsTheSameRows) {
    const Filters filters[] = {
        {},
        {.country = 32},
        {.steelgroup = 1},
        {.standard = 100, .standardType = 3},
        {.supplier = 1},
        {.steelgroup = 2, .standard = 100, .standardType = 3, .supplier = 1, .country = 34}};
    for (const auto& f : filters) {
        for (const bool suppress : {false, true}) {
            MaterialManager manager([suppress] { return suppress; });
            EventLog log(manager);
            const auto onMain = manager.GetMaterialList(db(), f.steelgroup, f.standard, f.standardType,
                                                        f.supplier, f.country, true, true, true, "");
            const auto onFilter =
                manager.GetMaterialList(filterDb(), f.steelgroup, f.standard, f.standardType, f.supplier,
                                        f.country, true, true, true, "");
            ASSERT_TRUE(onMain);
            ASSERT_TRUE(onFilter);
            EXPECT_EQ(columnNames(onFilter), columnNames(onMain));
            EXPECT_EQ(integers(onFilter, "Id_StahlbezVorkommen"), integers(onMain, "Id_StahlbezVorkommen"));
            EXPECT_EQ(log.count(), 0u);
        }
    }
}

TEST_F(MaterialListTest, RowsCarryTheListColumnsAndTheCountry) {
    const auto rs = list({"", {.country = 32}, K, "", false, {}});
    ASSERT_TRUE(rs);
    const std::vector<std::string> expected = {"Id_Stahl",    "Id_Stahlbez",     "Id_StahlbezVorkommen",
                                               "Bezeichnung", "SuchBezeichnung", "Kennung",
                                               "IndexSort",   "Id_Land"};
    EXPECT_EQ(columnNames(rs), expected);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Bezeichnung").asText(), "X5CrNi18-10");
    EXPECT_EQ(rs->field("Id_Land").asInteger(), 34);
    rs->moveNext();
    EXPECT_EQ(rs->field("Id_Land").asInteger(), 32);
}

TEST_F(MaterialListTest, PatternTextWithAQuoteIsTheCallersCondition) {
    EventLog* log = nullptr;
    const auto rs = list({"", {}, K, "SuchBezeichnung LIKE 'O''K*'", false, {}}, &log);
    ASSERT_TRUE(rs);
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(log->count(), 0u);
}

TEST_F(MaterialListTest, WithoutKindsOrPatternTheListFailsOnce) {
    for (const bool suppress : {false, true}) {
        EventLog* log = nullptr;
        EXPECT_FALSE(list({"", {}, {false, false, false}, "  ", suppress, {}}, &log));
        ASSERT_EQ(log->count(), 1u);
        EXPECT_EQ(log->events().front()->Modul(), "MaterialManager");
        EXPECT_EQ(log->events().front()->Procedure(), "GetMaterialList");
    }
}

TEST_F(MaterialListTest, TheSettingIsAskedAtEachCall) {
    bool suppress = false;
    MaterialManager manager([&] { return suppress; });
    const auto count = [&] {
        return integers(manager.GetMaterialList(db(), -1, -1, -1, -1, -1, true, true, true, ""),
                        "Id_StahlbezVorkommen")
            .size();
    };
    const auto shown = count();
    suppress = true;
    EXPECT_EQ(count(), shown - 1);
}

} // namespace
} // namespace servicetest
