#include "DialogSupport.h"

#include "common/cls_Language.h"
#include "platform/CallError.h"
#include "platform/UserSettings.h"
#include "platform/qt/QtLanguageForm.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/WindowServices.h"

#include <QWidget>

namespace shell::dialogs {

void adjustCaptions(contract::DialogLanguage* language, QWidget& dialog) {
    if (language == nullptr || !language->LanguageClass()) {
        return;
    }
    platform::qt::QtLanguageForm form(dialog);
    language->LanguageClass()->adjustForm(form);
}

QString textOf(contract::DialogLanguage* language, orvik::common::TextID id) {
    if (language == nullptr || !language->LanguageClass()) {
        return {};
    }
    return QString::fromStdString(language->LanguageClass()->getTextFromDB(id));
}

QString programTitle() {
    return QString::fromLatin1(contract::ProgramTitle);
}

void nameControl(QWidget& widget, const char* name, int index) {
    widget.setObjectName(QString::fromLatin1(name));
    if (index >= 0) {
        widget.setProperty("index", index);
    }
}

QString storedSetting(const char* section, const char* key, const QString& fallback) {
    try {
        return QString::fromStdString(
            platform::GetSetting(SettingsApplication, section, key, fallback.toStdString()));
    } catch (const platform::CallError&) {
        return fallback;
    }
}

void storeSetting(const char* section, const char* key, const QString& value) {
    try {
        platform::SaveSetting(SettingsApplication, section, key, value.toStdString());
    } catch (const platform::CallError&) {
        // The choice is lost for the next run only.
    }
}

} // namespace shell::dialogs
