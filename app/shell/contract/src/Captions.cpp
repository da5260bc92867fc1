#include "shell/contract/Captions.h"

#include "common/cls_Language.h"
#include "common/qt/QtLanguageForm.h"

#include <QWidget>

namespace shell::contract {

void adjustCaptions(orvik::common::cls_Language* language, QWidget& form) {
    if (language == nullptr) {
        return;
    }
    orvik::common::qt::QtLanguageForm adapter(form);
    language->adjustForm(adapter);
}

QString textOf(orvik::common::cls_Language* language, orvik::common::TextID id, const QString& fallback) {
    if (language == nullptr) {
        return fallback;
    }
    const QString text = QString::fromStdString(language->getTextFromDB(id));
    return text.isEmpty() ? fallback : text;
}

} // namespace shell::contract
