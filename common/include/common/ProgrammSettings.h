#pragma once

#include "common/Enums.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvik::common {

/// The system's settings between runs. Holds no state: every read accessor reads its key from the
/// INI file velmo2007.ini at the moment of the call and every write accessor writes it, so any number
/// of objects in any library see the same values at once. The INI file lies in the program folder:
/// that of the running program (RunningProgram) while it runs, else the one the per-user store keeps
/// (application "Graukant2007", section "Path", key "App", the copy started last); without either the
/// file is the bare name, taken from the working directory. A failed INI write is shown to the
/// user through the notifier and otherwise ignored; read accessors whose number conversion fails give
/// 0 (false). Only ApplicationPath's write throws (platform::CallError, when the store cannot be
/// written).
///
/// Each setting has a read accessor Name() and a write accessor Name(value).
class ProgrammSettings {
public:
    /// Stores the folder in the per-user store, for the tools that look up the copy started last.
    void ApplicationPath(std::string_view value);
    /// The running program's folder, else the per-user store's; with the platform's separator at its
    /// end when not empty.
    [[nodiscard]] std::string ApplicationPath() const;

    /// Kept in the per-user store (section "AppStart") while the INI file cannot be written; read as the
    /// larger of the two.
    void AppCounter(std::int32_t value);
    [[nodiscard]] std::int32_t AppCounter() const;
    void Symbols(std::int32_t value);
    [[nodiscard]] std::int32_t Symbols() const;
    void IdDesignationCountry(std::string_view value);
    [[nodiscard]] std::string IdDesignationCountry() const;
    void DesignationType(std::string_view value);
    [[nodiscard]] std::string DesignationType() const;
    void Designation(std::string_view value);
    [[nodiscard]] std::string Designation() const;
    void AdjustFormSize(bool value);
    [[nodiscard]] bool AdjustFormSize() const;
    void DirectElementInput(bool value);
    [[nodiscard]] bool DirectElementInput() const;
    void SuppressNationalEnDesignations(bool value);
    [[nodiscard]] bool SuppressNationalEnDesignations() const;
    /// Kept in the per-user store (section "Global") while the INI file cannot be written; read from
    /// there while it holds a choice.
    void CurrentLanguage(Language value);
    /// May hold a number outside the named languages when the file was edited by hand.
    [[nodiscard]] Language CurrentLanguage() const;
    void SelfDefined(bool value);
    [[nodiscard]] bool SelfDefined() const;
    void StahlAktivieren(std::int16_t value);
    [[nodiscard]] std::int16_t StahlAktivieren() const;
    void DirektSuche(std::int16_t value);
    [[nodiscard]] std::int16_t DirektSuche() const;
    void EndeBestaetigen(std::int16_t value);
    [[nodiscard]] std::int16_t EndeBestaetigen() const;
    /// Stored as given; read with the platform's separator at its end when not empty.
    void Datenbankpfad(std::string_view value);
    [[nodiscard]] std::string Datenbankpfad() const;
    void FilterDbPath(std::string_view value);
    [[nodiscard]] std::string FilterDbPath() const;
    void InstallTyp(InstallType value);
    [[nodiscard]] InstallType InstallTyp() const;
    void ID_Stahl(std::string_view value);
    [[nodiscard]] std::string ID_Stahl() const;
    void ID_Bez(std::string_view value);
    [[nodiscard]] std::string ID_Bez() const;

    /// The INI file as worked out at this moment; public because the start-up checks that it exists.
    [[nodiscard]] static std::filesystem::path LocalIniFile();
    /// Tells the user through the notifier that a settings file could not be written, naming it; for
    /// the INI file here and the per-user store of the windows.
    static void reportUnwritableFile(const std::filesystem::path& file);

private:
    [[nodiscard]] static std::string ReadIni(std::string_view section, std::string_view key,
                                             std::string_view defaultValue,
                                             const std::filesystem::path& file);
    /// False (after telling the user) when the file could not be written.
    static bool WriteIni(std::string_view section, std::string_view key, std::string_view value,
                         const std::filesystem::path& file);

    [[nodiscard]] static std::string programFolder();
    /// Writes the INI file; where it cannot be written the value is kept in the per-user store, and
    /// once the INI file takes it again that copy goes.
    static void writeOrKeep(std::string_view section, std::string_view key, const std::string& text);
    /// The per-user store's copy of a value that the INI file did not take; empty when there is none.
    [[nodiscard]] static std::string kept(std::string_view section, std::string_view key);
    [[nodiscard]] static std::string read(std::string_view section, std::string_view key,
                                          std::string_view defaultValue);
    static bool write(std::string_view section, std::string_view key, std::string_view value);
};

} // namespace orvik::common
