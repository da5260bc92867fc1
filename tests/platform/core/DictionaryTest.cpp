#include "platform/Dictionary.h"

#include "platform/CallError.h"
#include "test_support/Errors.h"

#include <gtest/gtest.h>
#include <string>

using platform::CallError;
using platform::Dictionary;
using platform::Variant;

TEST(Dictionary, KeepsInsertionOrderAndTellsNumberFromTextKeys) {
    Dictionary<std::string> countries;
    countries.add(Variant(34), "Germany");
    countries.add(Variant("34"), "text key");
    countries.add(Variant(16), "France");
    EXPECT_EQ(countries.count(), 3);
    EXPECT_EQ(countries.item(Variant(34)), "Germany");
    EXPECT_EQ(countries.item(Variant("34")), "text key");
    EXPECT_EQ(countries.item(Variant(34.0)), "Germany"); // the same number in another kind
    EXPECT_EQ(countries.keys(), (std::vector<Variant>{Variant(34), Variant("34"), Variant(16)}));
    EXPECT_EQ(countries.items(), (std::vector<std::string>{"Germany", "text key", "France"}));
    EXPECT_FALSE(countries.exists(Variant("Germany")));
    EXPECT_FALSE(countries.exists(Variant(" 34")));
}

TEST(Dictionary, AddingAnExistingKeyFailsAndChangesNothing) {
    Dictionary<> dictionary;
    dictionary.add(Variant("Cr"), Variant(1));
    EXPECT_TRUE(test_support::failsWith([&] { dictionary.add(Variant("Cr"), Variant(2)); },
                                        platform::err::KeyAlreadyExists));
    EXPECT_EQ(dictionary.count(), 1);
    EXPECT_EQ(dictionary.item(Variant("Cr")), Variant(1));
    // Texts compare exactly, as the runtime's default.
    dictionary.add(Variant("cr"), Variant(3));
    EXPECT_EQ(dictionary.count(), 2);
}

TEST(Dictionary, RemoveAndMissingKeys) {
    Dictionary<int> dictionary;
    dictionary.add(Variant(1), 10);
    dictionary.add(Variant(2), 20);
    dictionary.add(Variant(3), 30);
    dictionary.remove(Variant(2));
    EXPECT_EQ(dictionary.keys(), (std::vector<Variant>{Variant(1), Variant(3)}));
    EXPECT_EQ(dictionary.item(Variant(3)), 30);
    EXPECT_EQ(dictionary.find(Variant(2)), nullptr);
    EXPECT_THROW((void)dictionary.item(Variant(2)), CallError);
    EXPECT_EQ(dictionary.count(), 2); // reading a missing key adds nothing
    EXPECT_THROW(dictionary.remove(Variant(2)), CallError);
    dictionary.setItem(Variant(1), 11);
    dictionary.setItem(Variant(4), 40);
    EXPECT_EQ(dictionary.items(), (std::vector<int>{11, 30, 40}));
    dictionary.removeAll();
    EXPECT_EQ(dictionary.count(), 0);
}
