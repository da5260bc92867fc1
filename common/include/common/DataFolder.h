#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvik::common {

/// Where the program writes the files that the system keeps beside the program (the scratch print
/// database under Daten/, saved analyses under export/ ...). The program folder is used when the
/// folder written into can be written there; a folder installed read-only sends the same layout to
/// the user's data folder $XDG_DATA_HOME/graukant2007 (~/.local/share/graukant2007 without that
/// variable). The environment and the file system are read at each call; the only state is this
/// copy's name and the lock on its print folder, held for the process's run (RunningCopy). Throws
/// nothing: a folder that cannot be created is reported by whoever writes into it.
class DataFolder {
public:
    /// The folder to write into, ending in the platform's separator: `programFolder` itself when it
    /// is an existing folder in which `folder` (relative to it; the program folder itself when empty)
    /// is, or can be made, a folder in which a file can be created; else the user's data folder (made
    /// when missing). `folder` is made in the program folder on the way.
    [[nodiscard]] static std::string WritableRoot(const std::string& programFolder,
                                                  std::string_view folder = {});

    /// `relative` (for example "Daten/print.mdb") under the WritableRoot of its folder, its parent
    /// folders made.
    [[nodiscard]] static std::string WritablePath(const std::string& programFolder,
                                                  std::string_view relative);

    /// The scratch print database of this running copy, "Daten/print/<copy>/print.mdb" under the
    /// WritableRoot of Daten/print (its folders made), where <copy> is the copy's own name (host,
    /// process id, start time and random letters): two copies running at once never write the same
    /// file, whether on this machine, in another pid namespace or on another machine sharing the
    /// folder. The copy holds the lock "Daten/print/<copy>.lock" from then until it ends.
    [[nodiscard]] static std::string PrintDatabasePath(const std::string& programFolder);

    /// Removes the scratch print databases whose copy is known to be gone, in the program folder and
    /// in the user's data folder: each "Daten/print/<copy>" whose lock no one holds, this copy's own
    /// (the database it prepared before, its lock kept), "Daten/print.mdb"
    /// of earlier editions, and each "Daten/print/<process id>" of earlier editions whose process is
    /// gone or is this one. True when none of them is left.
    static bool RemoveAbandonedPrintDatabases(const std::string& programFolder);

    /// $XDG_DATA_HOME/graukant2007, or ~/.local/share/graukant2007 when the variable is empty or unset.
    [[nodiscard]] static std::filesystem::path UserDataFolder();

    /// True when a file can be created in `folder`: tried with a file without a name, or where the file
    /// system has none, with ".gk2007-write-probe", removed again (one a killed probe left is removed
    /// by the next). Nothing else in the folder is touched.
    [[nodiscard]] static bool IsWritableFolder(const std::filesystem::path& folder);
};

} // namespace orvik::common
