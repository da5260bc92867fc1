#pragma once

// The per-user application-settings store (the runtime's GetSetting/SaveSetting/DeleteSetting/
// GetAllSettings by application, section and key). Each application has one INI file,
// $XDG_CONFIG_HOME/<application in lower case>/settings.ini ($HOME/.config when XDG_CONFIG_HOME is unset,
// empty or relative); sections and keys are its sections and keys. The location is worked out at every call.
// Values come back exactly as saved, blanks included.

#include "platform/IniDocument.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

/// The store's file of an application; nothing when neither XDG_CONFIG_HOME nor HOME names a folder.
[[nodiscard]] std::optional<std::filesystem::path> userSettingsFile(std::string_view application);

/// The saved value, or the default when there is none (or no store).
[[nodiscard]] std::string GetSetting(std::string_view application, std::string_view section,
                                     std::string_view key, std::string_view defaultValue = {});
/// Creates the folder and file as needed. Throws CallError 5 for an empty application or a section,
/// key or value the file could not hold as given (IniDocument::isSectionName, isKeyName, isValue), 75
/// when the file cannot be written.
void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                 std::string_view value);
/// Removes one key, or with no key the whole section; what is not there is no error. Throws 75 when
/// the file cannot be written.
void DeleteSetting(std::string_view application, std::string_view section,
                   std::optional<std::string_view> key = std::nullopt);
/// The keys of a section with their values, in the order saved.
[[nodiscard]] IniDocument::Entries GetAllSettings(std::string_view application, std::string_view section);

} // namespace platform
