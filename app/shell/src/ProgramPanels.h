#pragma once

#include "shell/contract/PanelFactory.h"

namespace shell {

namespace contract {
class ErrorWindow;
}

/// The panels of the program: the one place where the panel libraries plug their makers in. A page
/// whose maker is left empty shows its empty frame. `errorWindow` (owned by the caller, outliving the
/// main window) shows what the shared display strings fail on.
[[nodiscard]] contract::PanelFactory programPanels(contract::ErrorWindow* errorWindow = nullptr);

} // namespace shell
