#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"

namespace orvik::dataservice {

/// Standards: the list of all standards, one standard's details and documents, the standards a
/// steel's designations appear in, and the standard comparison of a steel.
class StandardManager : public Manager {
public:
    StandardManager();

    /// Every standard of the stored query `Normliste` with its `Name` and `Dokument`, by its sort key
    /// (forward-only).
    [[nodiscard]] RecordsetPtr GetList(const DatabasePtr& db, std::int32_t lang);
    /// `Normtyp`, `Name`, `Titel`, `Stand`, the documents, `Status`, `Land` of one standard (forward-only).
    [[nodiscard]] RecordsetPtr GetDetailsById(const DatabasePtr& db, std::int32_t idStandard,
                                              std::int32_t lang);
    /// The standards of the steel's designations in every country (snapshot).
    [[nodiscard]] RecordsetPtr GetForSteel(const DatabasePtr& db, std::string_view idSteel,
                                           std::int32_t lang);
    /// The standards of the steel's designations whose type belongs to the country (snapshot).
    [[nodiscard]] RecordsetPtr GetForSteelAndCountry(const DatabasePtr& db, std::string_view idSteel,
                                                     std::int32_t idCountry, std::int32_t lang);
    /// The standard variants under which the steel has property data for the country (forward-only).
    [[nodiscard]] RecordsetPtr GetForPropertiesSteelAndCountry(const DatabasePtr& db,
                                                               std::string_view idSteel,
                                                               std::int32_t idCountry, std::int32_t lang);
    /// `Id_Norm`, `Uebereinstimmung`, `Nachfolgedokument`, `Vorgaengerdokument` (snapshot).
    [[nodiscard]] RecordsetPtr GetStandardDocuments(const DatabasePtr& db, std::int32_t idStandard);
    /// The symbols of every steel sharing a comparison key with the steel, over all countries
    /// (`idCountry` is not used); null without an event for a steel without comparison keys
    /// (forward-only).
    [[nodiscard]] RecordsetPtr GetStandardComparisonsForSteel(const DatabasePtr& db, std::string_view idSteel,
                                                              std::int32_t idCountry, std::int32_t lang);

private:
    const LanguageColumns m_status{"SufSuffix"};
    const LanguageColumns m_country{"Land"};
    const LanguageColumns m_type{"Normtyp"};
    const LanguageColumns m_title{"Titel"};
};

} // namespace orvik::dataservice
