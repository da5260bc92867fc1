#include "DialogSupport.h"

#include "common/ProgrammSettings.h"
#include "platform/CallError.h"
#include "platform/UserSettings.h"
#include "shell/contract/Captions.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/WindowServices.h"

#include <QWidget>

namespace shell::dialogs {

namespace {

orvik::common::cls_Language* service(contract::DialogLanguage* language) {
    return language != nullptr ? language->LanguageClass().get() : nullptr;
}

} // namespace

void adjustCaptions(contract::DialogLanguage* language, QWidget& dialog) {
    contract::adjustCaptions(service(language), dialog);
}

QString textOf(contract::DialogLanguage* language, orvik::common::TextID id, const QString& fallback) {
    return contract::textOf(service(language), id, fallback);
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
        // The choice is lost for the next run only; the user learns which file would not take it.
        orvik::common::ProgrammSettings::reportUnwritableFile(
            platform::userSettingsFile(SettingsApplication).value_or(SettingsApplication));
    }
}

} // namespace shell::dialogs
