#include "DisplayTestSupport.h"

#include "Grid.h"
#include "common/Helper.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "objects/Application.h"
#include "objects/List.h"
#include "objects/Material.h"
#include "platform/db/Dao.h"
#include "test_support/FixtureDatabases.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <stdexcept>

namespace displaytest {

namespace fs = std::filesystem;

SampleProgram::SampleProgram() : m_dataHome("XDG_DATA_HOME", (m_temp.path() / "data").string()) {
    const auto program = m_temp.path() / "program";
    const auto databases = m_temp.path() / "Datenbank";
    fs::create_directories(program / "Daten");
    fs::create_directories(databases);
    fs::copy_file(GK_BUILT_WORKGROUP_FILE, program / "GK2007.LG");
    fs::copy_file(GK_SAMPLE_LANGUAGE_MDB, program / "Daten" / "Language.mdb");
    fs::copy_file(GK_SAMPLE_GRAUKANT_MDB, databases / "Graukant.MDB");
    fs::copy_file(GK_SAMPLE_FILTER_MDB, databases / "Filter.mdb");

    orvik::common::ProgrammSettings settings;
    settings.ApplicationPath(program.string());
    settings.Datenbankpfad(databases.string());
    settings.FilterDbPath(databases.string());
    settings.InstallTyp(orvik::common::InstallType::ClientMin);
    settings.CurrentLanguage(orvik::common::Language::German);

    m_app = orvik::objects::Application::create();
    m_app->OpenConnection();
    if (!m_app->LoggedIn()) {
        throw std::runtime_error("the sample databases did not open");
    }
    m_language.setLanguageClass(m_app->LanguageObject());
    m_language.setLanguage(orvik::common::cls_Language::German);
    m_services.messageBoxes = &messages;
    m_services.errorWindow = &errors;
}

SampleProgram::~SampleProgram() {
    m_app->CloseConnection();
}

void SampleProgram::switchLanguage(orvik::common::Language language, const std::function<void()>& between) {
    m_language.ExecBeforeLanguageChange();
    m_app->LanguageObject()->setLanguage(language);
    orvik::common::ProgrammSettings().CurrentLanguage(language);
    m_language.setLanguage(static_cast<std::int32_t>(language));
    if (between) {
        between();
    }
    m_language.ExecAfterLanguageChange();
}

std::shared_ptr<orvik::objects::Material> SampleProgram::material(const std::string& designation) {
    const auto records = m_app->List()->Materials(-1, -1, -1, -1, -1, true, true, true);
    if (records == nullptr) {
        return nullptr;
    }
    records->findFirst("Bezeichnung = " + platform::db::quoteText(designation));
    if (records->noMatch()) {
        return nullptr;
    }
    const auto text = [&](const char* name) {
        return orvik::common::Helper::CVarStr(records->field(name));
    };
    return m_app->Material(text("Id_Stahl"), text("Id_Stahlbez"), records->field("Id_StahlbezVorkommen"));
}

std::shared_ptr<platform::db::Database> listDatabase(const fs::path& file, int count,
                                                     const std::vector<ListRow>& extra) {
    std::string sql = "CREATE TABLE tabList (n INTEGER PRIMARY KEY, Bezeichnung TEXT, SuchBezeichnung TEXT, "
                      "Kennung TEXT, ID_Land INTEGER, Id_Stahl INTEGER, Id_Stahlbez INTEGER, "
                      "Id_StahlbezVorkommen INTEGER);"
                      "WITH RECURSIVE k(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM k WHERE i + 1 < " +
                      std::to_string(count) +
                      ") INSERT INTO tabList SELECT i + 1, printf('D%06d', i), printf('D%06d', i), 'K', 1, "
                      "i / 10 + 1, i + 1, i + 1 FROM k;";
    int n = count;
    for (const auto& row : extra) {
        // A Jet text literal is SQLite's too: in single quotes, inner ones doubled.
        const std::string id = std::to_string(++n);
        sql += "INSERT INTO tabList VALUES (" + id + ", " + platform::db::quoteText(row.designation) + ", " +
               platform::db::quoteText(row.searchForm) + ", " + platform::db::quoteText(row.kind) + ", 1, " +
               id + ", " + id + ", " + id + ");";
    }
    test_support::buildScratchDatabase(file, {sql});
    const platform::db::DBEngine engine;
    return engine.createWorkspace("List", "Admin", "")->openDatabase(file.string(), false, true);
}

std::shared_ptr<platform::db::Recordset> listRecords(platform::db::Database& db, bool withKey) {
    return db.openRecordset(std::string("SELECT ") + (withKey ? "n, " : "") +
                                "Bezeichnung, SuchBezeichnung, Kennung, ID_Land, Id_Stahl, Id_Stahlbez, "
                                "Id_StahlbezVorkommen FROM tabList ORDER BY n",
                            platform::db::RecordsetType::Snapshot);
}

QStringList gridRow(const controls::Grid& grid, int row, int cols) {
    QStringList texts;
    for (int col = 0; col < cols; ++col) {
        texts << grid.TextMatrix(row, col);
    }
    return texts;
}

QStringList gridColumn(const controls::Grid& grid, int col) {
    QStringList texts;
    for (int row = 0; row < grid.Rows(); ++row) {
        texts << grid.TextMatrix(row, col);
    }
    return texts;
}

QString savePicture(QWidget& widget, const QString& name) {
    const QString path = QDir(QStringLiteral(GK_TEST_OUTPUT_DIR)).filePath(name + QStringLiteral(".png"));
    QApplication::processEvents();
    widget.grab().save(path);
    return path;
}

} // namespace displaytest
