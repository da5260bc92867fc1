#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"
#include "platform/db/Dao.h"

#include <string>

namespace orvik::dataservice {

/// What the property search needs of the database apart from the values themselves: the layout of
/// the search mask, the pick lists of searchable properties and of the six kinds of condition with
/// their search ids, a row's search id, a property's unit and tendency codes, and the running of
/// statements the property search builds itself. Search ids are 32-bit.
class PropertySearchManager : public Manager {
public:
    PropertySearchManager();

    /// Every row of the mask layout `tabEigenschaftssuche`, by `Spalte` (forward-only).
    [[nodiscard]] RecordsetPtr GetSearchFields(const DatabasePtr& db);

    // Pick lists: `ID`, `SID`, `Bezeichnung` of the searchable rows (forward-only); the properties by
    // their name, the conditions by their sort column of the language.
    [[nodiscard]] RecordsetPtr GetPropertiesForSearch(const DatabasePtr& db, std::int32_t lang);
    [[nodiscard]] RecordsetPtr GetStatesForSearch(const DatabasePtr& db, std::int32_t lang);
    [[nodiscard]] RecordsetPtr GetCoolingsForSearch(const DatabasePtr& db, std::int32_t lang);
    /// Delivers `SID_Faktor` as its `SID`.
    [[nodiscard]] RecordsetPtr GetDurationsForSearch(const DatabasePtr& db, std::int32_t lang);
    [[nodiscard]] RecordsetPtr GetFormsForSearch(const DatabasePtr& db, std::int32_t lang);
    [[nodiscard]] RecordsetPtr GetSpecimensForSearch(const DatabasePtr& db, std::int32_t lang);
    [[nodiscard]] RecordsetPtr GetClassificationsForSearch(const DatabasePtr& db, std::int32_t lang);

    // Search id of one row: 0 when there is no row and after a failure (also a null search id).
    [[nodiscard]] std::int32_t GetPropertySearchId(const DatabasePtr& db, std::int32_t id);
    [[nodiscard]] std::int32_t GetStateSearchId(const DatabasePtr& db, std::int32_t id);
    [[nodiscard]] std::int32_t GetCoolingSearchId(const DatabasePtr& db, std::int32_t id);
    /// Reads `SID_Dauer`.
    [[nodiscard]] std::int32_t GetDurationSearchId(const DatabasePtr& db, std::int32_t id);
    [[nodiscard]] std::int32_t GetFormSearchId(const DatabasePtr& db, std::int32_t id);
    [[nodiscard]] std::int32_t GetSpecimenSearchId(const DatabasePtr& db, std::int32_t id);
    [[nodiscard]] std::int32_t GetClassificationSearchId(const DatabasePtr& db, std::int32_t id);

    /// The property's unit; empty for null, without a row and after a failure.
    [[nodiscard]] std::string GetPropertyUnitStringById(const DatabasePtr& db, std::int32_t idProperty);
    /// The property's temperature tendency code; 0 for null, without a row and after a failure.
    [[nodiscard]] std::int32_t GetTemperatureTendencyStringByID(const DatabasePtr& db,
                                                                std::int32_t idProperty);
    /// The property's second tendency code; 0 for null, without a row and after a failure.
    [[nodiscard]] std::int32_t GetDRMTendencyStringByID(const DatabasePtr& db, std::int32_t idProperty);

    /// Runs a statement the caller built, unchanged, as a record set of `rstType`.
    [[nodiscard]] RecordsetPtr
    ExecuteRecordset(const DatabasePtr& db, std::string_view sql,
                     platform::db::RecordsetType rstType = platform::db::RecordsetType::Snapshot);

private:
    /// One vocabulary table as the pick list and the search-id lookup read it.
    struct Vocabulary {
        const char* table;
        const char* idColumn;
        const char* listSearchIdColumn;
        const char* searchIdColumn;
        LanguageColumns text;
        /// Without a sort column the list is ordered by its text.
        bool hasSortColumn;
    };

    [[nodiscard]] RecordsetPtr pickList(std::string_view procedure, const Vocabulary& vocabulary,
                                        const DatabasePtr& db, std::int32_t lang);
    [[nodiscard]] std::int32_t searchId(std::string_view procedure, const Vocabulary& vocabulary,
                                        const DatabasePtr& db, std::int32_t id);
    [[nodiscard]] platform::Variant propertyColumn(const DatabasePtr& db, const char* column,
                                                   std::int32_t idProperty);

    const Vocabulary m_properties;
    const Vocabulary m_states;
    const Vocabulary m_coolings;
    const Vocabulary m_durations;
    const Vocabulary m_forms;
    const Vocabulary m_specimens;
    const Vocabulary m_classifications;
    const LanguageColumns m_sort{"Sortierung"};
};

} // namespace orvik::dataservice
