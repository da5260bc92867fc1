#include "platform/UserLocale.h"

#include <cstdlib>
#include <initializer_list>
#include <langinfo.h>
#include <locale.h>
#include <string_view>

namespace platform {
namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view{} : std::string_view(value);
}

std::string_view firstSet(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (const auto value = environment(name); !value.empty()) {
            return value;
        }
    }
    return {};
}

bool namesNoLanguage(std::string_view localeName) {
    return localeName.empty() || localeName == "C" || localeName == "POSIX" || localeName.starts_with("C.");
}

/// RAII owner of a locale_t.
class LocaleHandle {
public:
    explicit LocaleHandle(const std::string& name)
        : m_locale(newlocale(LC_NUMERIC_MASK, name.c_str(), nullptr)) {}
    LocaleHandle(const LocaleHandle&) = delete;
    LocaleHandle& operator=(const LocaleHandle&) = delete;
    ~LocaleHandle() {
        if (m_locale != nullptr) {
            freelocale(m_locale);
        }
    }
    [[nodiscard]] locale_t get() const noexcept { return m_locale; }

private:
    locale_t m_locale;
};

} // namespace

UserLocale UserLocale::current() {
    return UserLocale(currentDecimalSeparator(), currentLanguage());
}

std::string UserLocale::currentDecimalSeparator() {
    if (const auto fixed = environment("GK_DECIMAL_SEPARATOR"); !fixed.empty()) {
        return std::string(fixed);
    }
    const auto name = firstSet({"LC_ALL", "LC_NUMERIC", "LANG"});
    if (namesNoLanguage(name)) {
        return ".";
    }
    const LocaleHandle locale{std::string(name)};
    if (locale.get() == nullptr) {
        return ".";
    }
    const char* radix = nl_langinfo_l(RADIXCHAR, locale.get());
    return (radix == nullptr || *radix == '\0') ? std::string(".") : std::string(radix);
}

std::string UserLocale::currentLanguage() {
    const auto name = firstSet({"LC_ALL", "LC_MESSAGES", "LANG"});
    if (namesNoLanguage(name)) {
        return {};
    }
    const auto code = name.substr(0, name.find_first_of("_.@"));
    std::string result;
    for (const char c : code) {
        result += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return result;
}

} // namespace platform
