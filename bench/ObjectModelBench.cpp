#include "ObjectModelBench.h"

#include "BenchSupport.h"
#include "common/Enums.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "platform/db/Dao.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace bench {
namespace {

namespace fs = std::filesystem;

/// The temporary home of the benchmark's program folder and user settings, removed at exit.
class ProgramFolder {
public:
    ProgramFolder() {
        std::string pattern = (fs::temp_directory_path() / "gk-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        m_root = pattern;
        ::setenv("XDG_CONFIG_HOME", (m_root / "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (m_root / "data").c_str(), 1);
        const fs::path program = m_root / "program";
        fs::create_directories(program / "Daten");
        std::error_code ec;
        fs::copy_file(GK_BENCH_WORKGROUP_FILE, program / "GK2007.LG", ec);
        fs::copy_file(GK_BENCH_LANGUAGE_MDB, program / "Daten" / "Language.mdb", ec);
        fs::copy_file(GK_BENCH_PRINT_ORG_MDB, program / "Daten" / "print_org.mdb", ec);
        orvik::common::ProgrammSettings settings;
        settings.ApplicationPath(program.string());
        settings.Datenbankpfad(databaseDir().string());
        settings.FilterDbPath(databaseDir().string());
        settings.InstallTyp(orvik::common::InstallType::ClientMin);
        settings.CurrentLanguage(orvik::common::Language::German);
    }
    ~ProgramFolder() {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    [[nodiscard]] fs::path program() const { return m_root / "program"; }

private:
    fs::path m_root;
};

// One program folder for the whole run, as the program has.
const ProgramFolder& programFolderOfRun() {
    static const ProgramFolder folder;
    return folder;
}

} // namespace

std::filesystem::path programFolder() {
    return programFolderOfRun().program();
}

std::shared_ptr<orvik::objects::Application> application(benchmark::State& state) {
    if (!fs::is_regular_file(databaseDir() / "Graukant.MDB")) {
        state.SkipWithError(("no generated database in " + databaseDir().string()).c_str());
        return nullptr;
    }
    (void)programFolderOfRun();
    // One connection for the whole run.
    static std::shared_ptr<orvik::objects::Application> app = [] {
        auto made = orvik::objects::Application::create();
        made->OpenConnection();
        return made;
    }();
    if (!app->LoggedIn()) {
        state.SkipWithError("the application could not open the generated databases");
        return nullptr;
    }
    return app;
}

std::optional<MaterialPick> firstOccurrence(platform::db::Database& db, const std::string& steel) {
    const auto rs = db.openRecordset(
        "SELECT TOP 1 b.ID_Stahl, b.Id_Stahlbez, o.Id_StahlbezVorkommen FROM tabStahlbez AS b INNER JOIN "
        "tabStahlbezVorkommen AS o ON b.Id_Stahlbez = o.Id_Stahlbez WHERE b.ID_Stahl = " +
            steel,
        platform::db::RecordsetType::Snapshot);
    if (rs->eof()) {
        return std::nullopt;
    }
    return MaterialPick{steel, std::to_string(rs->field(1).asInteger()), rs->field(2).asInteger()};
}

} // namespace bench
