// The property tables of a sample steel and the pick lists made from them: one entry per standard
// and per property, numbered in the order of first appearance, groups as the data sheet needs them.

#include "ObjectsTestSupport.h"
#include "objects/Material.h"
#include "objects/PropertyBag.h"
#include "objects/PropertyBags.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using platform::Variant;

void expectNumberedOnce(const platform::Dictionary<orvik::objects::ListItem>& items) {
    std::int32_t order = 0;
    std::set<std::string> ids;
    for (const auto& entry : items) {
        EXPECT_EQ(entry.item.Order(), ++order);
        EXPECT_EQ(entry.key.asText(), entry.item.id().asText());
        EXPECT_TRUE(ids.insert(entry.key.asText()).second) << entry.key.asText();
        EXPECT_FALSE(entry.item.Designation().empty()) << entry.key.asText();
    }
}

TEST(MaterialPropertyLists, StandardsAndPropertiesOfTheTablesEachOnce) {
    objectstest::TestProgram program;
    const auto app = objectstest::connectedApplication();
    // S235JR (designation 2) in Europe: mechanical properties under EN 10025-2 (standard 1).
    const auto material = app->Material("1", "2", Variant(2));
    objectstest::ErrorLog log(material->Error);

    const auto bags = material->PropertyBags();
    ASSERT_NE(bags, nullptr);
    ASSERT_GT(bags->Count(), 0);
    EXPECT_EQ(material->PropertyBags(), bags) << "the tables are kept";

    const auto standards = material->GetPropertyStandardList();
    ASSERT_NE(standards, nullptr);
    expectNumberedOnce(*standards);
    EXPECT_TRUE(standards->exists(Variant("1")));

    const auto mechanical = material->GetPropertyList(1);
    ASSERT_NE(mechanical, nullptr);
    expectNumberedOnce(*mechanical);
    std::set<std::string> names;
    for (const auto& entry : *mechanical) {
        names.insert(entry.item.Designation());
    }
    EXPECT_TRUE(names.contains("Zugfestigkeit"));
    EXPECT_TRUE(names.contains("Kerbschlagarbeit (Charpy-V)"));
    EXPECT_EQ(material->GetPropertyList(4)->keys(), mechanical->keys());
    EXPECT_EQ(material->GetPropertyList(6)->count(), 0);
    EXPECT_EQ(log.count(), 0U);
}

TEST(MaterialPropertyLists, WithoutConnectionTheListsAreMissingAndReported) {
    orvik::objects::Material material;
    objectstest::ErrorLog log(material.Error);
    EXPECT_EQ(material.GetPropertyStandardList(), nullptr);
    EXPECT_EQ(material.GetPropertyList(1), nullptr);
    ASSERT_EQ(log.count(), 2U);
    EXPECT_EQ(log.errors().front().Number(), orvik::objects::Material::NoConnection);
}

} // namespace
