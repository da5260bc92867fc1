#pragma once

#include "platform/Event.h"
#include "shell/contract/MaterialDisplayInfo.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace display {

/// The header texts of the steel shown: material number, symbols, trade names, steel group,
/// supplier, standards and country, each as one display string, shared by the main window, the
/// description and supplier panels and the designation selection page. Show computes them from the
/// steel; the supplier panel may show one supplier's texts for a while (ChangeSupplierDisplay,
/// ChangeTradeNamesDisplay) without touching them, and ResetToMaterial puts the steel's back.
///
/// Made once by the main window and held by std::shared_ptr. Show traps every failure and reports it
/// through the error handler (module "MaterialDisplayInfo", procedure "showData"); the other members
/// do not throw on their own.
class MaterialDisplayInfo : public shell::contract::MaterialDisplayInfo {
public:
    /// Shows a failure: module, procedure, number, description.
    using ErrorHandler =
        std::function<void(const std::string&, const std::string&, std::int32_t, const std::string&)>;

    void setShowSupplier(bool show) override { m_showSupplier = show; }
    void setFilterAddress(const std::string& address) override { m_filterAddress = address; }
    void setCompanyId(std::int32_t id) { m_companyId = id; }
    void setPage(std::int32_t page) override { m_page = page; }
    void setLanguage(std::int32_t language) override { m_language = language; }
    void setLanguageClass(std::shared_ptr<orvik::common::cls_Language> language) override {
        m_languageClass = std::move(language);
    }
    void setMaterial(std::shared_ptr<orvik::objects::Material> material) override {
        m_material = std::move(material);
    }
    void setErrorHandler(ErrorHandler handler) { m_onError = std::move(handler); }

    [[nodiscard]] bool ShowSupplier() const noexcept { return m_showSupplier; }
    [[nodiscard]] const std::string& FilterAddress() const noexcept { return m_filterAddress; }
    [[nodiscard]] std::int32_t CompanyId() const noexcept { return m_companyId; }
    [[nodiscard]] const std::shared_ptr<orvik::objects::Material>& Material() const noexcept {
        return m_material;
    }

    [[nodiscard]] const std::string& MaterialNumber() const noexcept { return m_materialNumber; }
    [[nodiscard]] const std::string& Symbols() const noexcept { return m_symbols; }
    [[nodiscard]] const std::string& Tradenames() const noexcept { return m_tradenames; }
    [[nodiscard]] const std::string& Steelgroup() const noexcept { return m_steelgroup; }
    [[nodiscard]] const std::string& Supplier() const noexcept { return m_supplier; }
    /// One standard per line (CR LF between them).
    [[nodiscard]] const std::string& Standards() const noexcept { return m_standards; }
    [[nodiscard]] const std::string& Country() const noexcept { return m_country; }

    /// Computes the strings of the steel set last and raises InfoChanged; without a steel only
    /// empties them.
    void Show() override;
    void ChangeSupplierDisplay(const std::string& newSupplier) { SupplierChanged.raise(newSupplier); }
    void ChangeTradeNamesDisplay(const std::string& newTradeNames) { TradeNamesChanged.raise(newTradeNames); }
    void ResetToMaterial() override;
    /// Empties the strings, forgets the steel and raises InfoChanged.
    void Clear() override;

    platform::Event<> InfoChanged;
    platform::Event<const std::string&> SupplierChanged;
    platform::Event<const std::string&> TradeNamesChanged;

private:
    void emptyStrings();
    void computeStrings();

    bool m_showSupplier = false;
    std::string m_filterAddress;
    std::int32_t m_companyId = 0;
    std::int32_t m_page = 0;
    std::int32_t m_language = 0;
    std::shared_ptr<orvik::common::cls_Language> m_languageClass;
    std::shared_ptr<orvik::objects::Material> m_material;
    ErrorHandler m_onError;
    std::string m_materialNumber;
    std::string m_symbols;
    std::string m_tradenames;
    std::string m_steelgroup;
    std::string m_supplier;
    std::string m_standards;
    std::string m_country;
};

} // namespace display
