#include "ColumnShares.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace controls {

std::vector<int> widenToMinimums(const std::vector<int>& wanted, const std::vector<int>& minimums) {
    std::vector<int> widths = wanted;
    const auto minimum = [&](std::size_t c) {
        return wanted[c] > 0 && c < minimums.size() ? minimums[c] : 0;
    };
    std::int64_t lacking = 0;
    std::int64_t room = 0;
    for (std::size_t c = 0; c < wanted.size(); ++c) {
        lacking += std::max(0, minimum(c) - wanted[c]);
        room += std::max(0, wanted[c] - minimum(c));
    }
    const std::int64_t given = std::min(lacking, room);
    std::int64_t taken = 0;
    std::size_t last = wanted.size();
    for (std::size_t c = 0; c < wanted.size(); ++c) {
        const int spare = wanted[c] - minimum(c);
        if (spare > 0 && given > 0) {
            const auto share = static_cast<int>(spare * given / room);
            widths[c] -= share;
            taken += share;
            last = c;
        }
        widths[c] = std::max(widths[c], minimum(c));
    }
    // What the shares left over by rounding comes from the last column that gave.
    if (last < wanted.size()) {
        widths[last] = std::max(minimum(last), widths[last] - static_cast<int>(given - taken));
    }
    return widths;
}

} // namespace controls
