#pragma once

#include "platform/Variant.h"

#include <cstdint>
#include <string>

namespace orvik::objects {

/// An entry of the property pick lists of a material: an id, its text and its place in the list.
/// Read-only outside the object model.
class ListItem {
public:
    [[nodiscard]] const platform::Variant& id() const noexcept { return m_id; }
    [[nodiscard]] const std::string& Designation() const noexcept { return m_designation; }
    [[nodiscard]] std::int32_t Order() const noexcept { return m_order; }

    // For the builders of the lists.
    void setId(platform::Variant id) { m_id = std::move(id); }
    void setDesignation(std::string designation) { m_designation = std::move(designation); }
    void setOrder(std::int32_t order) noexcept { m_order = order; }

private:
    platform::Variant m_id;
    std::string m_designation;
    std::int32_t m_order = 0;
};

} // namespace orvik::objects
