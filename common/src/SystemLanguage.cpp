#include "SystemLanguage.h"

#include "platform/UserLocale.h"

#include <array>
#include <utility>

namespace orvik::common {

std::string languageNameOfLocale(std::string_view locale) {
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    if (code.empty() || code == "C" || code == "POSIX") {
        return {};
    }
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> names{{
        {"de", "German"},
        {"fr", "French"},
        {"en", "English"},
        {"it", "Italian"},
        {"es", "Spanish"},
        {"nl", "Dutch"},
        {"sv", "Swedish"},
        {"pl", "Polish"},
    }};
    for (const auto& [key, name] : names) {
        if (code == key) {
            return std::string(name);
        }
    }
    return std::string(code);
}

std::string GetSystemLanguageName() {
    return languageNameOfLocale(platform::UserLocale::currentLanguage());
}

} // namespace orvik::common
