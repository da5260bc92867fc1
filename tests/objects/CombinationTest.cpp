// The combination of search results: which results count, which one drives, the intersection by
// designation occurrence and the list's cursor.

#include "PrintTestSupport.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/MaterialItems.h"
#include "test_support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using orvik::objects::CombinationResultBuilder;
using orvik::objects::CombinationResultList;
using orvik::objects::MaterialItem;
using orvik::objects::MaterialItems;

// Result rows of three searches: occurrence, steel, designation, text, sort position, country.
const char* const results = R"(
CREATE TABLE tabTreffer (Suche TEXT, Nr INTEGER, Id_StahlbezVorkommen INTEGER, Id_Stahl INTEGER,
                         Id_Stahlbez INTEGER, Bezeichnung TEXT, IndexSort INTEGER, Id_Land INTEGER);
INSERT INTO tabTreffer VALUES
 ('B', 1, 101, 1, 11, '1.0038', 1, 1), ('B', 2, 102, 1, 12, 'S235JR', 2, 1),
 ('B', 3, 201, 2, 21, '1.0570', 1, 1), ('B', 4, 202, 2, 22, 'S355J2', 2, 1),
 ('B', 5, 301, 3, 31, '1.4301', 1, 1), ('B', 6, 302, 3, 32, 'X5CrNi18-10', 2, 1),
 ('B', 7, 303, 3, 33, '304', 1, 4), ('B', 8, 401, 4, 41, '1.7225', 1, 1),
 ('B', 9, 402, 4, 42, '42CrMo4', 2, 1), ('B', 10, 501, 5, 51, '1.0503', 1, 1),
 ('A', 1, 303, 3, 33, '304', 1, 4), ('A', 2, 202, 2, 22, 'S355J2', 2, 1),
 ('A', 3, 999, 9, 91, 'fremd', 1, 1),
 ('C', 1, 202, 2, 22, 'S355J2', 2, 1), ('C', 2, 102, 1, 12, 'S235JR', 2, 1),
 ('C', 3, 303, 3, 33, '304', 1, 4), ('C', 4, 401, 4, 41, '1.7225', 1, 1),
 ('N', 1, NULL, 9, 92, 'ohne', 1, 1), ('N', 2, 202, 2, 22, 'S355J2', 2, 1),
 ('N', 3, 303, 3, 33, '304', 1, 4);
)";

class CombinationTest : public ::testing::Test {
protected:
    CombinationResultBuilder::RecordsetPtr search(const char* which) {
        return m_db.rows(std::string("SELECT * FROM tabTreffer WHERE Suche = '") + which + "' ORDER BY Nr");
    }
    CombinationResultBuilder::RecordsetPtr none() { return search("leer"); }

    static std::shared_ptr<MaterialItems> propertyHits(const std::vector<int>& occurrences) {
        auto items = std::make_shared<MaterialItems>();
        for (const int occurrence : occurrences) {
            auto item = std::make_shared<MaterialItem>();
            item->IdDesigCountry = std::to_string(occurrence);
            item->ID_Steel = std::to_string(occurrence / 100);
            item->ID_Label = "L" + std::to_string(occurrence);
            item->Designation = "P" + std::to_string(occurrence);
            item->IdCountry = 7;
            item->Order = occurrence % 100;
            items->Add(std::move(item));
        }
        return items;
    }

    static std::vector<std::string> occurrences(CombinationResultList& list) {
        std::vector<std::string> ids;
        for (list.MoveFirst(); list.Current(); list.MoveNext()) {
            ids.push_back(list.Current()->IdDesigCountry);
            if (list.position() == list.Count()) {
                break;
            }
        }
        return ids;
    }

    propstest::ScratchDatabase m_db{results};
};

