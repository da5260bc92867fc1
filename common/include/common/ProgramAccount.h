#pragma once

#include <string_view>

namespace orvik::common {

/// The workgroup account the program's libraries log on with (the workgroup file GK2007.LG holds it).
/// The password is no secret: it stands in the binary for anyone to read, so it keeps out nobody who
/// has the program, only tools that do not know it. It must never appear in a log, an error text or
/// a message box all the same, so that a report does not spread it.
inline constexpr std::string_view ProgramUser = "GK2007PRG";
inline constexpr std::string_view ProgramPassword = "Gk2007-Prg!Wg#19xQz";

} // namespace orvik::common
