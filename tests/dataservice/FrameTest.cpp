// What every query method shares: on any failure exactly one ManagerException naming the class and
// the method, and the failure value (a null record set, which an empty result is not).

#include "ServiceTestSupport.h"
#include "common/CompositionSearchItems.h"
#include "dataservice/CompositionManager.h"
#include "dataservice/CountryManager.h"
#include "dataservice/DesignationManager.h"
#include "dataservice/FootnoteManager.h"
#include "dataservice/InfoManager.h"
#include "dataservice/MaterialManager.h"
#include "dataservice/ProductShapeManager.h"
#include "dataservice/PropertyFootnoteManager.h"
#include "dataservice/PropertyManager.h"
#include "dataservice/PropertySearchManager.h"
#include "dataservice/StandardManager.h"
#include "dataservice/SteelgroupManager.h"
#include "dataservice/SupplierManager.h"
#include "test_support/FixtureDatabases.h"

#include <functional>
#include <type_traits>

namespace servicetest {
namespace {

using namespace orvik::dataservice;
using orvik::common::CompositionSearchItems;
using orvik::common::CompositionSearchMethod;

constexpr std::int32_t German = 0;

std::shared_ptr<const CompositionSearchItems> chromium() {
    auto items = std::make_shared<CompositionSearchItems>();
    items->Add("Cr", "17", "20", "", "", "", CompositionSearchMethod::Outside, "1");
    return items;
}

/// What one call left behind: whether the result was the method's failure value, the events, and
/// the column names of a record set.
struct Outcome {
    bool failureValue = false;
    std::vector<ExceptionPtr> events;
    std::vector<std::string> columns;
};

struct QueryCase {
    const char* modul;
    const char* procedure;
    std::function<Outcome(const DatabasePtr&)> call;
};

/// Creates a manager of type M, calls `query` on it and reports the outcome. A query returns the
/// record set, or for a scalar method whether the result is the failure value.
template <class M, class Query> std::function<Outcome(const DatabasePtr&)> on(Query query) {
    return [query](const DatabasePtr& db) {
        M manager;
        EventLog log(manager);
        Outcome outcome;
        const auto result = query(manager, db);
        if constexpr (std::is_same_v<std::decay_t<decltype(result)>, RecordsetPtr>) {
            outcome.failureValue = !result;
            if (result) {
                outcome.columns = columnNames(result);
            }
        } else {
            outcome.failureValue = result;
        }
        outcome.events = log.events();
        return outcome;
    };
}

const std::vector<QueryCase>& everyQuery() {
    static const std::vector<QueryCase> cases = {
        {"CountryManager", "GetList",
         on<CountryManager>([](auto& m, auto& db) { return m.GetList(db, German); })},
        {"CountryManager", "GetById",
         on<CountryManager>([](auto& m, auto& db) { return m.GetById(db, 5, German); })},
        {"CountryManager", "GetForSteel",
         on<CountryManager>([](auto& m, auto& db) { return m.GetForSteel(db, "1", German); })},
        {"CountryManager", "GetForProperties",
         on<CountryManager>([](auto& m, auto& db) { return m.GetForProperties(db, German); })},
        {"CountryManager", "GetForDesignationCountry",
         on<CountryManager>([](auto& m, auto& db) { return m.GetForDesignationCountry(db, "101", German); })},
        {"CountryManager", "GetCountryIdBySymbol",
         on<CountryManager>([](auto& m, auto& db) { return m.GetCountryIdBySymbol(db, "D") == -1; })},
        {"CountryManager", "GetCountrySymbolById",
         on<CountryManager>([](auto& m, auto& db) { return m.GetCountrySymbolById(db, 5).empty(); })},
        {"SteelgroupManager", "GetList",
         on<SteelgroupManager>([](auto& m, auto& db) { return m.GetList(db, German); })},
        {"SteelgroupManager", "GetById",
         on<SteelgroupManager>([](auto& m, auto& db) { return m.GetById(db, 1, German); })},
        {"SteelgroupManager", "GetForSteel",
         on<SteelgroupManager>([](auto& m, auto& db) { return m.GetForSteel(db, "1", German); })},
        {"SupplierManager", "GetList", on<SupplierManager>([](auto& m, auto& db) { return m.GetList(db); })},
        {"SupplierManager", "GetForSteel",
         on<SupplierManager>([](auto& m, auto& db) { return m.GetForSteel(db, "1"); })},
        {"SupplierManager", "GetAddressById",
         on<SupplierManager>([](auto& m, auto& db) { return m.GetAddressById(db, 1).empty(); })},
        {"SupplierManager", "GetName2ByIdAndBranch",
         on<SupplierManager>([](auto& m, auto& db) { return m.GetName2ByIdAndBranch(db, 1, 1).empty(); })},
        {"SupplierManager", "GetForDesignation",
         on<SupplierManager>([](auto& m, auto& db) { return m.GetForDesignation(db, "14"); })},
        {"SupplierManager", "GetForSteelExport",
         on<SupplierManager>([](auto& m, auto& db) { return m.GetForSteelExport(db, "1", German); })},
        {"SupplierManager", "GetForSteelAndProductShape",
         on<SupplierManager>([](auto& m, auto& db) { return m.GetForSteelAndProductShape(db, "1", 1); })},
        {"ProductShapeManager", "GetForSteelgroup",
         on<ProductShapeManager>([](auto& m, auto& db) { return m.GetForSteelgroup(db, 2, German); })},
        {"FootnoteManager", "GetForDesignation",
         on<FootnoteManager>([](auto& m, auto& db) { return m.GetForDesignation(db, "11", German); })},
        {"InfoManager", "GetInfoTitles",
         on<InfoManager>([](auto& m, auto& db) { return m.GetInfoTitles(db, German); })},
        {"InfoManager", "GetInfosForSteel",
         on<InfoManager>([](auto& m, auto& db) { return m.GetInfosForSteel(db, "1", German); })},
        {"InfoManager", "GetInfoForSteelAndTitle",
         on<InfoManager>([](auto& m, auto& db) { return m.GetInfoForSteelAndTitle(db, "1", 5, German); })},
        {"MaterialManager", "GetMaterialList", on<MaterialManager>([](auto& m, auto& db) {
             return m.GetMaterialList(db, -1, -1, -1, -1, -1, true, true, true, "");
         })},
        {"CompositionManager", "GetElementList",
         on<CompositionManager>([](auto& m, auto& db) { return m.GetElementList(db); })},
        {"CompositionManager", "GetCompostionsForMaterialAndCountry",
         on<CompositionManager>(
             [](auto& m, auto& db) { return m.GetCompostionsForMaterialAndCountry(db, "1", 5); })},
        {"CompositionManager", "GetValuesForComposition",
         on<CompositionManager>([](auto& m, auto& db) { return m.GetValuesForComposition(db, "1"); })},
        {"CompositionManager", "GetFootnotesForComposition", on<CompositionManager>([](auto& m, auto& db) {
             return m.GetFootnotesForComposition(db, "1", German);
         })},
        {"CompositionManager", "GetCompositionById",
         on<CompositionManager>([](auto& m, auto& db) { return m.GetCompositionById(db, "1"); })},
        {"CompositionManager", "SearchCompositions",
         on<CompositionManager>([](auto& m, auto& db) { return m.SearchCompositions(db, 0, chromium()); })},
        {"CompositionManager", "FuzzySearchCompositions", on<CompositionManager>([](auto& m, auto& db) {
             return m.FuzzySearchCompositions(db, 0, chromium(), 3, 20);
         })},
        {"DesignationManager", "GetMaterialNumbersForSteel",
         on<DesignationManager>([](auto& m, auto& db) { return m.GetMaterialNumbersForSteel(db, "1"); })},
        {"DesignationManager", "GetTradenamesForSteelAndSupplier",
         on<DesignationManager>(
             [](auto& m, auto& db) { return m.GetTradenamesForSteelAndSupplier(db, "1", 1); })},
        {"DesignationManager", "GetTop1MaterialNumber", on<DesignationManager>([](auto& m, auto& db) {
             return m.GetTop1MaterialNumber(db, "1", 5).empty();
         })},
        {"DesignationManager", "GetSymbolsForSteel",
         on<DesignationManager>([](auto& m, auto& db) { return m.GetSymbolsForSteel(db, "1"); })},
        {"DesignationManager", "GetSymbolsForSteelAndCountry", on<DesignationManager>([](auto& m, auto& db) {
             return m.GetSymbolsForSteelAndCountry(db, "1", 34);
         })},
        {"DesignationManager", "GetRealMaterialNumbersForSteelAndCountry",
         on<DesignationManager>(
             [](auto& m, auto& db) { return m.GetRealMaterialNumbersForSteelAndCountry(db, "1", 5); })},
        {"DesignationManager", "GetDesignationTypeById", on<DesignationManager>([](auto& m, auto& db) {
             return m.GetDesignationTypeById(db, "11").empty();
         })},
        {"DesignationManager", "GetStatusForDesignation", on<DesignationManager>([](auto& m, auto& db) {
             return m.GetStatusForDesignation(db, "13").empty();
         })},
        {"StandardManager", "GetList",
         on<StandardManager>([](auto& m, auto& db) { return m.GetList(db, German); })},
        {"StandardManager", "GetDetailsById",
         on<StandardManager>([](auto& m, auto& db) { return m.GetDetailsById(db, 100, German); })},
        {"StandardManager", "GetForSteel",
         on<StandardManager>([](auto& m, auto& db) { return m.GetForSteel(db, "1", German); })},
        {"StandardManager", "GetForSteelAndCountry",
         on<StandardManager>([](auto& m, auto& db) { return m.GetForSteelAndCountry(db, "1", 34, German); })},
        {"StandardManager", "GetForPropertiesSteelAndCountry", on<StandardManager>([](auto& m, auto& db) {
             return m.GetForPropertiesSteelAndCountry(db, "1", 5, German);
         })},
        {"StandardManager", "GetStandardDocuments",
         on<StandardManager>([](auto& m, auto& db) { return m.GetStandardDocuments(db, 100); })},
        {"StandardManager", "GetStandardComparisonsForSteel", on<StandardManager>([](auto& m, auto& db) {
             return m.GetStandardComparisonsForSteel(db, "1", 5, German);
         })},
        {"PropertyManager", "GetPropertyTypeList",
         on<PropertyManager>([](auto& m, auto& db) { return m.GetPropertyTypeList(db, German); })},
        {"PropertyManager", "GetPropertyStandardBySteelId", on<PropertyManager>([](auto& m, auto& db) {
             return m.GetPropertyStandardBySteelId(db, "1", 5, German);
         })},
        {"PropertyManager", "GetPropertiesBySteelAndType", on<PropertyManager>([](auto& m, auto& db) {
             return m.GetPropertiesBySteelAndType(db, "1", 5, 1, German);
         })},
        {"PropertyManager", "GetPropertiesBySteelAndCountry", on<PropertyManager>([](auto& m, auto& db) {
             return m.GetPropertiesBySteelAndCountry(db, "1", 5, German);
         })},
        {"PropertyManager", "GetPropertyValuesBySearchResult", on<PropertyManager>([](auto& m, auto& db) {
             return m.GetPropertyValuesBySearchResult(db, "1", 5, "900", 1, German);
         })},
        {"PropertyManager", "GetPropertiesForMatrixAndType", on<PropertyManager>([](auto& m, auto& db) {
             return m.GetPropertiesForMatrixAndType(db, "900", 1, German).empty();
         })},
        {"PropertyFootnoteManager", "GetFootnoteIdListByPropertyValueId",
         on<PropertyFootnoteManager>(
             [](auto& m, auto& db) { return m.GetFootnoteIdListByPropertyValueId(db, "1"); })},
        {"PropertyFootnoteManager", "GetFootnoteById",
         on<PropertyFootnoteManager>([](auto& m, auto& db) { return m.GetFootnoteById(db, "1", German); })},
        {"PropertyFootnoteManager", "GetFootnoteByPropertyValueId",
         on<PropertyFootnoteManager>(
             [](auto& m, auto& db) { return m.GetFootnoteByPropertyValueId(db, "1", German); })},
        {"PropertySearchManager", "GetSearchFields",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetSearchFields(db); })},
        {"PropertySearchManager", "GetPropertiesForSearch",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetPropertiesForSearch(db, German); })},
        {"PropertySearchManager", "GetPropertySearchId",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetPropertySearchId(db, 1) == 0; })},
        {"PropertySearchManager", "GetStatesForSearch",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetStatesForSearch(db, German); })},
        {"PropertySearchManager", "GetStateSearchId",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetStateSearchId(db, 1) == 0; })},
        {"PropertySearchManager", "GetCoolingsForSearch",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetCoolingsForSearch(db, German); })},
        {"PropertySearchManager", "GetCoolingSearchId",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetCoolingSearchId(db, 1) == 0; })},
        {"PropertySearchManager", "GetDurationsForSearch",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetDurationsForSearch(db, German); })},
        {"PropertySearchManager", "GetDurationSearchId",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetDurationSearchId(db, 1) == 0; })},
        {"PropertySearchManager", "GetFormsForSearch",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetFormsForSearch(db, German); })},
        {"PropertySearchManager", "GetFormSearchId",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetFormSearchId(db, 1) == 0; })},
        {"PropertySearchManager", "GetSpecimensForSearch",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetSpecimensForSearch(db, German); })},
        {"PropertySearchManager", "GetSpecimenSearchId",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetSpecimenSearchId(db, 1) == 0; })},
        {"PropertySearchManager", "GetClassificationsForSearch",
         on<PropertySearchManager>(
             [](auto& m, auto& db) { return m.GetClassificationsForSearch(db, German); })},
        {"PropertySearchManager", "GetClassificationSearchId",
         on<PropertySearchManager>(
             [](auto& m, auto& db) { return m.GetClassificationSearchId(db, 1) == 0; })},
        {"PropertySearchManager", "GetPropertyUnitStringById",
         on<PropertySearchManager>(
             [](auto& m, auto& db) { return m.GetPropertyUnitStringById(db, 1).empty(); })},
        {"PropertySearchManager", "GetTemperatureTendencyStringByID",
         on<PropertySearchManager>(
             [](auto& m, auto& db) { return m.GetTemperatureTendencyStringByID(db, 1) == 0; })},
        {"PropertySearchManager", "GetDRMTendencyStringByID",
         on<PropertySearchManager>([](auto& m, auto& db) { return m.GetDRMTendencyStringByID(db, 2) == 0; })},
        {"PropertySearchManager", "ExecuteRecordset", on<PropertySearchManager>([](auto& m, auto& db) {
             return m.ExecuteRecordset(db, "SELECT ID_Eigenschaft FROM tabEigenschaft;");
         })},
    };
    return cases;
}

