#include "common/editor/LanguageSettingsDialog.h"

#include "common/editor/LanguageEditorData.h"
#include "common/editor/frmBigEdit.h"
#include "common/editor/frmLanguageSetting.h"
#include "platform/qt/QtLanguageForm.h"

namespace orvik::common::editor {

void showLanguageSettings(orvik::common::cls_Language& language, LanguageEditorData& data,
                          platform::qt::MessageBoxes& messages, QWidget* parent) {
    frmLanguageSetting settings(data, messages, parent);
    frmBigEdit bigEdit(&settings);
    settings.setLanguage(language.Language());
    settings.setDbPath(language.dbPath());
    settings.setDbName(std::string(orvik::common::cls_Language::DatabaseName));
    settings.init_dlg();
    platform::qt::QtLanguageForm settingsForm(settings);
    language.adjustForm(settingsForm);
    platform::qt::QtLanguageForm bigEditForm(bigEdit);
    language.adjustForm(bigEditForm);
    settings.setBigEdit(&bigEdit);
    settings.exec();
}

orvik::common::cls_Language::SettingsDialog languageSettingsDialog(LanguageEditorDataFactory data,
                                                                   platform::qt::MessageBoxes& messages,
                                                                   QWidget* parent) {
    return [data = std::move(data), &messages, parent](orvik::common::cls_Language& language) {
        const std::unique_ptr<LanguageEditorData> texts = data();
        if (texts) {
            showLanguageSettings(language, *texts, messages, parent);
        }
    };
}

} // namespace orvik::common::editor
