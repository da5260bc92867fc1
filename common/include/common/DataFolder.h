#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvik::common {

/// Where the program writes the files that the system keeps beside the program (the scratch print
/// database under Daten/, saved analyses under export/ ...). The program folder is used when it can
/// be written; a folder installed read-only sends the same layout to the user's data folder
/// $XDG_DATA_HOME/graukant2007 (~/.local/share/graukant2007 without that variable). Stateless; the
/// environment and the file system are read at each call. Throws nothing: a folder that cannot be
/// created is reported by whoever writes into it.
class DataFolder {
public:
    /// The folder to write into, ending in the platform's separator: `programFolder` itself when
    /// it is an existing folder in which a file can be created, else the user's data folder (made
    /// when missing).
    [[nodiscard]] static std::string WritableRoot(const std::string& programFolder);

    /// `relative` (for example "Daten/print.mdb") under WritableRoot, its parent folders made.
    [[nodiscard]] static std::string WritablePath(const std::string& programFolder,
                                                  std::string_view relative);

    /// The scratch print database of this running copy, "Daten/print/<process id>/print.mdb" under
    /// WritableRoot (its folders made): two copies running at once never write the same file.
    [[nodiscard]] static std::string PrintDatabasePath(const std::string& programFolder);

    /// Removes the scratch print databases no other running copy holds: "Daten/print.mdb" of earlier
    /// editions, and each "Daten/print/<id>" whose process is gone or is this one (a copy before it
    /// that had the same id). True when none of them is left.
    static bool RemoveAbandonedPrintDatabases(const std::string& programFolder);

    /// $XDG_DATA_HOME/graukant2007, or ~/.local/share/graukant2007 when the variable is empty or unset.
    [[nodiscard]] static std::filesystem::path UserDataFolder();

    /// True when a file can be created in `folder` (tried, and removed again).
    [[nodiscard]] static bool IsWritableFolder(const std::filesystem::path& folder);
};

} // namespace orvik::common
