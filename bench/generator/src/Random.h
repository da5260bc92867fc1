#pragma once

#include <cstdint>

namespace generator {

/// A small deterministic generator (splitmix64): the same seed gives the same numbers on every
/// platform and standard library, which the distributions of <random> do not promise.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }

    /// A whole number from 0 to `bound` - 1.
    std::int64_t below(std::int64_t bound) {
        return static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(bound));
    }

    /// True with the given percentage.
    bool percent(int chance) { return below(100) < chance; }

    /// A number from `low` to `high` with two decimals.
    double between(double low, double high) {
        const auto steps = static_cast<std::int64_t>((high - low) * 100.0);
        return low + static_cast<double>(below(steps + 1)) / 100.0;
    }

private:
    std::uint64_t m_state;
};

} // namespace generator
