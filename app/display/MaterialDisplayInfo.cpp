#include "MaterialDisplayInfo.h"

#include "common/cls_Language.h"
#include "objects/Designations.h"
#include "objects/Material.h"
#include "objects/Standards.h"
#include "platform/CallError.h"

#include <exception>

namespace display {

namespace {

/// The designations joined by "; ", empty for none.
std::string joined(const std::shared_ptr<orvik::objects::Designations>& designations) {
    std::string text;
    if (designations == nullptr) {
        return text;
    }
    for (const auto& designation : *designations) {
        if (!text.empty()) {
            text += "; ";
        }
        text += designation->Designation;
    }
    return text;
}

} // namespace

void MaterialDisplayInfo::Show() {
    emptyStrings();
    if (m_material == nullptr) {
        return;
    }
    try {
        computeStrings();
    } catch (const platform::CallError& error) {
        if (m_onError) {
            m_onError("MaterialDisplayInfo", "showData", error.number(), error.description());
        }
        return;
    } catch (const std::exception& error) {
        if (m_onError) {
            m_onError("MaterialDisplayInfo", "showData", 0, error.what());
        }
        return;
    }
    InfoChanged.raise();
}

void MaterialDisplayInfo::computeStrings() {
    auto& material = *m_material;
    m_materialNumber = material.MaterialNo();
    m_steelgroup = material.Steelgroup();
    m_country = material.Country();
    if (const auto standards = material.Standards()) {
        for (const auto& standard : *standards) {
            if (!m_standards.empty()) {
                m_standards += "\r\n";
            }
            if (standard->Standard == "-") {
                m_standards +=
                    m_languageClass != nullptr
                        ? m_languageClass->getTextFromDB(orvik::common::TextID::Nicht_genormte_Staehle)
                        : std::string();
            } else {
                m_standards += standard->Standard;
            }
        }
    }
    m_symbols = joined(material.Symbols());
    m_tradenames = joined(material.Tradenames(m_page == 1 && m_companyId != 0 ? m_companyId : 0));
    if (material.SelectedDesignationType() == "F") {
        m_supplier = material.Supplier();
    } else if (m_showSupplier) {
        m_supplier = m_filterAddress;
    }
}

void MaterialDisplayInfo::ResetToMaterial() {
    ChangeSupplierDisplay(m_supplier);
    ChangeTradeNamesDisplay(m_tradenames);
}

void MaterialDisplayInfo::Clear() {
    emptyStrings();
    m_material = nullptr;
    InfoChanged.raise();
}

void MaterialDisplayInfo::emptyStrings() {
    m_materialNumber.clear();
    m_symbols.clear();
    m_tradenames.clear();
    m_steelgroup.clear();
    m_supplier.clear();
    m_standards.clear();
    m_country.clear();
}

} // namespace display
