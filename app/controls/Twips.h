#pragma once

#include "common/qt/QtLanguageForm.h"

#include <cmath>

namespace controls {

using orvik::common::qt::TwipsPerPixel;

/// Lengths the windows give in twips, turned into the pixels Qt lays out with, and back.
[[nodiscard]] inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / orvik::common::qt::TwipsPerPixel));
}

[[nodiscard]] inline int pixelsToTwips(int pixels) {
    return pixels * orvik::common::qt::TwipsPerPixel;
}

} // namespace controls
