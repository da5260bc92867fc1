#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace shell {

/// The files the program keeps in and beside its program folder. Files the program writes (the
/// scratch print database) go to the program folder when it is writable, else to the same place under
/// the user's data folder. Stateless; nothing throws: a file that cannot be removed or copied is left
/// as it is and the caller finds out when it opens it.
class ProgramFiles {
public:
    explicit ProgramFiles(std::filesystem::path programFolder) : m_folder(std::move(programFolder)) {}

    [[nodiscard]] const std::filesystem::path& programFolder() const noexcept { return m_folder; }
    [[nodiscard]] std::filesystem::path localIniFile() const { return m_folder / "velmo2007.ini"; }
    [[nodiscard]] std::filesystem::path workgroupFile() const { return m_folder / "GK2007.LG"; }
    /// The scratch print database of this running copy, under the writable root.
    [[nodiscard]] std::filesystem::path PrintDatabasePath() const;
    /// The help page of a language: 0 German, 1 French, anything else English.
    [[nodiscard]] std::filesystem::path HelpFile(std::int32_t language) const;
    /// The folder for files the user saves (supplier exports, analyses), under the writable root.
    [[nodiscard]] std::filesystem::path exportFolder() const;

    /// Removes the scratch print databases no other running copy holds; true when none is left.
    bool DeletePrintDatabase() const;

private:
    std::filesystem::path m_folder;
};

} // namespace shell
