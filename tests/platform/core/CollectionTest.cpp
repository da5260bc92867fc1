#include "platform/Collection.h"

#include "platform/CallError.h"
#include "test_support/Errors.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::Collection;
using platform::Variant;

namespace {

using test_support::errorNumber;

Collection<std::string> elements() {
    Collection<std::string> c;
    c.add("carbon", "C");
    c.add("chromium", "Cr");
    c.add("no key");
    c.add("größe", "GRÖSSE");
    return c;
}

} // namespace

TEST(Collection, ReachesItemsByPositionFromOneOrByKeyIgnoringCase) {
    const auto c = elements();
    EXPECT_EQ(c.count(), 4);
    EXPECT_EQ(c.item(1), "carbon");
    EXPECT_EQ(c.item(3), "no key");
    EXPECT_EQ(c.item("cr"), "chromium");
    EXPECT_EQ(c.item("größe"), "größe");
    EXPECT_EQ(c.item(Variant(2)), "chromium");
    EXPECT_EQ(c.item(Variant(1.5)), "chromium"); // positions round as CLng
    EXPECT_EQ(c.item(Variant("CR")), "chromium");
    EXPECT_EQ((std::vector<std::string>(c.begin(), c.end())),
              (std::vector<std::string>{"carbon", "chromium", "no key", "größe"}));
}

TEST(Collection, FailuresCarryTheRuntimesNumbers) {
    auto c = elements();
    EXPECT_EQ(errorNumber([&] { c.add("again", "CR"); }), platform::err::KeyAlreadyExists);
    EXPECT_EQ(c.count(), 4);
    EXPECT_EQ(errorNumber([&] { (void)c.item(0); }), platform::err::SubscriptOutOfRange);
    EXPECT_EQ(errorNumber([&] { (void)c.item(5); }), platform::err::SubscriptOutOfRange);
    EXPECT_EQ(errorNumber([&] { (void)c.item("Mo"); }), platform::err::InvalidProcedureCall);
    EXPECT_EQ(errorNumber([&] { (void)c.item(Variant::null()); }), platform::err::TypeMismatch);
    EXPECT_EQ(c.find(0), nullptr);
    EXPECT_EQ(c.find(Variant(5)), nullptr);
    EXPECT_EQ(c.find(Variant("Mo")), nullptr);
    EXPECT_EQ(c.find(Variant(1e12)), nullptr);
}

TEST(Collection, RemoveKeepsKeysOfTheRest) {
    auto c = elements();
    c.remove("c");
    EXPECT_EQ(c.item(1), "chromium");
    EXPECT_EQ(c.item("Cr"), "chromium");
    c.remove(2);
    EXPECT_EQ(c.item("Grösse"), "größe");
    EXPECT_EQ(c.count(), 2);
    c.add("carbon again", "C"); // its key is free again
    EXPECT_EQ(c.item("C"), "carbon again");
}

TEST(Collection, AddBeforePutsTheItemAtThePositionAndKeepsEveryKey) {
    Collection<std::string> c;
    c.addBefore(1, "only", "1"); // into an empty collection: simply added
    c.add("second", "2");
    c.addBefore(1, "front", "3");
    c.addBefore(2, "after front", "4");
    c.addBefore(5, "last", "5");
    EXPECT_EQ((std::vector<std::string>(c.begin(), c.end())),
              (std::vector<std::string>{"front", "after front", "only", "second", "last"}));
    EXPECT_EQ(c.item(1), "front");
    EXPECT_EQ(c.item("1"), "only");
    EXPECT_EQ(c.item("2"), "second");
    EXPECT_EQ(c.item("3"), "front");
    EXPECT_EQ(c.item("4"), "after front");
    EXPECT_EQ(errorNumber([&] { c.addBefore(1, "again", "2"); }), platform::err::KeyAlreadyExists);
    EXPECT_EQ(errorNumber([&] { c.addBefore(7, "beyond", "7"); }), platform::err::SubscriptOutOfRange);
    EXPECT_EQ(errorNumber([&] { c.addBefore(0, "before", "8"); }), platform::err::SubscriptOutOfRange);
    EXPECT_EQ(c.count(), 5);
    EXPECT_EQ(c.item(1), "front");
}
