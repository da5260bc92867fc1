#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"

#include <string>

namespace orvik::dataservice {

/// Property data of a steel: the kinds of property, the standards under which the steel has
/// property values for a country (with their value matrix), its properties and value rows, and the
/// XML property matrix of one value matrix and kind. `propertyTypeId` is a PropertyTypes value.
class PropertyManager : public Manager {
public:
    PropertyManager();

    /// `ID`, `Kennung` of every kind, by the kind sort column of the language (snapshot).
    [[nodiscard]] RecordsetPtr GetPropertyTypeList(const DatabasePtr& db, std::int32_t lang);
    /// One row per matrix link of the steel in the country, with `Matrix`, `Name`, `NameKurz`,
    /// `Normtyp`, `Title`, `Stand`, `NichtAnzeigen` (forward-only); `Name` and `NameKurz` begin with
    /// the kind of standard in the language.
    [[nodiscard]] RecordsetPtr GetPropertyStandardBySteelId(const DatabasePtr& db, std::string_view steelId,
                                                            std::int32_t countryId, std::int32_t lang);
    /// `ID_Eigenschaft`, `Eigenschaft` of the steel's properties of the type: 1 and 4 take kinds 1 and
    /// 4, 2 takes 2, 3 and 5 take 3 and 5; another type fails (forward-only).
    [[nodiscard]] RecordsetPtr GetPropertiesBySteelAndType(const DatabasePtr& db, std::string_view steelId,
                                                           std::int32_t countryId,
                                                           std::int32_t propertyTypeId, std::int32_t lang);
    /// The property-value rows of the steel in the country (snapshot).
    [[nodiscard]] RecordsetPtr GetPropertiesBySteelAndCountry(const DatabasePtr& db, std::string_view steelId,
                                                              std::int32_t countryId, std::int32_t lang);
    /// The property-value rows of one value matrix and kind of the steel in the country (snapshot).
    [[nodiscard]] RecordsetPtr
    GetPropertyValuesBySearchResult(const DatabasePtr& db, std::string_view steelId, std::int32_t countryId,
                                    std::string_view matrixId, std::int32_t propertyTypeId,
                                    std::int32_t lang);
    /// The XML property matrix of the value matrix and kind in the language; empty without a row
    /// and after a failure.
    [[nodiscard]] std::string GetPropertiesForMatrixAndType(const DatabasePtr& db, std::string_view matrixId,
                                                            std::int32_t propertyTypeId, std::int32_t lang);

private:
    [[nodiscard]] std::string valueColumns(std::int32_t lang) const;
    [[nodiscard]] std::string valueOrder(std::int32_t lang) const;

    const LanguageColumns m_kind{"Eigenschaftskennung"};
    const LanguageColumns m_sort{"Sortierung"};
    const LanguageColumns m_title{"Titel"};
    const LanguageColumns m_status{"SufSuffix"};
    const LanguageColumns m_type{"Normtyp"};
    const LanguageColumns m_property{"Eigenschaft"};
    const LanguageColumns m_state{"Zustand"};
    const LanguageColumns m_duration{"Dauer"};
    const LanguageColumns m_form{"Form"};
    const LanguageColumns m_classification{"Klassifizierung"};
    const LanguageColumns m_specimen{"Probenlage"};
    const LanguageColumns m_cooling{"Abkuelung"};
};

} // namespace orvik::dataservice
