#pragma once

#include <string>

namespace orvik::common::VersionText {

/// major as "##" (0 gives nothing), ".", minor as "00", ".", revision as "0000": 5, 1, 3 give "5.01.0003".
[[nodiscard]] std::string format(int major, int minor, int revision);

} // namespace orvik::common::VersionText
