#include "objects/PropertySearchFields.h"

#include "common/Helper.h"
#include "platform/CallError.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <functional>

namespace orvik::objects {

namespace {

// Each value on its own: a failing one is skipped and the loader goes on.
void tryRead(const std::function<void()>& read) {
    try {
        read();
    } catch (const platform::CallError&) {
    }
}

bool yes(const platform::Variant& value) {
    if (value.type() == platform::Variant::Type::Boolean) {
        return value.asBoolean();
    }
    return !value.isNull() && !value.isEmpty() && platform::CDbl(value) != 0.0;
}

} // namespace

const std::shared_ptr<PropertySearchField>&
PropertySearchFields::Item(const platform::Variant& vSpalte) const {
    return m_fields.item(std::string_view(platform::CStr(vSpalte)));
}

std::shared_ptr<PropertySearchField> PropertySearchFields::Add(const platform::db::Recordset& row) {
    using common::Helper;
    auto field = std::make_shared<PropertySearchField>();
    tryRead([&] { field->Fieldname = Helper::CVarStr(row.field("Feldname")); });
    tryRead([&] { field->Symbol = Helper::CVarStr(row.field("Symbol")); });
    tryRead([&] { field->Column = platform::CLng(row.field("Spalte")); });
    tryRead([&] { field->Index = platform::CLng(row.field("ControlIndex")); });
    tryRead([&] { field->Width = platform::CLng(row.field("Breite")); });
    field->Visible = field->Width > 0;
    tryRead([&] { field->isCombo = yes(row.field("Combo")); });
    tryRead([&] { field->ComboContent = Helper::CVarStr(row.field("Comboinhalt")); });
    tryRead([&] { field->Alignment = platform::CLng(row.field("Ausrichtung")); });
    tryRead([&] {
        const auto comparison = row.field("Vergleich");
        field->Comparison = comparison.isNull() ? std::string("=") : Helper::CVarStr(comparison);
    });
    tryRead([&] { field->Negativing = yes(row.field("Negierbar")); });
    if (field->Visible && field->Column < m_first) {
        m_first = field->Column;
    }
    if (field->Visible && field->Column > m_last) {
        m_last = field->Column;
    }
    m_fields.add(field, std::to_string(field->Column));
    return field;
}

} // namespace orvik::objects
