#include "platform/UserNotifier.h"

#include <iostream>

namespace platform {
namespace detail {

// External linkage on purpose (not in an unnamed namespace): every shared library that links this
// static library resolves the symbol to the one definition the dynamic linker picks, so all of them
// share the program's notifier.
std::shared_ptr<UserNotifier>& currentNotifier();
std::shared_ptr<UserNotifier>& currentNotifier() {
    static std::shared_ptr<UserNotifier> notifier = std::make_shared<StandardErrorNotifier>();
    return notifier;
}

} // namespace detail

using detail::currentNotifier;

void StandardErrorNotifier::show(const UserMessage& message) {
    std::cerr << (message.title.empty() ? std::string("Graukant 2007") : message.title) << ": "
              << message.text << std::endl;
}

std::shared_ptr<UserNotifier> installUserNotifier(std::shared_ptr<UserNotifier> notifier) {
    auto previous = std::move(currentNotifier());
    currentNotifier() = notifier ? std::move(notifier) : std::make_shared<StandardErrorNotifier>();
    return previous;
}

void notifyUser(const UserMessage& message) {
    // A copy, so that a notifier that installs another while showing stays alive until it returns.
    const auto notifier = currentNotifier();
    notifier->show(message);
}

} // namespace platform
