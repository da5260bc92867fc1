#include "common/CompositionSearchItems.h"
#include "common/PropertySearchItems.h"
#include "platform/CallError.h"
#include "test_support/Errors.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using orvik::common::CompositionSearchItem;
using orvik::common::CompositionSearchItems;
using orvik::common::CompositionSearchMethod;
using orvik::common::PropertySearchItems;
using platform::Variant;

namespace {

CompositionSearchItems analysis() {
    CompositionSearchItems items;
    items.Add("Cr", " 12 ", "14", "", "0,5", "0,5", CompositionSearchMethod::Inside, "1");
    items.Add(" Mo ", "0,4", "0,55", "", "", "", CompositionSearchMethod::Outside, "2");
    items.Add("Ni", "8", "10", " 9 ", "", "", CompositionSearchMethod::Outside, "3");
    return items;
}

std::vector<std::string> elements(const CompositionSearchItems& items) {
    std::vector<std::string> result;
    for (const auto& item : items) {
        result.push_back(item->Element());
    }
    return result;
}

} // namespace

TEST(CompositionSearchItems, AddTrimsAndASingleValueReplacesTheRange) {
    const auto items = analysis();
    ASSERT_EQ(items.Count(), 3);
    const auto cr = items.item("Cr");
    EXPECT_EQ(cr->MinValue(), "12");
    EXPECT_EQ(cr->MaxValue(), "14");
    EXPECT_EQ(cr->ToleranceMin(), "0,5");
    EXPECT_EQ(cr->SearchMethod(), CompositionSearchMethod::Inside);
    EXPECT_EQ(items.item("Mo")->Element(), "Mo");
    const auto ni = items.item(3);
    EXPECT_EQ(ni->SingleValue(), "9");
    EXPECT_EQ(ni->MinValue(), "");
    EXPECT_EQ(ni->MaxValue(), "");
}

TEST(CompositionSearchItems, BlankSingleValueKeepsTheRange) {
    CompositionSearchItems items;
    const auto added = items.Add("Cr", "12", "14", "   ", "", "", CompositionSearchMethod::Outside, "1");
    EXPECT_EQ(added, items.item("Cr")) << "Add hands back the item it added";
    EXPECT_EQ(items.item("Cr")->MinValue(), "12");
    EXPECT_EQ(items.item("Cr")->MaxValue(), "14");
    EXPECT_EQ(items.item("Cr")->SingleValue(), "");
}

TEST(CompositionSearchItems, DuplicateElementFailsWithTheCollectionsErrorAndChangesNothing) {
    auto items = analysis();
    for (const char* again : {"Cr", "cr", " CR "}) {
        EXPECT_TRUE(test_support::failsWith(
            [&] { items.Add(again, "1", "2", "", "", "", CompositionSearchMethod::Outside, "9"); },
            platform::err::KeyAlreadyExists))
            << again;
    }
    EXPECT_EQ(items.Count(), 3);
    EXPECT_EQ(items.item("Cr")->MinValue(), "12");
}

TEST(CompositionSearchItems, ItemFindsByPositionOrSymbolAndElseGivesNothing) {
    const auto items = analysis();
    EXPECT_EQ(items.item(Variant(1))->Element(), "Cr");
    EXPECT_EQ(items.item(Variant("cr"))->Element(), "Cr");
    EXPECT_EQ(items.item("MO")->Element(), "Mo");
    EXPECT_EQ(items.item(0), nullptr);
    EXPECT_EQ(items.item(items.Count() + 1), nullptr);
    EXPECT_EQ(items.item("Fe"), nullptr);
    EXPECT_EQ(items.item(Variant::null()), nullptr);
    EXPECT_EQ(elements(items), (std::vector<std::string>{"Cr", "Mo", "Ni"}));
}

TEST(CompositionSearchItems, CopyIsIndependentAndHasNoOrder) {
    const auto items = analysis();
    const auto copy = items.Copy();
    ASSERT_EQ(copy->Count(), items.Count());
    EXPECT_EQ(elements(*copy), elements(items));
    for (std::int32_t i = 1; i <= copy->Count(); ++i) {
        const auto original = items.item(i);
        const auto copied = copy->item(i);
        EXPECT_NE(original, copied);
        EXPECT_EQ(copied->Order(), "");
        EXPECT_EQ(copied->MinValue(), original->MinValue());
        EXPECT_EQ(copied->MaxValue(), original->MaxValue());
        EXPECT_EQ(copied->SingleValue(), original->SingleValue());
        EXPECT_EQ(copied->ToleranceMin(), original->ToleranceMin());
        EXPECT_EQ(copied->ToleranceMax(), original->ToleranceMax());
        EXPECT_EQ(copied->SearchMethod(), original->SearchMethod());
    }
    copy->item("Cr")->MinValue("11");
    EXPECT_EQ(items.item("Cr")->MinValue(), "12");
}

TEST(CompositionSearchItem, StartsEmptyWithOutside) {
    const CompositionSearchItem item;
    EXPECT_EQ(item.Element(), "");
    EXPECT_EQ(item.SearchMethod(), CompositionSearchMethod::Outside);
}

TEST(PropertySearchItems, ItemsAreKeyedByARunningCounter) {
    PropertySearchItems items;
    items.Add("Rm", false, 0, " 500", "700 ");
    items.Add("Haerte", true, 17, "", "");
    items.Add("A", false, 0, "20", "");
    ASSERT_EQ(items.Count(), 3);
    const auto second = items.item(2);
    EXPECT_EQ(second->Fieldname(), "Haerte");
    EXPECT_TRUE(second->IsSelection());
    EXPECT_EQ(second->SelectedId(), 17);
    EXPECT_EQ(items.item("2"), second);
    EXPECT_EQ(items.item(1)->MinValue(), " 500"); // kept exactly
    EXPECT_EQ(items.item(1)->MaxValue(), "700 ");
    EXPECT_EQ(items.item(4), nullptr);
    EXPECT_EQ(items.item("4"), nullptr);
    EXPECT_EQ(items.item(0), nullptr);
    std::vector<std::string> names;
    for (const auto& item : items) {
        names.push_back(item->Fieldname());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Rm", "Haerte", "A"}));
}

TEST(PropertySearchItem, StartsEmpty) {
    const orvik::common::PropertySearchItem item;
    EXPECT_EQ(item.Fieldname(), "");
    EXPECT_FALSE(item.IsSelection());
    EXPECT_EQ(item.SelectedId(), 0);
}
