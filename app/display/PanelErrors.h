#pragma once

#include <QString>
#include <functional>

namespace shell::contract {
class Panel;
}

namespace display {

/// Runs a panel's procedure and shows what it throws in the panel's error window under the module
/// and procedure names given; false when it failed. Without an error window the failure is only
/// swallowed, so that a panel never lets an object-model error escape into the event loop.
bool trapped(shell::contract::Panel& panel, const QString& modul, const QString& procedure,
             const std::function<void()>& body);

} // namespace display
