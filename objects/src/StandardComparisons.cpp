#include "objects/StandardComparisons.h"

#include "Rows.h"
#include "common/ProgrammSettings.h"
#include "platform/TextCase.h"

#include <array>
#include <string_view>

namespace orvik::objects {
namespace {

/// The group text of the steels of no standard, by language (German, French, English).
constexpr std::array<std::string_view, 3> NonStandardised{"Nicht genormte Stähle ", "Aciers non normalisés ",
                                                          "Non standardized steels "};

} // namespace

std::string StandardComparisons::StandardDesignation(const std::string& name, std::int32_t language) {
    auto trimmed = std::string(platform::trimBlanks(name));
    // Only a name whose first character is the dash marks the steels of no standard; a name that
    // starts with blanks is a real one. Only that leading dash stands for the group: a dash later in
    // the name (a status, a country) stays as it is.
    if (!name.starts_with('-') || language < 0 ||
        language >= static_cast<std::int32_t>(NonStandardised.size())) {
        return trimmed;
    }
    return std::string(NonStandardised[static_cast<std::size_t>(language)]) + trimmed.substr(1);
}

std::shared_ptr<StandardComparison> StandardComparisons::Add(const platform::db::Recordset& rs) {
    return Add(rs, static_cast<std::int32_t>(orvik::common::ProgrammSettings().CurrentLanguage()));
}

std::shared_ptr<StandardComparison> StandardComparisons::Add(const platform::db::Recordset& rs,
                                                             std::int32_t language) {
    auto entry = std::make_shared<StandardComparison>();
    entry->Desig_ID = rows::idText(rs, "Id_Stahlbez", "0");
    entry->Steel_ID = rows::idText(rs, "ID_Stahl", "0");
    entry->DesigCountryId = rows::idText(rs, "Id_StahlbezVorkommen", "");
    entry->Standard_ID = rows::number(rs, "ID_Norm");
    entry->MaterialDesignation = rows::text(rs, "WSNr_Anzeige");
    entry->Designation = rows::text(rs, "Bezeichnung");
    entry->DesignationType = rows::idText(rs, "Kennung", "");
    entry->Country = rows::text(rs, "Land");
    const auto name = rs.field("Name");
    entry->StandardDesignation =
        name.isNull() ? std::string() : StandardDesignation(platform::CStr(name), language);
    append(entry);
    return entry;
}

} // namespace orvik::objects
