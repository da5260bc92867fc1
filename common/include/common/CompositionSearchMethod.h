#pragma once

#include <cstdint>

namespace orvik::common {

/// How the tolerances of a composition condition apply; the composition-search query interprets it.
enum class CompositionSearchMethod : std::int32_t { Inside = 0, Outside = 1 };

} // namespace orvik::common
