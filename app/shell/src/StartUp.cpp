#include "StartUp.h"

#include "MissingDatabase.h"
#include "StartCounter.h"
#include "common/Helper.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "frmSplash.h"
#include "objects/Application.h"
#include "platform/CallError.h"

#include <QCoreApplication>

namespace shell {
namespace {

using orvik::common::ProgrammSettings;

QString title() {
    return QString::fromLatin1(contract::ProgramTitle);
}

} // namespace

void StartUp::countStart(std::int32_t today, contract::ShellDialogs* dialogs,
                         const contract::DialogContext& context) {
    ProgrammSettings settings;
    const auto count = StartCounter::next(today, settings.AppCounter());
    if (!count) {
        return;
    }
    if (count->showNotice && dialogs != nullptr) {
        dialogs->showNewEditionNotice(context);
    }
    settings.AppCounter(count->counter);
}

std::unique_ptr<frmMain> StartUp::run(const std::filesystem::path& programFolder, frmMain::Services services,
                                      contract::PanelFactory factory, bool showSplash) {
    const ProgramFiles files(programFolder);
    try {
        ProgrammSettings().ApplicationPath(programFolder.string());
    } catch (const platform::CallError&) {
        // The per-user store cannot be written: the settings are read from the program folder as named
        // by the working directory, and the start goes on.
    }
    files.DeletePrintDatabase();
    std::error_code ignored;
    if (!std::filesystem::exists(files.localIniFile(), ignored) && services.messageBoxes != nullptr) {
        services.messageBoxes->show(nullptr, QStringLiteral("Local INI file missing. Please reinstall!"),
                                    title(), MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok);
    }
    // The workgroup file GK2007.LG beside the program is taken by the object model's engine from the
    // program folder stored above, before any database is opened.
    contract::DialogContext noticeContext;
    countStart(orvik::common::Helper::GetDateAsLong(), services.dialogs, noticeContext);

    std::unique_ptr<frmSplash> splash;
    if (showSplash) {
        splash = std::make_unique<frmSplash>(services.messageBoxes);
        splash->show();
        splash->repaint();
        QCoreApplication::processEvents();
    }
    auto window = std::make_unique<frmMain>(services, std::move(factory), files);
    if (splash) {
        QObject::connect(window.get(), &frmMain::InitializeStep, splash.get(), &frmSplash::InitializeStep);
    }
    window->Load();
    window->show();
    frmSplash::closeInTime(std::move(splash), *window);

    if (!window->Application()->LoggedIn() && services.messageBoxes != nullptr) {
        const auto answer = services.messageBoxes->show(
            window.get(), MissingDatabaseText(window->languageClass()->Language()), title(),
            MessageBoxes::Icon::Exclamation, MessageBoxes::Buttons::YesNo);
        if (answer == MessageBoxes::Answer::Yes) {
            window->ShowOptions();
        }
    }
    return window;
}

} // namespace shell
