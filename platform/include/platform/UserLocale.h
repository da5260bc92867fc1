#pragma once

#include <string>

namespace platform {

/// The user's decimal separator and language, as the locale queries of the Windows platform gave
/// them. current() works them out from the environment at the moment of the call, as the process
/// locale would (no cache, no global state):
/// - decimal separator: GK_DECIMAL_SEPARATOR when set and not empty (tests and containers without
///   installed locales fix it this way); else the radix character of the first of LC_ALL, LC_NUMERIC,
///   LANG that is set, when that locale is installed; else ".".
/// - language: the language code of the first of LC_ALL, LC_MESSAGES, LANG that is set ("de" for
///   "de_DE.UTF-8"), lower case; "" for C, POSIX or none. Needs no installed locale.
/// A value object: callers that convert many numbers may take one and pass it on.
class UserLocale {
public:
    UserLocale(std::string decimalSeparator, std::string language)
        : m_decimalSeparator(std::move(decimalSeparator)), m_language(std::move(language)) {}

    [[nodiscard]] static UserLocale current();
    [[nodiscard]] static std::string currentDecimalSeparator();
    [[nodiscard]] static std::string currentLanguage();

    /// Never empty; may be more than one byte (UTF-8).
    [[nodiscard]] const std::string& decimalSeparator() const noexcept { return m_decimalSeparator; }
    /// ISO 639 code in lower case, or "" when the locale names no language.
    [[nodiscard]] const std::string& language() const noexcept { return m_language; }

private:
    std::string m_decimalSeparator;
    std::string m_language;
};

} // namespace platform