TEST_F(CombinationTest, DesignationCompositionAndPropertyGiveTheirIntersection) {
    CombinationResultBuilder builder;
    builder.SetDesignationResultSet(search("B"), true);
    builder.SetCompositionResultSet(search("A"), true);
    builder.SetExtendedCompositionResultSet(search("C"), true);
    builder.SetPropertyResult(propertyHits({402, 303, 202, 101}), true);
    builder.IncludeDesignation(true);
    builder.IncludeComposition(true);
    builder.IncludeProperty(true);
    // The property result drives: its order, its fields.
    const auto list = builder.Build();
    EXPECT_EQ(occurrences(*list), (std::vector<std::string>{"303", "202"}));
    list->MoveFirst();
    EXPECT_EQ(list->Current()->Designation, "P303");
    EXPECT_EQ(list->Current()->idSteel, "3");
    EXPECT_EQ(list->Current()->IdDesignation, "L303");
    EXPECT_EQ(list->Current()->IdCountry, 7);
    EXPECT_EQ(builder.Build(), list) << "the same list without a change";

    // Without the property result the smallest set (composition, 3 rows) drives.
    builder.IncludeProperty(false);
    builder.IncludeExtComposition(true);
    EXPECT_EQ(occurrences(*builder.Build()), (std::vector<std::string>{"303", "202"}));
    list->MoveFirst();
    EXPECT_EQ(list->Current()->idSteel, "3");
    EXPECT_EQ(list->Current()->IdDesignation, "33");
    EXPECT_EQ(list->Current()->Designation, "304");
    EXPECT_EQ(list->Current()->Order, 1);
    EXPECT_EQ(list->Current()->IdCountry, 4);
}

TEST_F(CombinationTest, SmallerSetDrivesWhicheverWasSetFirst) {
    for (const bool designationFirst : {true, false}) {
        CombinationResultBuilder builder;
        if (designationFirst) {
            builder.SetDesignationResultSet(search("B"), true);
            builder.SetExtendedCompositionResultSet(search("C"), true);
        } else {
            builder.SetExtendedCompositionResultSet(search("C"), true);
            builder.SetDesignationResultSet(search("B"), true);
        }
        builder.IncludeDesignation(true);
        builder.IncludeExtComposition(true);
        EXPECT_EQ(occurrences(*builder.Build()), (std::vector<std::string>{"202", "102", "303", "401"}));
    }
}

TEST_F(CombinationTest, FewerThanTwoPossibleResultsOrAnEmptyOneGiveAnEmptyList) {
    struct Case {
        const char* name;
        bool designation, composition, extended;
        bool compositionEmpty;
    };
    const Case cases[] = {
        {"one included", true, false, false, false},
        {"empty one with one other", true, true, false, true},
        {"empty one drives two others", true, true, true, true},
    };
    for (const auto& c : cases) {
        CombinationResultBuilder builder;
        builder.SetDesignationResultSet(search("B"), true);
        builder.SetCompositionResultSet(c.compositionEmpty ? none() : search("A"), true);
        builder.SetExtendedCompositionResultSet(search("C"), true);
        builder.IncludeDesignation(c.designation);
        builder.IncludeComposition(c.composition);
        builder.IncludeExtComposition(c.extended);
        EXPECT_EQ(builder.Build()->Count(), 0) << c.name;
    }
}

TEST_F(CombinationTest, PropertyResultDrivesAgainstOneRecordSet) {
    CombinationResultBuilder builder;
    builder.SetCompositionResultSet(search("A"), true);
    // The order is the property result's; 102 is not in the composition result.
    builder.SetPropertyResult(propertyHits({999, 303, 202, 102}), true);
    builder.IncludeComposition(true);
    builder.IncludeProperty(true);
    EXPECT_EQ(occurrences(*builder.Build()), (std::vector<std::string>{"999", "303", "202"}));
}

