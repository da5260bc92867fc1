#pragma once

#include "platform/Variant.h"

#include <string>

namespace display {

/// The texts of a range of values as the property and composition tables show them. A bound is
/// absent when it is Null or Empty; numbers show with the user's decimal separator.
class ValueRangeText {
public:
    /// ">=min", "<=max", "~ value" for equal bounds or "min - max", then a blank and the trimmed
    /// unit; empty (without the unit) when both bounds are absent.
    [[nodiscard]] static std::string FormatValueRange(const platform::Variant& minimum,
                                                      const platform::Variant& maximum,
                                                      const std::string& unit);
    /// The value of a property table's value column: as FormatValueRange without the unit.
    [[nodiscard]] static std::string valueText(const platform::Variant& minimum,
                                               const platform::Variant& maximum);
    [[nodiscard]] static bool absent(const platform::Variant& value) {
        return value.isNull() || value.isEmpty();
    }
};

} // namespace display
