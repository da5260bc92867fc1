#include "test_support/TempFolder.h"

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace test_support {

TempFolder::TempFolder() {
    // mkdtemp picks the name and creates the folder in one step, so parallel tests never share one.
    std::string pattern = (std::filesystem::temp_directory_path() / "gk-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "cannot create a temporary folder");
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace test_support
