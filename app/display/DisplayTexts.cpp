#include "DisplayTexts.h"

#include "common/cls_Language.h"
#include "common/qt/QtLanguageForm.h"
#include "shell/contract/DialogLanguage.h"

#include <QWidget>

namespace display {

QString DisplayTexts::text(const shell::contract::DialogLanguage* relay, orvik::common::TextID id) {
    if (relay == nullptr || relay->LanguageClass() == nullptr) {
        return {};
    }
    return QString::fromStdString(relay->LanguageClass()->getTextFromDB(id));
}

void DisplayTexts::adjustForm(const shell::contract::DialogLanguage* relay, QWidget& panel) {
    if (relay == nullptr || relay->LanguageClass() == nullptr) {
        return;
    }
    orvik::common::qt::QtLanguageForm form(panel);
    relay->LanguageClass()->adjustForm(form);
}

QString DisplayTexts::lines(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace display
