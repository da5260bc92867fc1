#include "platform/UserNotifier.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
class Recorder final : public platform::UserNotifier {
public:
    void show(const platform::UserMessage& message) override { shown.push_back(message.text); }
    std::vector<std::string> shown;
};
} // namespace

TEST(UserNotifier, InstalledNotifierReceivesMessagesUntilItsScopeEnds) {
    const auto outer = std::make_shared<Recorder>();
    const auto inner = std::make_shared<Recorder>();
    {
        const platform::ScopedUserNotifier first(outer);
        platform::notifyUser({"one", "", platform::MessageIcon::Information});
        {
            const platform::ScopedUserNotifier second(inner);
            platform::notifyUser({"two", "Title", platform::MessageIcon::None});
        }
        platform::notifyUser({"three", "", platform::MessageIcon::None});
    }
    testing::internal::CaptureStderr();
    platform::notifyUser({"four", "", platform::MessageIcon::None});
    const auto err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(outer->shown, (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(inner->shown, (std::vector<std::string>{"two"}));
    EXPECT_NE(err.find("four"), std::string::npos);
}
