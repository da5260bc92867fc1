#pragma once

#include "shell/contract/PanelFactory.h"

namespace property {

/// Fills the main window's panel factory with the property search panel and the window that combines
/// the results of the searches.
void addPropertyPanels(shell::contract::PanelFactory& factory);

} // namespace property
