#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace orvik::common {
class cls_Language;
}
namespace orvik::objects {
class Material;
}

namespace shell::contract {

/// The display strings of the current steel, shared by the main window and the overview panels. This
/// is what the main window sets and calls; the display panels' implementation derives from it and adds
/// the strings and their notifications. By itself it keeps nothing and shows nothing, for tests of the
/// main window without the display panels.
class MaterialDisplayInfo {
public:
    virtual ~MaterialDisplayInfo() = default;

    virtual void setShowSupplier(bool show) { (void)show; }
    virtual void setFilterAddress(const std::string& address) { (void)address; }
    virtual void setPage(std::int32_t page) { (void)page; }
    virtual void setLanguage(std::int32_t language) { (void)language; }
    virtual void setLanguageClass(std::shared_ptr<orvik::common::cls_Language> language) { (void)language; }
    virtual void setMaterial(std::shared_ptr<orvik::objects::Material> material) { (void)material; }
    /// Computes the strings of the steel set last.
    virtual void Show() {}
    /// Puts the steel's own supplier and trade-name texts back after a supplier filter replaced them.
    virtual void ResetToMaterial() {}
    /// Empties every string.
    virtual void Clear() {}
};

} // namespace shell::contract
