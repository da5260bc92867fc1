#pragma once

#include <string_view>

namespace orvik::common {

/// The workgroup account the program's libraries log on with (the workgroup file GK2007.LG holds it).
inline constexpr std::string_view ProgramUser = "GK2007PRG";
inline constexpr std::string_view ProgramPassword = "Gk2007-Prg!Wg#19xQz";

} // namespace orvik::common
