#pragma once

// What the property search page and the combination window are tested with: a program folder of the
// test's own over the built sample databases, a connected application, and the window tests' stand-ins
// for the message boxes and the error window, so that no test waits on a modal window.

#include "WindowFakes.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/WindowServices.h"

#include <QTemporaryDir>
#include <memory>
#include <string>

class QWidget;

namespace orvik::objects {
class Application;
}

namespace propertytest {

/// The program folder, the application connected to the sample databases, the language relay and
/// the services, for one test.
class Program {
public:
    /// A non-empty `materialsScript` (SQLite's SQL) runs on a copy of the sample materials database
    /// that the application then opens instead.
    explicit Program(const std::string& materialsScript = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    [[nodiscard]] const std::shared_ptr<orvik::objects::Application>& application() const { return m_app; }
    [[nodiscard]] shell::contract::DialogLanguage& language() { return m_language; }
    [[nodiscard]] shell::contract::WindowServices services() {
        shell::contract::WindowServices s;
        s.messageBoxes = &messages;
        s.errorWindow = &errors;
        return s;
    }

    /// Every question answered Yes.
    apptest::FakeMessageBoxes messages{apptest::FakeMessageBoxes::Answer::Yes};
    apptest::FakeErrorWindow errors;

private:
    QTemporaryDir m_dir;
    std::shared_ptr<orvik::objects::Application> m_app;
    shell::contract::DialogLanguage m_language;
};

/// Saves a picture of the widget into the build folder of these tests.
void savePicture(QWidget& widget, const QString& name);

} // namespace propertytest
