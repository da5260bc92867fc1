#include "objects/Footnotes.h"

#include "Rows.h"

#include <optional>

namespace orvik::objects {
namespace {

std::optional<double> asNumber(const std::string& text) {
    return platform::parseNumber(text, ".");
}

bool sameId(const std::string& stored, const platform::Variant& id) {
    if (id.isNumeric()) {
        const auto number = asNumber(stored);
        return number && *number == platform::CDbl(id);
    }
    return stored == platform::CStr(id);
}

} // namespace

std::shared_ptr<objects::Footnote> Footnotes::Fill(const platform::db::Recordset& rs, std::int32_t n) {
    const auto id = rs.field("ID_Bemerkung");
    if (FindById(id)) {
        return nullptr;
    }
    auto entry = std::make_shared<objects::Footnote>();
    entry->Footnote_ID = platform::CStr(id);
    entry->Symbol = std::to_string(n) + "." + std::to_string(Count() + 1) + ")";
    entry->Footnote = rows::text(rs, "Bemerkung");
    append(entry);
    return entry;
}

std::shared_ptr<objects::Footnote> Footnotes::FindById(const platform::Variant& id) const {
    if (id.isNull() || id.isEmpty()) {
        return nullptr;
    }
    for (const auto& entry : *this) {
        if (sameId(entry->Footnote_ID, id)) {
            return entry;
        }
    }
    return nullptr;
}

} // namespace orvik::objects
