#include "StartUp.h"

#include "StartCounter.h"
#include "common/Helper.h"
#include "common/ProgrammSettings.h"
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

QString folderOr(const std::string& folder, const QString& none) {
    return folder.empty() ? none : QString::fromStdString(folder);
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

QString StartUp::missingDatabaseText(std::int32_t language) {
    const ProgrammSettings settings;
    const std::string main = settings.Datenbankpfad();
    const std::string filter = settings.FilterDbPath();
    const QString ini = QString::fromStdString(ProgrammSettings::LocalIniFile().string());
    switch (language) {
    case 0:
        return QStringLiteral("Die Werkstoffdatenbank ist nicht geöffnet.\n\nGesucht: Graukant.MDB in %1 und "
                              "Filter.mdb in %2 (Einstellungen DBPath und FilterDbPath in %3).\n\n"
                              "Möchten Sie den Datenbankpfad jetzt in den Einstellungen festlegen?")
            .arg(folderOr(main, QStringLiteral("(kein Ordner eingestellt)")),
                 folderOr(filter, QStringLiteral("(kein Ordner eingestellt)")), ini);
    case 1:
        return QStringLiteral(
                   "La base de données des aciers n'est pas ouverte.\n\nRecherché : Graukant.MDB dans %1 "
                   "et Filter.mdb dans %2 (paramètres DBPath et FilterDbPath dans %3).\n\n"
                   "Voulez-vous définir le chemin de la base de données dans les paramètres ?")
            .arg(folderOr(main, QStringLiteral("(aucun dossier défini)")),
                 folderOr(filter, QStringLiteral("(aucun dossier défini)")), ini);
    default:
        return QStringLiteral("The materials database is not open.\n\nLooked for: Graukant.MDB in %1 and "
                              "Filter.mdb in %2 (settings DBPath and FilterDbPath in %3).\n\n"
                              "Do you want to set the database folder in the settings now?")
            .arg(folderOr(main, QStringLiteral("(no folder set)")),
                 folderOr(filter, QStringLiteral("(no folder set)")), ini);
    }
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
        splash = std::make_unique<frmSplash>();
        splash->show();
        splash->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    auto window = std::make_unique<frmMain>(services, std::move(factory), files);
    if (splash) {
        QObject::connect(window.get(), &frmMain::InitializeStep, splash.get(), &frmSplash::InitializeStep);
    }
    window->Load();
    window->show();
    splash.reset();

    if (!window->Application()->LoggedIn() && services.messageBoxes != nullptr) {
        const auto answer = services.messageBoxes->show(
            window.get(),
            missingDatabaseText(static_cast<std::int32_t>(ProgrammSettings().CurrentLanguage())), title(),
            MessageBoxes::Icon::Exclamation, MessageBoxes::Buttons::YesNo);
        if (answer == MessageBoxes::Answer::Yes) {
            window->ShowOptions();
        }
    }
    return window;
}

} // namespace shell
