#include "common/editor/LanguageSettingsDialog.h"

#include "HelpKey.h"
#include "common/editor/LanguageEditorData.h"
#include "common/editor/frmBigEdit.h"
#include "common/editor/frmLanguageSetting.h"
#include "common/qt/QtLanguageForm.h"

namespace orvik::common::editor {

void showLanguageSettings(orvik::common::cls_Language& language, LanguageEditorData& data,
                          platform::qt::MessageBoxes& messages, QWidget* parent,
                          const WindowHelper::Opener& openHelp) {
    frmLanguageSetting settings(data, messages, parent);
    frmBigEdit bigEdit(&settings);
    // The help file of the library's windows is the one the service was given.
    const auto help = [&language, &messages, &openHelp] {
        if (!language.helpFile().empty()) {
            static_cast<void>(
                WindowHelper::StartHTML(QString::fromStdString(language.helpFile()), messages, openHelp));
        }
    };
    new HelpKey(settings, help);
    new HelpKey(bigEdit, help);
    settings.setLanguage(language.Language());
    settings.setDbPath(language.dbPath());
    settings.setDbName(std::string(orvik::common::cls_Language::DatabaseName));
    settings.init_dlg();
    orvik::common::qt::QtLanguageForm settingsForm(settings);
    language.adjustForm(settingsForm);
    orvik::common::qt::QtLanguageForm bigEditForm(bigEdit);
    language.adjustForm(bigEditForm);
    settings.setBigEdit(&bigEdit);
    settings.exec();
}

orvik::common::cls_Language::SettingsDialog languageSettingsDialog(LanguageEditorDataFactory data,
                                                                   platform::qt::MessageBoxes& messages,
                                                                   QWidget* parent,
                                                                   WindowHelper::Opener openHelp) {
    return [data = std::move(data), &messages, parent,
            openHelp = std::move(openHelp)](orvik::common::cls_Language& language) {
        const std::unique_ptr<LanguageEditorData> texts = data();
        if (texts) {
            showLanguageSettings(language, *texts, messages, parent, openHelp);
        }
    };
}

} // namespace orvik::common::editor
