#include "test_support/InterruptedWrite.h"

#include "platform/db/sqlite/Connection.h"

namespace test_support {

void copyMidWrite(const std::filesystem::path& source, const std::filesystem::path& target,
                  const std::string& changeSql) {
    namespace fs = std::filesystem;
    const auto journal = [](const fs::path& file) {
        return fs::path(file.string() + "-journal");
    };
    // Closing the connection rolls the change back should a copy fail.
    platform::db::sqlite::Connection writer(source, platform::db::sqlite::OpenMode::ReadWrite);
    writer.exec("PRAGMA cache_size = 1; BEGIN; " + changeSql);
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
    fs::copy_file(journal(source), journal(target), fs::copy_options::overwrite_existing);
    writer.exec("ROLLBACK");
}

} // namespace test_support
