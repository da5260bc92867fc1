#include "StartCounter.h"

#include <limits>

namespace shell {

std::optional<StartCounter::Count> StartCounter::next(std::int32_t today, std::int32_t stored) {
    if (today < FirstCountedDay) {
        return std::nullopt;
    }
    const std::int32_t n = stored == std::numeric_limits<std::int32_t>::max() ? stored : stored + 1;
    return Count{n, (n == 1 || n % 10 == 0) && n < 101};
}

} // namespace shell
