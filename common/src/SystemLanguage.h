#pragma once

#include <string>
#include <string_view>

namespace orvik::common {

/// The English name of the language of a locale name such as "de_DE.UTF-8" ("German"); the language
/// code itself for a language without a name here, "" for the C and POSIX locales.
[[nodiscard]] std::string languageNameOfLocale(std::string_view locale);

/// The English name of the user's language (platform::UserLocale).
[[nodiscard]] std::string GetSystemLanguageName();

} // namespace orvik::common
