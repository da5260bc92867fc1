#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"

namespace orvik::dataservice {

/// Countries: the country filter list, the countries with property tables, the country of a steel
/// or of a designation occurrence, and the conversion between a country's id and its symbol.
/// `lang` is a Language value; ids given as text must be whole numbers.
class CountryManager : public Manager {
public:
    CountryManager();

    /// `ID_Land`, `Land`, `Landeskuerzel` of the countries offered in the filter, by name (snapshot).
    [[nodiscard]] RecordsetPtr GetList(const DatabasePtr& db, std::int32_t lang);
    /// The same columns for one country (snapshot).
    [[nodiscard]] RecordsetPtr GetById(const DatabasePtr& db, std::int32_t idCountry, std::int32_t lang);
    /// `ID_Stahl`, `Land`, `Id_Land`, `EuLand` of the steel's own country (snapshot).
    [[nodiscard]] RecordsetPtr GetForSteel(const DatabasePtr& db, std::string_view idSteel,
                                           std::int32_t lang);
    /// `ID_Land`, `Landeskuerzel`, `Land` of every country with property tables, once each (forward-only).
    [[nodiscard]] RecordsetPtr GetForProperties(const DatabasePtr& db, std::int32_t lang);
    /// `ID_Land`, `Landeskuerzel`, `Land`, `EuLand` of one designation occurrence's country (snapshot).
    [[nodiscard]] RecordsetPtr
    GetForDesignationCountry(const DatabasePtr& db, std::string_view idDesignationCountry, std::int32_t lang);
    /// The id of the country with that symbol; 0 when there is none, -1 after a failure.
    [[nodiscard]] std::int32_t GetCountryIdBySymbol(const DatabasePtr& db, std::string_view symbol);
    /// The symbol of the country; empty when there is none and after a failure.
    [[nodiscard]] std::string GetCountrySymbolById(const DatabasePtr& db, std::int32_t idCountry);

private:
    const LanguageColumns m_land{"Land"};
};

} // namespace orvik::dataservice
