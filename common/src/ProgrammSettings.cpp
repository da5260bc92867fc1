#include "common/ProgrammSettings.h"

#include "common/Helper.h"
#include "common/RunningProgram.h"
#include "platform/CallError.h"
#include "platform/Profile.h"
#include "platform/TextCase.h"
#include "platform/UserNotifier.h"
#include "platform/UserSettings.h"
#include "platform/VbConvert.h"

#include <algorithm>
#include <string>

namespace orvik::common {
namespace {

constexpr std::string_view Registry = "Graukant2007";
constexpr std::string_view IniName = "velmo2007.ini";
constexpr std::string_view Global = "Global";
constexpr std::string_view AppStart = "AppStart";
constexpr std::string_view Material = "Material";

// The read rules. A conversion that fails (overflow) gives 0, as the accessors skip failed steps.

double numericValue(const std::string& text) {
    try {
        return platform::Val(text);
    } catch (const platform::CallError&) {
        return 0.0;
    }
}

std::int32_t asLong(const std::string& text) {
    try {
        return platform::CLng(platform::Variant(numericValue(text)));
    } catch (const platform::CallError&) {
        return 0;
    }
}

std::int16_t asInteger(const std::string& text) {
    try {
        return platform::CInt(platform::Variant(numericValue(text)));
    } catch (const platform::CallError&) {
        return 0;
    }
}

/// The strict conversion: the whole text must be a number in the user's notation.
std::int16_t asStrictInteger(const std::string& text) {
    try {
        return platform::CInt(platform::Variant(text));
    } catch (const platform::CallError&) {
        return 0;
    }
}

bool isTrimmedOne(const std::string& text) {
    return platform::trimBlanks(text) == "1";
}

std::string boolText(bool value) {
    return value ? "1" : "0";
}

} // namespace

std::string ProgrammSettings::ReadIni(std::string_view section, std::string_view key,
                                      std::string_view defaultValue, const std::filesystem::path& file) {
    // The reader yields the default for an absent key; an empty value, or an empty default, yields
    // the default in lower case.
    std::string value = platform::readProfileString(section, key, defaultValue, file);
    if (value.empty()) {
        return platform::lowerCase(defaultValue);
    }
    value = std::string(platform::trimTrailingBlanks(value));
    if (!value.empty() && value.back() == '\0') {
        value.pop_back();
    }
    return value;
}

bool ProgrammSettings::WriteIni(std::string_view section, std::string_view key, std::string_view value,
                                const std::filesystem::path& file) {
    if (platform::writeProfileString(section, key, value, file)) {
        return true;
    }
    reportUnwritableFile(file);
    return false;
}

void ProgrammSettings::reportUnwritableFile(const std::filesystem::path& file) {
    std::error_code ec;
    const auto full = std::filesystem::absolute(file, ec);
    platform::notifyUser(
        {"Fehler beim Schreiben der Datei: " + (ec ? file : full).string(), "", platform::MessageIcon::None});
}

std::string ProgrammSettings::programFolder() {
    // A running program keeps to its own folder: the per-user value names whichever copy started last.
    if (auto own = RunningProgram::folder()) {
        return Helper::Backslash(*own);
    }
    return Helper::Backslash(platform::GetSetting(Registry, "Path", "App"));
}

std::filesystem::path ProgrammSettings::LocalIniFile() {
    return programFolder() + std::string(IniName);
}

std::string ProgrammSettings::read(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) {
    return ReadIni(section, key, defaultValue, LocalIniFile());
}

bool ProgrammSettings::write(std::string_view section, std::string_view key, std::string_view value) {
    return WriteIni(section, key, value, LocalIniFile());
}

void ProgrammSettings::ApplicationPath(std::string_view value) {
    platform::SaveSetting(Registry, "Path", "App", value);
}
std::string ProgrammSettings::ApplicationPath() const {
    return programFolder();
}

void ProgrammSettings::writeOrKeep(std::string_view section, std::string_view key, const std::string& text) {
    const bool written = write(section, key, text);
    try {
        if (!written) {
            platform::SaveSetting(Registry, section, key, text);
        } else if (!platform::GetSetting(Registry, section, key).empty()) {
            platform::DeleteSetting(Registry, section, key);
        }
    } catch (const platform::CallError&) {
        // Neither file takes it: the value stays where it was.
    }
}

std::string ProgrammSettings::kept(std::string_view section, std::string_view key) {
    return platform::GetSetting(Registry, section, key);
}

void ProgrammSettings::AppCounter(std::int32_t value) {
    // Where the INI file cannot be written the count goes on in the per-user store, so that the
    // new-edition notice still comes only at its starts.
    writeOrKeep(AppStart, "Count", std::to_string(value));
}
std::int32_t ProgrammSettings::AppCounter() const {
    return std::max(asLong(read(AppStart, "Count", "0")), asLong(kept(AppStart, "Count")));
}

void ProgrammSettings::Symbols(std::int32_t value) {
    write(Global, "SymbolSize", std::to_string(value));
}
std::int32_t ProgrammSettings::Symbols() const {
    return asLong(read(Global, "SymbolSize", "1"));
}

void ProgrammSettings::IdDesignationCountry(std::string_view value) {
    write(Material, "DesignationCountryId", value);
}
std::string ProgrammSettings::IdDesignationCountry() const {
    return read(Material, "DesignationCountryId", "");
}

void ProgrammSettings::DesignationType(std::string_view value) {
    write(Material, "DesignationType", value);
}
std::string ProgrammSettings::DesignationType() const {
    return read(Material, "DesignationType", "");
}

void ProgrammSettings::Designation(std::string_view value) {
    write(Material, "Designation", value);
}
std::string ProgrammSettings::Designation() const {
    return read(Material, "Designation", "");
}

void ProgrammSettings::AdjustFormSize(bool value) {
    write(AppStart, "AdjustSize", boolText(value));
}
bool ProgrammSettings::AdjustFormSize() const {
    return asInteger(read(AppStart, "AdjustSize", "0")) == 1;
}

void ProgrammSettings::DirectElementInput(bool value) {
    write(Global, "DirectElementInput", boolText(value));
}
bool ProgrammSettings::DirectElementInput() const {
    return isTrimmedOne(read(Global, "DirectElementInput", "0"));
}

void ProgrammSettings::SuppressNationalEnDesignations(bool value) {
    write(Global, "SuppressNationalEnDesignations", boolText(value));
}
bool ProgrammSettings::SuppressNationalEnDesignations() const {
    return isTrimmedOne(read(Global, "SuppressNationalEnDesignations", "0"));
}

void ProgrammSettings::CurrentLanguage(Language value) {
    // A program folder installed read-only keeps the installed language in its INI file: the user's
    // choice then lives in the per-user store, so that the next start shows it too.
    writeOrKeep(Global, "Language", std::to_string(static_cast<std::int32_t>(value)));
}
Language ProgrammSettings::CurrentLanguage() const {
    const std::string choice = kept(Global, "Language");
    return static_cast<Language>(asLong(choice.empty() ? read(Global, "Language", "0") : choice));
}

void ProgrammSettings::SelfDefined(bool value) {
    write(Global, "LanguageSelfdefined", boolText(value));
}
bool ProgrammSettings::SelfDefined() const {
    return read(Global, "LanguageSelfdefined", "0") == "1";
}

void ProgrammSettings::StahlAktivieren(std::int16_t value) {
    write(AppStart, "ActivateMaterial", std::to_string(value));
}
std::int16_t ProgrammSettings::StahlAktivieren() const {
    return asInteger(read(AppStart, "ActivateMaterial", "1"));
}

void ProgrammSettings::DirektSuche(std::int16_t value) {
    write(Global, "DirectSearch", std::to_string(value));
}
std::int16_t ProgrammSettings::DirektSuche() const {
    return asInteger(read(Global, "DirectSearch", "1"));
}

void ProgrammSettings::EndeBestaetigen(std::int16_t value) {
    write(Global, "ExitQuery", std::to_string(value));
}
std::int16_t ProgrammSettings::EndeBestaetigen() const {
    return asStrictInteger(read(Global, "ExitQuery", "0"));
}

void ProgrammSettings::Datenbankpfad(std::string_view value) {
    write(Global, "DBPath", value);
}
std::string ProgrammSettings::Datenbankpfad() const {
    return Helper::Backslash(read(Global, "DBPath", ""));
}

void ProgrammSettings::FilterDbPath(std::string_view value) {
    write(Global, "FilterDbPath", value);
}
std::string ProgrammSettings::FilterDbPath() const {
    return Helper::Backslash(read(Global, "FilterDbPath", ""));
}

void ProgrammSettings::InstallTyp(InstallType value) {
    write(Global, "Type", std::to_string(static_cast<std::int16_t>(value)));
}
InstallType ProgrammSettings::InstallTyp() const {
    return static_cast<InstallType>(asInteger(read(Global, "Type", "3")));
}

void ProgrammSettings::ID_Stahl(std::string_view value) {
    write(Material, "MaterialId", value);
}
std::string ProgrammSettings::ID_Stahl() const {
    return read(Material, "MaterialId", "");
}

void ProgrammSettings::ID_Bez(std::string_view value) {
    write(Material, "DesignationId", value);
}
std::string ProgrammSettings::ID_Bez() const {
    return read(Material, "DesignationId", "");
}

} // namespace orvik::common
