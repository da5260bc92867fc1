#pragma once

#include <string>
#include <string_view>

namespace platform {

/// Case handling of UTF-8 text as the runtime's text comparison does it: section and key names of
/// profile files, keys of collections. Unicode-aware ("Größe" matches "GRÖSSE" only through full case
/// folding, which is what ICU gives).
[[nodiscard]] std::string foldCase(std::string_view text);
[[nodiscard]] bool equalsIgnoreCase(std::string_view a, std::string_view b);
[[nodiscard]] std::string lowerCase(std::string_view text);

/// The runtime's Trim/LTrim/RTrim: only blanks (U+0020) go, not tabs or line ends.
[[nodiscard]] std::string_view trimBlanks(std::string_view text) noexcept;
[[nodiscard]] std::string_view trimLeadingBlanks(std::string_view text) noexcept;
[[nodiscard]] std::string_view trimTrailingBlanks(std::string_view text) noexcept;

} // namespace platform
