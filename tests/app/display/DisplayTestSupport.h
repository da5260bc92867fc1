#pragma once

// What the display panels' tests share: a program folder of the test's own with the sample databases
// and the text database, a connected application and its language relay, the window tests' error
// window and message boxes (they record instead of showing), a scratch database of many designations,
// and saving a picture of a widget into the build folder.

#include "WindowFakes.h"
#include "common/Enums.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/WindowServices.h"
#include "test_support/TestEnvironment.h"

#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace controls {
class Grid;
}

namespace orvik::objects {
class Application;
class Material;
} // namespace orvik::objects
namespace platform::db {
class Database;
class Recordset;
} // namespace platform::db

namespace displaytest {

/// The sample program of a test: its folder, the application connected to the sample databases, the
/// language relay over the application's text service, and the recording services.
class SampleProgram {
public:
    SampleProgram();
    ~SampleProgram();

    [[nodiscard]] const std::shared_ptr<orvik::objects::Application>& application() const { return m_app; }
    [[nodiscard]] shell::contract::DialogLanguage& language() { return m_language; }
    [[nodiscard]] const shell::contract::WindowServices& services() const { return m_services; }
    /// Switches the text service and the relay to another language, with both notifications and
    /// `between` run between them (where the main window loads its lists again).
    void switchLanguage(orvik::common::Language language, const std::function<void()>& between = {});
    /// The steel of that designation text, chosen as the list would (nullptr when not found).
    [[nodiscard]] std::shared_ptr<orvik::objects::Material> material(const std::string& designation);
    [[nodiscard]] const std::filesystem::path& folder() const { return m_temp.path(); }

    apptest::FakeErrorWindow errors;
    apptest::FakeMessageBoxes messages;

private:
    test_support::ScopedHome m_temp;
    test_support::ScopedEnv m_dataHome;
    std::shared_ptr<orvik::objects::Application> m_app;
    shell::contract::DialogLanguage m_language;
    shell::contract::WindowServices m_services;
};

/// A scratch database with the table `tabList` of `count` designations "D000000", "D000001" ... (the
/// columns of a material-list result set, occurrence ids from 1) plus the extra rows given as
/// (designation, search form, kind) after them.
struct ListRow {
    std::string designation;
    std::string searchForm;
    std::string kind;
};
[[nodiscard]] std::shared_ptr<platform::db::Database>
listDatabase(const std::filesystem::path& file, int count, const std::vector<ListRow>& extra = {});
/// The rows of `tabList` as a snapshot, as the designation search hands them out; `withKey` adds the
/// table's key to the columns, as the filter database's lists have it.
[[nodiscard]] std::shared_ptr<platform::db::Recordset> listRecords(platform::db::Database& db,
                                                                   bool withKey = false);

/// The texts of one row of a grid, columns 0 to cols - 1.
[[nodiscard]] QStringList gridRow(const controls::Grid& grid, int row, int cols);
/// The texts of one column of a grid, every row.
[[nodiscard]] QStringList gridColumn(const controls::Grid& grid, int col);

/// Saves the widget's picture as <name>.png in the test's build folder; the path saved.
QString savePicture(QWidget& widget, const QString& name);

} // namespace displaytest
