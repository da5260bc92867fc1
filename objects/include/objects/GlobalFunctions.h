#pragma once

#include "platform/Variant.h"

#include <string>

namespace orvik::objects {

/// Conversions the windows call without an object.
class GlobalFunctions {
public:
    /// "" for Null, else the value's text without blanks at both ends.
    [[nodiscard]] static std::string CVarStr(const platform::Variant& vValue);
};

} // namespace orvik::objects
