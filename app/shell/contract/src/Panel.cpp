#include "shell/contract/Panel.h"

#include "shell/contract/Captions.h"
#include "shell/contract/DialogLanguage.h"

namespace shell::contract {

Panel::Panel(const QString& controlName, const QString& userControlName, QWidget* parent)
    : QWidget(parent), m_userControlName(userControlName.isEmpty() ? controlName : userControlName) {
    setObjectName(controlName);
}

void Panel::setDialogLanguage(DialogLanguage* relay) {
    disconnect(m_beforeChange);
    disconnect(m_afterChange);
    m_dialogLanguage = relay;
    if (relay == nullptr) {
        return;
    }
    m_beforeChange =
        connect(relay, &DialogLanguage::BeforeLanguageChange, this, &Panel::languageAboutToChange);
    m_afterChange = connect(relay, &DialogLanguage::AfterLanguageChange, this, &Panel::languageChanged);
}

void Panel::adjustCaptions() {
    if (m_dialogLanguage == nullptr) {
        return;
    }
    // The text service finds a panel's captions under its own name, which for the second instance of a
    // panel type differs from the control name.
    const QString controlName = objectName();
    setObjectName(m_userControlName);
    contract::adjustCaptions(m_dialogLanguage->LanguageClass().get(), *this);
    setObjectName(controlName);
}

QList<QWidget*> Panel::Controls() const {
    return findChildren<QWidget*>();
}

void Panel::setApplication(std::shared_ptr<orvik::objects::Application> application) {
    m_application = std::move(application);
}

void Panel::setList(std::shared_ptr<orvik::objects::List> list) {
    m_list = std::move(list);
}

void Panel::setCombinationResultBuilder(std::shared_ptr<orvik::objects::CombinationResultBuilder> builder) {
    m_builder = std::move(builder);
}

void Panel::setMaterialDisplayInfo(std::shared_ptr<MaterialDisplayInfo> info) {
    m_displayInfo = std::move(info);
}

void Panel::setMaterial(std::shared_ptr<orvik::objects::Material> material) {
    m_material = std::move(material);
}

} // namespace shell::contract
