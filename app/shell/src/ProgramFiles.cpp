#include "ProgramFiles.h"

#include "common/DataFolder.h"

#include <system_error>

namespace shell {

std::filesystem::path ProgramFiles::PrintDatabasePath() const {
    return orvik::common::DataFolder::PrintDatabasePath(m_folder.string());
}

std::filesystem::path ProgramFiles::HelpFile(std::int32_t language) const {
    switch (language) {
    case 0:
        return m_folder / "velmo2007_german.html";
    case 1:
        return m_folder / "velmo2007_french.html";
    default:
        return m_folder / "velmo2007_english.html";
    }
}

std::filesystem::path ProgramFiles::exportFolder() const {
    std::filesystem::path folder = orvik::common::DataFolder::WritableRoot(m_folder.string(), "export");
    folder /= "export";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

bool ProgramFiles::DeletePrintDatabase() const {
    return orvik::common::DataFolder::RemoveAbandonedPrintDatabases(m_folder.string());
}

} // namespace shell