void expectOneFailure(const QueryCase& query, const Outcome& outcome) {
    SCOPED_TRACE(std::string(query.modul) + "." + query.procedure);
    EXPECT_TRUE(outcome.failureValue);
    ASSERT_EQ(outcome.events.size(), 1u);
    ASSERT_TRUE(outcome.events.front());
    EXPECT_EQ(outcome.events.front()->Modul(), query.modul);
    EXPECT_EQ(outcome.events.front()->Procedure(), query.procedure);
    EXPECT_NE(outcome.events.front()->Number(), 0);
    EXPECT_FALSE(outcome.events.front()->Description().empty());
}

class FrameTest : public FixtureTest {};

// A database without the materials tables: every query fails, each once.
TEST(FrameFailureTest, EveryQueryOnADatabaseWithoutItsTablesRaisesOneEventAndReturnsItsFailureValue) {
    TempFolder dir;
    const auto path = dir.file("Empty.MDB");
    test_support::buildScratchDatabase(path, {"CREATE TABLE tabUnrelated (x INTEGER);"});
    Opener opener;
    const auto db = opener.open(path);
    for (const auto& query : everyQuery()) {
        expectOneFailure(query, query.call(db));
    }
}

TEST(FrameFailureTest, EveryQueryWithoutADatabaseRaisesOneEventAndReturnsItsFailureValue) {
    for (const auto& query : everyQuery()) {
        expectOneFailure(query, query.call(DatabasePtr{}));
    }
}

