#pragma once

#include "platform/Collection.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform::db {
class Recordset;
}

namespace orvik::objects {

/// One column of the property-search grid. A record of public values.
struct PropertySearchField {
    /// The search column in the search SQL.
    std::string Fieldname;
    /// The attribute of a `Wert` in the XML property matrix that the XML condition reads.
    std::string Symbol;
    /// Which pick list the column's drop-down shows (a kind of PropertyMaskInit::GetSearchItems).
    std::string ComboContent;
    /// The comparison operator; "=" when the layout gives none.
    std::string Comparison;
    std::int32_t Alignment = 0;
    std::int32_t Width = 0;
    /// The grid column, also the field's key.
    std::int32_t Column = 0;
    /// The entry control that edits the column.
    std::int32_t Index = 0;
    /// True exactly when Width > 0.
    bool Visible = false;
    bool isCombo = false;
    bool Negativing = false;
};

/// The layout of the property-search grid: its fields in column order, keyed by their column
/// written as decimal text, and the first and last visible column (9999 and -9999 without one).
class PropertySearchFields {
public:
    [[nodiscard]] std::int32_t First_Visible_Column() const noexcept { return m_first; }
    [[nodiscard]] std::int32_t Last_Visible_Column() const noexcept { return m_last; }
    /// The field of that column (a number or its text); throws platform::CallError 5 for none.
    [[nodiscard]] const std::shared_ptr<PropertySearchField>& Item(const platform::Variant& vSpalte) const;
    [[nodiscard]] std::int32_t Count() const noexcept { return m_fields.count(); }
    [[nodiscard]] auto begin() const noexcept { return m_fields.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_fields.end(); }

    /// Library-internal: adds the field of the current layout row. A column that is missing or
    /// cannot be read leaves its value at the default; the row is still added.
    std::shared_ptr<PropertySearchField> Add(const platform::db::Recordset& row);

private:
    platform::Collection<std::shared_ptr<PropertySearchField>> m_fields;
    std::int32_t m_first = 9999;
    std::int32_t m_last = -9999;
};

} // namespace orvik::objects
