#include "StandInDialogs.h"

#include "ProgramVersion.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "objects/Material.h"
#include "shell/contract/FileDialogs.h"

#include <QDir>

namespace shell {
namespace {

QString title() {
    return QString::fromLatin1(contract::ProgramTitle);
}

} // namespace

StandInDialogs::OptionsOutcome StandInDialogs::showOptions(const contract::DialogContext& context) {
    OptionsOutcome outcome;
    if (context.services.fileDialogs == nullptr) {
        return outcome;
    }
    orvik::common::ProgrammSettings settings;
    const QString before = QString::fromStdString(settings.Datenbankpfad());
    const QString chosen = context.services.fileDialogs->folder(
        context.parent, QStringLiteral("Graukant.MDB / Filter.mdb"), before);
    if (chosen.isEmpty()) {
        return outcome; // cancelled: the old folder stays
    }
    const QString folder = QDir::cleanPath(chosen) + QLatin1Char('/');
    settings.Datenbankpfad(folder.toStdString());
    settings.FilterDbPath(folder.toStdString());
    outcome.databasePathChanged = folder != before;
    return outcome;
}

void StandInDialogs::showAbout(const contract::DialogContext& context) {
    QString text = title() + QStringLiteral("\nVersion ") + QLatin1String(ProgramVersion::Text);
    if (context.application) {
        text +=
            QStringLiteral("\nOrvikObjectsVers5 ") + QString::fromStdString(context.application->Version());
    }
    m_messageBoxes.show(context.parent, text, title(), MessageBoxes::Icon::Information,
                        MessageBoxes::Buttons::Ok);
}

void StandInDialogs::showNewEditionNotice(const contract::DialogContext& context) {
    m_messageBoxes.show(context.parent, QStringLiteral("A newer edition of Graukant may be available."),
                        title(), MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
}

void StandInDialogs::showSupplierExport(const contract::DialogContext& context, const QString& file) {
    if (context.material) {
        context.material->ExportSuppliers(file.toStdString(), ";", true);
    }
}

void StandInDialogs::showPrintSettings(const contract::DialogContext& context) {
    m_messageBoxes.show(context.parent, QStringLiteral("Printing is not available in this build."), title(),
                        MessageBoxes::Icon::Exclamation, MessageBoxes::Buttons::Ok);
}

} // namespace shell