// The same calls on the fixture succeed without an event; a failure therefore comes from the database.
TEST_F(FrameTest, EveryQueryOnTheFixtureRunsWithoutAnEvent) {
    for (const auto& query : everyQuery()) {
        SCOPED_TRACE(std::string(query.modul) + "." + query.procedure);
        const auto outcome = query.call(db());
        EXPECT_TRUE(outcome.events.empty())
            << (outcome.events.empty() ? "" : outcome.events.front()->Description());
        // Columns are named as the statement names them, however the engine runs the joins.
        for (const auto& column : outcome.columns) {
            EXPECT_EQ(column.find(':'), std::string::npos) << column;
        }
    }
}

// The statements run on the delivered sample content too (the material list on its filter database).
TEST(SampleDatabaseTest, EveryQueryRunsOnTheSampleDatabase) {
    if (!std::filesystem::exists(GK_SAMPLE_GRAUKANT_MDB) || !std::filesystem::exists(GK_SAMPLE_FILTER_MDB)) {
        GTEST_SKIP() << "the sample databases are not built";
    }
    Opener opener;
    const auto db = opener.open(GK_SAMPLE_GRAUKANT_MDB);
    const auto filter = opener.open(GK_SAMPLE_FILTER_MDB);
    for (const auto& query : everyQuery()) {
        SCOPED_TRACE(std::string(query.modul) + "." + query.procedure);
        const bool onFilter = std::string_view(query.modul) == "MaterialManager";
        const auto outcome = query.call(onFilter ? filter : db);
        EXPECT_TRUE(outcome.events.empty())
            << (outcome.events.empty() ? "" : outcome.events.front()->Description());
    }
}

