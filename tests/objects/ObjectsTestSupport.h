#pragma once

// A program folder of its own for one test: the workgroup file and the text database beside it, the
// sample databases copied into Datenbank/, and the settings pointing at them.

#include "objects/Application.h"
#include "objects/Error.h"
#include "platform/Event.h"
#include "platform/db/Dao.h"
#include "test_support/TestEnvironment.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace objectstest {

/// The databases a test opens: the built sample files unless said otherwise.
struct DatabaseFiles {
    std::filesystem::path main = GK_SAMPLE_GRAUKANT_MDB;
    std::filesystem::path filter = GK_SAMPLE_FILTER_MDB;
    /// Opened where they are instead of copied (large files, opened shared and read-only only).
    bool inPlace = false;
};

class TestProgram {
public:
    explicit TestProgram(const DatabaseFiles& files = {});

    [[nodiscard]] const std::filesystem::path& programFolder() const { return m_program; }
    [[nodiscard]] const std::filesystem::path& databaseFolder() const { return m_databases; }
    [[nodiscard]] std::filesystem::path file(const std::string& relative) const {
        return m_temp.path() / relative;
    }
    /// The user's data folder of this test (XDG_DATA_HOME/graukant2007).
    [[nodiscard]] std::filesystem::path userDataFolder() const {
        return m_temp.path() / "data" / "graukant2007";
    }

private:
    test_support::ScopedHome m_temp;
    test_support::ScopedEnv m_dataHome;
    std::filesystem::path m_program;
    std::filesystem::path m_databases;
};

/// Every error an event reports while the log lives, copied at the moment of the report.
class ErrorLog {
public:
    explicit ErrorLog(platform::Event<const orvik::objects::ErrorPtr&>& event);
    [[nodiscard]] const std::vector<orvik::objects::Error>& errors() const { return m_errors; }
    [[nodiscard]] std::size_t count() const { return m_errors.size(); }

private:
    std::vector<orvik::objects::Error> m_errors;
    platform::Subscription m_subscription;
};

/// An application over the test program's databases, connected.
[[nodiscard]] std::shared_ptr<orvik::objects::Application> connectedApplication();

} // namespace objectstest

namespace objectstest {

/// Runs Jet action statements on a database file of the test (never on the built samples).
void changeDatabase(const std::filesystem::path& file, const std::vector<std::string>& statements);

} // namespace objectstest
