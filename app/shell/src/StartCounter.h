#pragma once

#include <cstdint>
#include <optional>

namespace shell {

/// The start counter: from 1 July 2010 on, every start is counted in the settings, and the notice of a
/// newer edition is shown on the first counted start and on every tenth up to the hundredth.
class StartCounter {
public:
    struct Count {
        /// The value to store.
        std::int32_t counter = 0;
        bool showNotice = false;
    };

    static constexpr std::int32_t FirstCountedDay = 20100701;

    /// `today` as yyyymmdd, `stored` the counter kept so far. Nothing before the first counted day. The
    /// counter stays at its largest value instead of overflowing.
    [[nodiscard]] static std::optional<Count> next(std::int32_t today, std::int32_t stored);
};

} // namespace shell
