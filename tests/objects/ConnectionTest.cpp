#include "objects/Connection.h"

#include "ObjectsTestSupport.h"
#include "common/Enums.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "objects/Application.h"
#include "platform/db/JetErrors.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>

using objectstest::ErrorLog;
using objectstest::TestProgram;
using orvik::common::InstallType;
using orvik::common::ProgrammSettings;
using orvik::objects::Application;

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

TEST(Connection, BlankDatabasePathPointsTheTextsAtDatenAndOpensNothing) {
    const TestProgram program;
    ProgrammSettings().Datenbankpfad("   ");
    const auto app = Application::create();
    ErrorLog appErrors(app->Error);
    ErrorLog connectionErrors(app->Connection()->Error);

    app->OpenConnection();

    EXPECT_FALSE(app->LoggedIn());
    EXPECT_EQ(app->Connection()->Database(), nullptr);
    EXPECT_EQ(appErrors.count(), 0U);
    EXPECT_EQ(connectionErrors.count(), 0U);
    EXPECT_EQ(app->LanguageObject()->dbPath(), (program.programFolder() / "Daten").string() + "/");
}

TEST(Connection, OpensBothDatabasesReadOnlyAndClosesThem) {
    const TestProgram program;
    const auto app = Application::create();
    ErrorLog errors(app->Error);

    app->OpenConnection();
    ASSERT_TRUE(app->LoggedIn()) << (errors.count() ? errors.errors().front().Description() : "");
    const auto main = app->Connection()->Database();
    ASSERT_NE(main, nullptr);
    ASSERT_NE(app->Connection()->FilterDatabase(), nullptr);
    EXPECT_TRUE(main->readOnly());
    EXPECT_FALSE(main->exclusive());

    // A second open while logged in keeps what is open.
    app->OpenConnection();
    EXPECT_EQ(app->Connection()->Database(), main);

    app->CloseConnection();
    EXPECT_FALSE(app->LoggedIn());
    EXPECT_EQ(app->Connection()->Database(), nullptr);
    EXPECT_EQ(app->Connection()->FilterDatabase(), nullptr);
    app->CloseConnection();
    EXPECT_EQ(errors.count(), 0U);

    // Open after close opens again.
    app->OpenConnection();
    EXPECT_TRUE(app->LoggedIn());
}

TEST(Connection, InstallTypeDecidesExclusiveOpeningAndTheFilterFolder) {
    const TestProgram program;
    const auto elsewhere = program.file("filter-elsewhere");
    fs::create_directories(elsewhere);
    fs::copy_file(program.databaseFolder() / "Filter.mdb", elsewhere / "Filter.mdb");
    ProgrammSettings().FilterDbPath(elsewhere.string());

    struct Case {
        InstallType type;
        bool exclusive;
        fs::path filterFolder;
    };
    const Case cases[] = {{InstallType::Min, true, program.databaseFolder()},
                          {InstallType::Max, false, elsewhere},
                          {InstallType::ClientMin, false, elsewhere},
                          {InstallType::ClientMax, false, elsewhere}};
    for (const auto& c : cases) {
        ProgrammSettings().InstallTyp(c.type);
        const auto app = Application::create();
        ErrorLog errors(app->Error);
        app->OpenConnection();
        ASSERT_TRUE(app->LoggedIn()) << static_cast<int>(c.type);
        EXPECT_EQ(app->Connection()->Database()->exclusive(), c.exclusive) << static_cast<int>(c.type);
        EXPECT_EQ(app->Connection()->FilterDatabase()->exclusive(), c.exclusive) << static_cast<int>(c.type);
        EXPECT_EQ(fs::path(app->Connection()->FilterDatabase()->name()).parent_path(), c.filterFolder)
            << static_cast<int>(c.type);

        // Exclusive: a second program on the same files is refused, naming the file.
        const auto second = Application::create();
        ErrorLog secondErrors(second->Error);
        second->OpenConnection();
        EXPECT_EQ(second->LoggedIn(), !c.exclusive) << static_cast<int>(c.type);
        if (c.exclusive) {
            ASSERT_EQ(secondErrors.count(), 1U);
            EXPECT_EQ(secondErrors.errors()[0].Number(), platform::db::jet::FileInUse);
            EXPECT_NE(secondErrors.errors()[0].Description().find("Graukant.MDB"), std::string::npos);
        }
    }
}

