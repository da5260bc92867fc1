#pragma once

#include <memory>
#include <string>

namespace platform {

/// The icon of a message, as the message boxes of the Windows platform had them.
enum class MessageIcon { None, Information, Exclamation, Critical };

/// A message for the user from code that has no windows. An empty title means the program's title.
struct UserMessage {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
};

/// How Qt-free code shows a message to the user (OK-only; it waits until the user has seen it). The
/// program installs one that shows message boxes; until then messages go to standard error.
class UserNotifier {
public:
    virtual ~UserNotifier() = default;
    virtual void show(const UserMessage& message) = 0;
};

/// Writes "title: text" to standard error.
class StandardErrorNotifier final : public UserNotifier {
public:
    void show(const UserMessage& message) override;
};

/// The process has one current notifier: the libraries that show messages are stateless and are
/// called from everywhere, so it cannot be handed to each of them. This slot is the only global
/// state of the platform layer. installUserNotifier returns the one it replaces; nullptr restores
/// the standard-error default.
std::shared_ptr<UserNotifier> installUserNotifier(std::shared_ptr<UserNotifier> notifier);
void notifyUser(const UserMessage& message);

/// Installs a notifier for its lifetime and puts the previous one back (tests, modal scopes).
class ScopedUserNotifier {
public:
    explicit ScopedUserNotifier(std::shared_ptr<UserNotifier> notifier)
        : m_previous(installUserNotifier(std::move(notifier))) {}
    ScopedUserNotifier(const ScopedUserNotifier&) = delete;
    ScopedUserNotifier& operator=(const ScopedUserNotifier&) = delete;
    ~ScopedUserNotifier() { installUserNotifier(std::move(m_previous)); }

private:
    std::shared_ptr<UserNotifier> m_previous;
};

} // namespace platform
