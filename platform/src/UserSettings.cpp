#include "platform/UserSettings.h"

#include "IniFileCache.h"
#include "platform/CallError.h"
#include "platform/Profile.h"
#include "platform/TextCase.h"

#include <cstdlib>

namespace platform {
namespace {

constexpr const char* Source = "UserSettings";

std::optional<std::filesystem::path> configFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && *xdg != '\0' && std::filesystem::path(xdg).is_absolute()) {
        return std::filesystem::path(xdg);
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".config";
    }
    return std::nullopt;
}

/// Saved values are quoted when blanks at their ends or enclosing quotes would otherwise be lost.
std::string stored(std::string_view value) {
    const bool needsQuotes =
        !value.empty() && (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                           value.back() == '\t' || value.front() == '"' || value.front() == '\'');
    if (!needsQuotes) {
        return std::string(value);
    }
    std::string quoted(1, '"');
    quoted += value;
    quoted += '"';
    return quoted;
}

[[noreturn]] void throwInvalid() {
    throw err::error(err::InvalidProcedureCall, Source);
}

[[noreturn]] void throwAccess(const std::filesystem::path& file) {
    throw CallError(err::PathFileAccessError, Source, "Path/File access error: " + file.string());
}

std::filesystem::path writableFile(std::string_view application) {
    const auto file = userSettingsFile(application);
    if (!file) {
        throw CallError(err::PathFileAccessError, Source, "Path/File access error: no configuration folder");
    }
    std::error_code ec;
    std::filesystem::create_directories(file->parent_path(), ec);
    if (ec) {
        throwAccess(*file);
    }
    return *file;
}

} // namespace

std::optional<std::filesystem::path> userSettingsFile(std::string_view application) {
    const auto folder = configFolder();
    if (!folder || application.empty()) {
        return std::nullopt;
    }
    // Application names compare without regard to case, as registry keys do.
    return *folder / std::filesystem::path(foldCase(application)) / "settings.ini";
}

std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                       std::string_view defaultValue) {
    const auto file = userSettingsFile(application);
    if (!file) {
        return std::string(defaultValue);
    }
    if (const auto document = cachedIniDocument(*file)) {
        if (auto value = document->value(section, key)) {
            return std::move(*value);
        }
    }
    return std::string(defaultValue);
}

void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                 std::string_view value) {
    // What the file could not hold is a bad argument, not a failed write.
    if (application.empty() || !IniDocument::isSectionName(section) || !IniDocument::isKeyName(key) ||
        !IniDocument::isValue(value)) {
        throwInvalid();
    }
    const auto file = writableFile(application);
    if (!writeProfileString(section, key, stored(value), file)) {
        throwAccess(file);
    }
}

void DeleteSetting(std::string_view application, std::string_view section,
                   std::optional<std::string_view> key) {
    if (application.empty() || section.empty()) {
        throwInvalid();
    }
    const auto file = userSettingsFile(application);
    if (!file) {
        return;
    }
    const bool ok = key ? deleteProfileKey(section, *key, *file) : deleteProfileSection(section, *file);
    if (!ok) {
        throwAccess(*file);
    }
}

IniDocument::Entries GetAllSettings(std::string_view application, std::string_view section) {
    const auto file = userSettingsFile(application);
    return file ? readProfileSection(section, *file) : IniDocument::Entries{};
}

} // namespace platform
