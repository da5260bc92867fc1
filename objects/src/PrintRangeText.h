#pragma once

#include "platform/Variant.h"

#include <string>

namespace orvik::objects {

/// A range of a property value as the data sheet shows it: "a - b", ">=a", "<=b" or "~ a" (numbers
/// in the user's notation), then a blank and the unit; the empty text without bounds. Null and
/// Empty both count as no bound.
[[nodiscard]] std::string rangeText(const platform::Variant& minimum, const platform::Variant& maximum,
                                    const std::string& unit);

} // namespace orvik::objects
