#include "platform/Event.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using platform::Event;
using platform::Subscription;

TEST(Event, HandlersRunInSubscriptionOrderUntilTheirSubscriptionGoes) {
    Event<int, const std::string&> event;
    std::vector<std::string> calls;
    auto first = event.subscribe([&](int n, const std::string& s) {
        calls.push_back(std::string(1, 'a').append(std::to_string(n)).append(s));
    });
    {
        const auto second = event.subscribe([&](int n, const std::string&) {
            calls.push_back(std::string(1, 'b').append(std::to_string(n)));
        });
        event.raise(1, "x");
    }
    event.raise(2, "y");
    first.reset();
    event.raise(3, "z");
    EXPECT_EQ(calls, (std::vector<std::string>{"a1x", "b1", "a2y"}));
    EXPECT_EQ(event.subscriberCount(), 0U);
}

TEST(Event, MovedSubscriptionKeepsTheHandler) {
    Event<> event;
    int calls = 0;
    Subscription kept;
    {
        auto temporary = event.subscribe([&] { ++calls; });
        kept = std::move(temporary);
    }
    event.raise();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(kept.active());
}

TEST(Event, HandlersMayUnsubscribeDuringRaise) {
    Event<> event;
    std::vector<int> calls;
    std::optional<Subscription> second;
    auto first = event.subscribe([&] {
        calls.push_back(1);
        second.reset(); // takes the next handler off before it runs
    });
    second = event.subscribe([&] { calls.push_back(2); });
    event.raise();
    event.raise();
    EXPECT_EQ(calls, (std::vector<int>{1, 1}));
}

TEST(Event, SubscriptionMayOutliveItsEvent) {
    Subscription subscription;
    {
        Event<int> event;
        subscription = event.subscribe([](int) {});
        EXPECT_TRUE(subscription.active());
    }
    EXPECT_FALSE(subscription.active());
    subscription.reset(); // harmless
}
