#pragma once

// A folder of a test's own under the system's temporary folder.

#include <filesystem>
#include <string>

namespace test_support {

/// A fresh, empty folder, removed with everything in it when destroyed.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const noexcept { return m_path; }
    /// The path of a file `name` in the folder, as the libraries take paths.
    [[nodiscard]] std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

} // namespace test_support
