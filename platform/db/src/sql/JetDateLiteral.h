#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::db::sql {

/// The ISO text ("yyyy-mm-dd", with " hh:mm:ss" when a time is given) of the content of a Jet date
/// literal: US order m/d/y, or y-m-d / y/m/d with a four-digit year first, an optional time with
/// AM/PM. A time alone falls on Jet's day zero, 1899-12-30. Nothing for an invalid date.
[[nodiscard]] std::optional<std::string> isoFromJetDate(std::string_view text);

} // namespace platform::db::sql
