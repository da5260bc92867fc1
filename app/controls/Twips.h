#pragma once

#include "platform/qt/QtLanguageForm.h"

#include <cmath>

namespace controls {

using platform::qt::TwipsPerPixel;

/// Lengths the windows give in twips, turned into the pixels Qt lays out with, and back.
[[nodiscard]] inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / platform::qt::TwipsPerPixel));
}

[[nodiscard]] inline int pixelsToTwips(int pixels) {
    return pixels * platform::qt::TwipsPerPixel;
}

} // namespace controls
