#include "shell/contract/DialogLanguage.h"

namespace shell::contract {

DialogLanguage::DialogLanguage(QObject* parent) : QObject(parent) {}

void DialogLanguage::setLanguageClass(std::shared_ptr<orvik::common::cls_Language> languageClass) {
    m_languageClass = std::move(languageClass);
}

void DialogLanguage::ExecBeforeLanguageChange() {
    emit BeforeLanguageChange();
}

void DialogLanguage::ExecAfterLanguageChange() {
    emit AfterLanguageChange();
}

} // namespace shell::contract