// Each broken setup gives one Error from the connection and the same from the application, names
// the file, and leaves nothing open; mending the file lets the next attempt succeed, also exclusive.
TEST(Connection, AFailedOpenReportsOnceNamesTheFileAndCanBeRetried) {
    struct Case {
        const char* name;
        const char* file; // the one that is broken
        std::function<void(const fs::path&)> breakIt;
        std::int32_t number;
    };
    const Case cases[] = {
        {"missing main", "Graukant.MDB", [](const fs::path& p) { fs::remove(p); },
         platform::db::jet::FileNotFound},
        {"empty main", "Graukant.MDB", [](const fs::path& p) { writeFile(p, ""); },
         platform::db::jet::UnrecognizedFormat},
        {"main not SQLite", "Graukant.MDB",
         [](const fs::path& p) { writeFile(p, "Standard Jet DB, or anything else at all"); },
         platform::db::jet::UnrecognizedFormat},
        {"missing filter", "Filter.mdb", [](const fs::path& p) { fs::remove(p); },
         platform::db::jet::FileNotFound},
        {"filter not SQLite", "Filter.mdb", [](const fs::path& p) { writeFile(p, std::string(4096, 'x')); },
         platform::db::jet::UnrecognizedFormat},
    };
    for (const auto installType : {InstallType::Min, InstallType::ClientMin}) {
        for (const auto& c : cases) {
            const TestProgram program;
            ProgrammSettings().InstallTyp(installType);
            const auto broken = program.databaseFolder() / c.file;
            const auto good = program.file("good.db");
            fs::copy_file(broken, good);
            c.breakIt(broken);

            const auto app = Application::create();
            ErrorLog appErrors(app->Error);
            ErrorLog connectionErrors(app->Connection()->Error);
            app->OpenConnection();

            const std::string label =
                std::string(c.name) + " / type " + std::to_string(static_cast<int>(installType));
            EXPECT_FALSE(app->LoggedIn()) << label;
            EXPECT_EQ(app->Connection()->Database(), nullptr) << label;
            EXPECT_EQ(app->Connection()->FilterDatabase(), nullptr) << label;
            ASSERT_EQ(connectionErrors.count(), 1U) << label;
            ASSERT_EQ(appErrors.count(), 1U) << label;
            const auto& error = appErrors.errors()[0];
            EXPECT_EQ(error.Number(), c.number) << label;
            EXPECT_EQ(error.Modul(), "Connection") << label;
            EXPECT_EQ(error.Procedure(), "connectDB") << label;
            EXPECT_NE(error.Description().find(broken.string()), std::string::npos)
                << label << ": " << error.Description();
            EXPECT_EQ(connectionErrors.errors()[0].Description(), error.Description()) << label;
            EXPECT_EQ(app->comError()->Number(), c.number) << label;

            fs::remove(broken);
            fs::copy_file(good, broken);
            app->OpenConnection();
            EXPECT_TRUE(app->LoggedIn()) << label;
            EXPECT_EQ(appErrors.count(), 1U) << label;
        }
    }
}

TEST(Connection, AWrongWorkgroupFileIsReportedAsTheEngineDoes) {
    const TestProgram program;
    writeFile(program.programFolder() / "GK2007.LG", "");
    const auto app = Application::create();
    ErrorLog errors(app->Error);
    app->OpenConnection();
    EXPECT_FALSE(app->LoggedIn());
    ASSERT_EQ(errors.count(), 1U);
    EXPECT_EQ(errors.errors()[0].Modul(), "Connection");
}

TEST(Connection, TheErrorRecordIsOverwrittenAndRemadeWhenACallerDroppedIt) {
    const TestProgram program;
    ProgrammSettings().Datenbankpfad(program.file("nowhere").string());
    const auto app = Application::create();
    const auto first = app->comError();
    EXPECT_EQ(first->Number(), 0);
    EXPECT_TRUE(first->Description().empty());

    app->OpenConnection();
    EXPECT_EQ(app->comError(), first);
    EXPECT_EQ(first->Number(), platform::db::jet::FileNotFound);

    app->setComError(nullptr);
    EXPECT_EQ(app->comError(), nullptr);
    ErrorLog errors(app->Error);
    app->OpenConnection();
    ASSERT_NE(app->comError(), nullptr);
    EXPECT_NE(app->comError(), first);
    EXPECT_EQ(app->comError()->Procedure(), "connectDB");
    EXPECT_EQ(errors.count(), 1U);
}

TEST(Connection, OpensThePrintDatabaseWritableInItsWorkspace) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto folder = program.file("print");
    fs::create_directories(folder);
    fs::copy_file(program.databaseFolder() / "Filter.mdb", folder / "print.mdb");
    const auto print = app->Connection()->OpenPrintDatabase(folder.string() + "/");
    ASSERT_NE(print, nullptr);
    EXPECT_FALSE(print->readOnly());
    EXPECT_FALSE(print->exclusive());
    // Rebuilt from its template at every print, it writes without a journal on disk.
    print->beginTrans();
    print->execute("CREATE TABLE written (n INTEGER)");
    EXPECT_FALSE(fs::exists(folder / "print.mdb-journal"));
    print->rollback();
    EXPECT_THROW(static_cast<void>(app->Connection()->OpenPrintDatabase(program.file("none").string() + "/")),
                 platform::CallError);
}

TEST(Connection, VersionsAreFormattedAsMajorMinorRevision) {
    const TestProgram program;
    const auto app = Application::create();
    const auto expected = std::to_string(GK_TEST_VERSION_MAJOR) + "." +
                          (GK_TEST_VERSION_MINOR < 10 ? "0" : "") + std::to_string(GK_TEST_VERSION_MINOR) +
                          "." + std::string(4 - std::to_string(GK_TEST_VERSION_REVISION).size(), '0') +
                          std::to_string(GK_TEST_VERSION_REVISION);
    EXPECT_EQ(app->Version(), expected);
    EXPECT_EQ(app->ServiceVersion(), expected);
}

} // namespace
