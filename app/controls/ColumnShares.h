#pragma once

#include <vector>

namespace controls {

/// Column widths laid out as shares of a width, each widened to the least its texts need: a column
/// below its minimum takes what it lacks from the columns wider than theirs, in proportion to what
/// they can give, so the total stays the same. When they cannot give enough, every column keeps at
/// least its minimum and the total grows (the grid then scrolls sideways). A column wanted at 0 stays
/// 0 (hidden). Both lists are indexed by column; a missing minimum counts as 0.
[[nodiscard]] std::vector<int> widenToMinimums(const std::vector<int>& wanted,
                                               const std::vector<int>& minimums);

} // namespace controls
