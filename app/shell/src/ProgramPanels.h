#pragma once

#include "shell/contract/PanelFactory.h"

namespace shell {

/// The panels of the program: the one place where the panel libraries plug their makers in. A page
/// whose maker is left empty shows its empty frame.
[[nodiscard]] contract::PanelFactory programPanels();

} // namespace shell
