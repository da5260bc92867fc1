// The program Graukant_2007.
#include "IdleReport.h"
#include "MessageBoxNotifier.h"
#include "ProgramDialogs.h"
#include "ProgramPanels.h"
#include "ProgramVersion.h"
#include "QtServices.h"
#include "StartUp.h"
#include "common/ProgrammSettings.h"
#include "common/RunningProgram.h"
#include "common/cls_Language.h"
#include "objects/Application.h"
#include "platform/HeapTuning.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    platform::keepFreedHeap();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Graukant 2007"));
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    // This copy reads and writes the settings beside itself, whichever copy the per-user store names.
    const orvik::common::RunningProgram thisCopy(programFolder.string());

    shell::QtMessageBoxes messageBoxes;
    // From here on the libraries' messages reach the user in the program's message box.
    const platform::ScopedUserNotifier notifier(std::make_shared<shell::MessageBoxNotifier>(&messageBoxes));
    shell::QtFileDialogs fileDialogs;
    const shell::ProgramFiles files(programFolder);
    std::unique_ptr<shell::frmMain> window;
    shell::DesktopHelp help([files, &window] {
        const auto language =
            window && window->languageClass() != nullptr
                ? window->languageClass()->Language()
                : static_cast<std::int32_t>(orvik::common::ProgrammSettings().CurrentLanguage());
        return QString::fromStdString(files.HelpFile(language).string());
    });
    shell::QtErrorWindow errorWindow(
        [&window] { return window ? window->languageClass() : nullptr; }, &fileDialogs, &messageBoxes,
        [&window]() -> std::pair<QString, QString> {
            if (!window || !window->Application()) {
                return {};
            }
            QString service;
            try {
                service = QString::fromStdString(window->Application()->ServiceVersion());
            } catch (const std::exception&) {
            }
            return {QString::fromStdString(window->Application()->Version()), service};
        });
    shell::dialogs::ProgramDialogs dialogs(
        {shell::ProgramVersion::Major, shell::ProgramVersion::Minor, shell::ProgramVersion::Revision});
    shell::frmMain::Services services{&messageBoxes, &fileDialogs, &errorWindow, &help, &dialogs};
    window = shell::StartUp::run(programFolder, services, shell::programPanels(&errorWindow));
    // Start-up is measured up to where the program first waits for the user.
    const shell::IdleReport idleReport(window.get());
    const int result = QApplication::exec();
    window.reset();
    return result;
}
