#include "platform/Variant.h"

#include <gtest/gtest.h>

using platform::Variant;

TEST(Variant, NullEmptyAndValuesAreDistinct) {
    const Variant empty;
    const Variant null = Variant::null();
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(null.isNull());
    EXPECT_NE(empty, null);
    EXPECT_NE(Variant(0), Variant(false));
    EXPECT_NE(Variant(""), empty);
    EXPECT_EQ(Variant("1.4301"), Variant(std::string("1.4301")));
}

TEST(Variant, TypesAreReported) {
    struct Case {
        Variant value;
        Variant::Type type;
    };
    const Case cases[] = {
        {Variant(), Variant::Type::Empty},
        {Variant::null(), Variant::Type::Null},
        {Variant(42), Variant::Type::Integer},
        {Variant(0.5), Variant::Type::Double},
        {Variant("x"), Variant::Type::Text},
        {Variant(true), Variant::Type::Boolean},
        {Variant(platform::Date{}), Variant::Type::Date},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.type(), c.type);
    }
}
