#pragma once

#include "shell/contract/PanelFactory.h"

#include <functional>

namespace shell::contract {
class ErrorWindow;
}

namespace display {

/// Fills the main window's panel factory with the panels of this folder: the designation selection
/// page, the description, the composition view, the supplier panel, the properties view, the info
/// panel, the standard comparison and the shared display strings. `errorWindow` is asked for the
/// error window when the display strings report a failure (the main window makes it later than
/// the factory).
void addDisplayPanels(shell::contract::PanelFactory& factory,
                      std::function<shell::contract::ErrorWindow*()> errorWindow = {});

} // namespace display
