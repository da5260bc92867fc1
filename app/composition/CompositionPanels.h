#pragma once

#include "shell/contract/PanelFactory.h"

namespace composition {

/// Fills the main window's panel factory with the composition search panel, made twice (simple and
/// advanced) under the control name the main window gives.
void addCompositionPanels(shell::contract::PanelFactory& factory);

} // namespace composition
