#pragma once

#include "dataservice/Manager.h"

#include <functional>

namespace orvik::dataservice {

/// The material list: every designation occurrence that matches the caller's pattern and filters,
/// in the database's display order. Runs on the filter database, over its stored queries.
class MaterialManager : public Manager {
public:
    /// Reads the setting SuppressNationalEnDesignations from the program settings at each call.
    MaterialManager();
    /// Takes the setting from `suppressNationalEnDesignations`, asked at each call.
    explicit MaterialManager(std::function<bool()> suppressNationalEnDesignations);

    /// Ids -1 leave a filter unset; the standard type counts only with a standard. `pattern` is an
    /// SQL condition on the stored query's columns built by the caller (as a rule on
    /// `SuchBezeichnung`), or empty. Result (snapshot): `Id_Stahl`, `Id_Stahlbez`,
    /// `Id_StahlbezVorkommen`, `Bezeichnung`, `SuchBezeichnung`, `Kennung`, `IndexSort`, `Id_Land`,
    /// by `IndexSort`.
    [[nodiscard]] RecordsetPtr GetMaterialList(const DatabasePtr& db, std::int32_t idSteelgroup,
                                               std::int32_t idStandard, std::int32_t idStandardType,
                                               std::int32_t idSupplier, std::int32_t idCountry,
                                               bool includeMaterialNumber, bool includeSymbols,
                                               bool includeTradenames, std::string_view pattern);

private:
    std::function<bool()> m_suppressNationalEnDesignations;
};

} // namespace orvik::dataservice