TEST_F(CombinationTest, NewResultsSwitchEverythingOffAndResetKeepsTheDesignationResult) {
    CombinationResultBuilder builder;
    int resets = 0;
    const auto subscription = builder.ListReseted.subscribe([&] { ++resets; });
    builder.SetDesignationResultSet(search("B"), true);
    EXPECT_EQ(resets, 1);
    builder.IncludeDesignation(true);
    builder.SetPropertyResult(propertyHits({303}), true);
    EXPECT_EQ(resets, 2);
    EXPECT_FALSE(builder.IncludeDesignation());

    builder.Reset();
    EXPECT_EQ(resets, 3);
    EXPECT_TRUE(builder.DesignationCombinationPossible());
    EXPECT_FALSE(builder.PropertyCombinationPossible());
    builder.SetPropertyResult(propertyHits({303, 501}), true);
    builder.IncludeDesignation(true);
    builder.IncludeProperty(true);
    EXPECT_EQ(occurrences(*builder.Build()), (std::vector<std::string>{"303", "501"}));
}

TEST_F(CombinationTest, FailingBuildRaisesOnceAndReturnsAnEmptyList) {
    // A result without the occurrence column cannot be searched.
    propstest::ScratchDatabase other("CREATE TABLE t (x INTEGER); INSERT INTO t VALUES (1), (2);");
    CombinationResultBuilder builder;
    std::vector<std::shared_ptr<const orvik::common::Exception>> errors;
    const auto subscription =
        builder.ThrowException.subscribe([&](const auto& error) { errors.push_back(error); });
    builder.SetDesignationResultSet(search("B"), true);
    builder.SetCompositionResultSet(other.rows("SELECT * FROM t"), true);
    builder.IncludeDesignation(true);
    builder.IncludeComposition(true);
    const auto list = builder.Build();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Count(), 0);
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_EQ(errors[0]->Modul(), "CombinationResultBuilder");
    EXPECT_EQ(errors[0]->Procedure(), "Build");
}

TEST(CombinationResultListTest, CursorStaysWithinTheList) {
    CombinationResultList list;
    list.add(nullptr);
    EXPECT_EQ(list.Count(), 0);
    for (const char* id : {"1", "2", "3"}) {
        auto item = std::make_shared<orvik::objects::CombinationResultItem>();
        item->IdDesigCountry = id;
        list.add(item);
    }
    EXPECT_EQ(list.Current(), nullptr);
    list.MoveNext();
    EXPECT_EQ(list.position(), 0);
    EXPECT_EQ(list.Current(), nullptr);
    list.MoveNext();
    EXPECT_EQ(list.Current()->IdDesigCountry, "1");
    list.Move(0);
    list.Move(4);
    EXPECT_EQ(list.position(), 1);
    list.MoveLast();
    list.MoveNext();
    EXPECT_EQ(list.Current()->IdDesigCountry, "3");
    list.MovePrevious();
    EXPECT_EQ(list.Current()->IdDesigCountry, "2");
    list.MoveFirst();
    list.MovePrevious();
    EXPECT_EQ(list.position(), 1);
    list.Clear();
    EXPECT_EQ(list.position(), -1);
    list.MoveFirst();
    EXPECT_EQ(list.position(), -1);
}

TEST(MaterialItemsTest, OneHitPerDesignationOccurrence) {
    MaterialItems items;
    for (const char* designation : {"first", "second"}) {
        auto item = std::make_shared<MaterialItem>();
        item->IdDesigCountry = "42";
        item->Designation = designation;
        items.Add(item);
    }
    EXPECT_EQ(items.Count(), 1);
    EXPECT_EQ(items.Item("42")->Designation, "first");
    EXPECT_EQ(items.Item(2), nullptr);
    EXPECT_TRUE(items.Exists("42"));
}

TEST_F(CombinationTest, AResultRowWithoutOccurrenceMatchesNothing) {
    CombinationResultBuilder builder;
    builder.SetDesignationResultSet(search("B"), true);
    builder.SetCompositionResultSet(search("N"), true);
    builder.SetPropertyResult(propertyHits({101, 303, 202, 999}), true);
    builder.IncludeDesignation(true);
    builder.IncludeComposition(true);
    builder.IncludeProperty(true);
    EXPECT_EQ(occurrences(*builder.Build()), (std::vector<std::string>{"303", "202"}));
}

} // namespace
