#pragma once

#include "platform/UserNotifier.h"

#include <set>
#include <string>

namespace platform::qt {
class MessageBoxes;
}

namespace shell {

/// Shows the messages of the libraries (platform::notifyUser) in the program's message box, with the
/// program's title where the message has none. Each text is shown once per run: a file that cannot be
/// written is told at its first failed write, not at every setting stored after it. The program
/// installs one for its whole run; the message boxes must outlive it.
class MessageBoxNotifier final : public platform::UserNotifier {
public:
    explicit MessageBoxNotifier(platform::qt::MessageBoxes* boxes) : m_boxes(boxes) {}
    void show(const platform::UserMessage& message) override;

private:
    platform::qt::MessageBoxes* m_boxes;
    std::set<std::string> m_shown;
};

} // namespace shell
