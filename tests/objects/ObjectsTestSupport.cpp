#include "ObjectsTestSupport.h"

#include "common/Enums.h"
#include "common/ProgrammSettings.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace objectstest {

TestProgram::TestProgram(const DatabaseFiles& files)
    : m_dataHome("XDG_DATA_HOME", (m_temp.path() / "data").string()), m_program(m_temp.path() / "program"),
      m_databases(m_temp.path() / "Datenbank") {
    namespace fs = std::filesystem;
    fs::create_directories(m_program / "Daten");
    fs::create_directories(m_databases);
    fs::copy_file(GK_BUILT_WORKGROUP_FILE, m_program / "GK2007.LG");
    fs::copy_file(GK_SAMPLE_LANGUAGE_MDB, m_program / "Daten" / "Language.mdb");
    if (!files.inPlace) {
        fs::copy_file(files.main, m_databases / "Graukant.MDB");
        fs::copy_file(files.filter, m_databases / "Filter.mdb");
    }

    orvik::common::ProgrammSettings settings;
    settings.ApplicationPath(m_program.string());
    settings.Datenbankpfad(files.inPlace ? files.main.parent_path().string() : m_databases.string());
    settings.FilterDbPath(files.inPlace ? files.filter.parent_path().string() : m_databases.string());
    settings.InstallTyp(orvik::common::InstallType::ClientMin);
    settings.CurrentLanguage(orvik::common::Language::German);
}

ErrorLog::ErrorLog(platform::Event<const orvik::objects::ErrorPtr&>& event)
    : m_subscription(event.subscribe([this](const orvik::objects::ErrorPtr& error) {
          ASSERT_NE(error, nullptr);
          m_errors.push_back(*error);
      })) {}

std::shared_ptr<orvik::objects::Application> connectedApplication() {
    auto app = orvik::objects::Application::create();
    ErrorLog log(app->Error);
    app->OpenConnection();
    EXPECT_EQ(log.count(), 0U) << (log.count() > 0 ? log.errors().front().Description() : "");
    EXPECT_TRUE(app->LoggedIn());
    return app;
}

} // namespace objectstest

namespace objectstest {

void changeDatabase(const std::filesystem::path& file, const std::vector<std::string>& statements) {
    const platform::db::DBEngine engine;
    const auto db = engine.createWorkspace("Change", "Admin", "")->openDatabase(file.string(), false, false);
    for (const auto& statement : statements) {
        db->execute(statement);
    }
    db->close();
}

} // namespace objectstest
