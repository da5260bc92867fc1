#include "ProgramDialogs.h"

#include "common/ProgrammSettings.h"
#include "dlgOptionen.h"
#include "dlgSteuerdatei.h"
#include "frmNewVersion.h"
#include "frmPrintSettings.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/DialogLanguage.h"

namespace shell::dialogs {

ProgramDialogs::ProgramDialogs(dlgInfo::Version version, UrlOpener open)
    : m_version(version), m_open(std::move(open)),
      m_ownMessages(std::make_unique<platform::qt::QtMessageBoxes>()) {}

ProgramDialogs::~ProgramDialogs() = default;

platform::qt::MessageBoxes& ProgramDialogs::messages(const contract::DialogContext& context) {
    return context.services.messageBoxes != nullptr ? *context.services.messageBoxes : *m_ownMessages;
}

ProgramDialogs::OptionsOutcome ProgramDialogs::showOptions(const contract::DialogContext& context) {
    dlgOptionen dialog(context.parent, context.language, &messages(context), context.services.fileDialogs);
    OptionsOutcome outcome;
    QObject::connect(&dialog, &dlgOptionen::ElementInputVariantChanged,
                     [&outcome] { outcome.elementInputVariantChanged = true; });
    dialog.exec();
    outcome.enSuppressChanged = dialog.HasEnSuppressChanged();
    outcome.databasePathChanged = dialog.DatabasePathChanged();
    return outcome;
}

void ProgramDialogs::showAbout(const contract::DialogContext& context) {
    dlgInfo dialog(context.parent, context.language, messages(context), m_version, m_open);
    dialog.exec();
}

void ProgramDialogs::showNewEditionNotice(const contract::DialogContext& context) {
    // At start no window shows a language yet: the notice is in the one the settings keep.
    const auto language =
        context.language != nullptr
            ? context.language->Language()
            : static_cast<std::int32_t>(orvik::common::ProgrammSettings().CurrentLanguage());
    frmNewVersion dialog(context.parent, context.language, language, messages(context), m_open);
    dialog.exec();
}

void ProgramDialogs::showSupplierExport(const contract::DialogContext& context, const QString& file) {
    if (!context.material) {
        return;
    }
    dlgSteuerdatei dialog(context.parent, context.language, &messages(context), context.material, file);
    dialog.exec();
}

void ProgramDialogs::showPrintSettings(const contract::DialogContext& context) {
    if (!context.material) {
        return;
    }
    auto withMessages = context;
    withMessages.services.messageBoxes = &messages(context);
    frmPrintSettings dialog(withMessages, orvik::common::ProgrammSettings().ApplicationPath());
    dialog.exec();
}

} // namespace shell::dialogs