TEST_F(FrameTest, AnEmptyResultIsAnEmptyRecordSetNotANullOne) {
    InfoManager manager;
    EventLog log(manager);
    const auto rs = manager.GetInfosForSteel(db(), "3", German);
    ASSERT_TRUE(rs);
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(FrameTest, UserDefinedLanguageReadsTheEnglishColumns) {
    CountryManager manager;
    const auto rs = manager.GetById(db(), 5, 3);
    ASSERT_TRUE(rs);
    EXPECT_EQ(texts(rs, "Land"), std::vector<std::string>{"Germany"});
}

TEST_F(FrameTest, LanguageWithoutAColumnOrOutOfRangeFailsOnce) {
    for (const std::int32_t lang : {4, 5, -1}) {
        SCOPED_TRACE(lang);
        CountryManager manager;
        EventLog log(manager);
        EXPECT_FALSE(manager.GetList(db(), lang));
        ASSERT_EQ(log.count(), 1u);
        EXPECT_EQ(log.events().front()->Procedure(), "GetList");
    }
}

TEST_F(FrameTest, IdTextsAreTakenOnlyAsWholeNumbers) {
    struct Case {
        const char* id;
        bool accepted;
    };
    const Case cases[] = {{"1", true},    {" 1 ", true},       {"+1", true},  {"-1", true},   {"", false},
                          {"1.0", false}, {"1 OR 1=1", false}, {"1;", false}, {"abc", false}, {"--1", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        SteelgroupManager manager;
        EventLog log(manager);
        const auto rs = manager.GetForSteel(db(), c.id, German);
        EXPECT_EQ(static_cast<bool>(rs), c.accepted);
        EXPECT_EQ(log.count(), c.accepted ? 0u : 1u);
    }
}

TEST_F(FrameTest, IdTextWithBlanksReadsTheSameSteel) {
    SteelgroupManager manager;
    EXPECT_EQ(integers(manager.GetForSteel(db(), " +1 ", German), "ID_Stahlgruppe"),
              std::vector<std::int64_t>{2});
}

TEST_F(FrameTest, TwoManagersOfOneClassOnDifferentDatabasesDoNotAffectEachOther) {
    TempFolder dir;
    const auto path = dir.file("Empty.MDB");
    test_support::buildScratchDatabase(path, {"CREATE TABLE tabUnrelated (x INTEGER);"});
    Opener opener;
    const auto empty = opener.open(path);

    CountryManager first;
    EventLog firstLog(first);
    EXPECT_FALSE(first.GetList(empty, German));
    CountryManager second;
    EventLog secondLog(second);
    EXPECT_TRUE(second.GetList(db(), German));
    EXPECT_TRUE(first.GetList(db(), German));
    EXPECT_EQ(firstLog.count(), 1u);
    EXPECT_EQ(secondLog.count(), 0u);
}

TEST_F(FrameTest, AHandlerThatThrowsIsNotReportedASecondTime) {
    CountryManager manager;
    int calls = 0;
    const auto subscription = manager.ManagerException.subscribe([&](const ExceptionPtr&) {
        ++calls;
        throw std::runtime_error("handler failed");
    });
    EXPECT_THROW((void)manager.GetList(db(), 4), std::runtime_error);
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace servicetest
