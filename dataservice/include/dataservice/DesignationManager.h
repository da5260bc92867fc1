#pragma once

#include "dataservice/Manager.h"

#include <string>

namespace orvik::dataservice {

/// The designations of one steel: material numbers, trade names at a supplier, symbols, the kind
/// and the status text of one designation. Reads no language column.
class DesignationManager : public Manager {
public:
    DesignationManager();

    /// `Bezeichnung`: the material numbers of the steel's comparison groups (forward-only).
    [[nodiscard]] RecordsetPtr GetMaterialNumbersForSteel(const DatabasePtr& db, std::string_view idSteel);
    /// `Id_Stahlbez`, `Bezeichnung` of every designation of the steel linked to the supplier, by
    /// priority (forward-only).
    [[nodiscard]] RecordsetPtr GetTradenamesForSteelAndSupplier(const DatabasePtr& db,
                                                                std::string_view idSteel,
                                                                std::int32_t idSupplier);
    /// The steel's material number of smallest priority in the country; empty when there is none.
    [[nodiscard]] std::string GetTop1MaterialNumber(const DatabasePtr& db, std::string_view idSteel,
                                                    std::int32_t idCountry);
    /// `Id_Stahlbez`, `Bezeichnung` of all the steel's symbols, undecorated (snapshot).
    [[nodiscard]] RecordsetPtr GetSymbolsForSteel(const DatabasePtr& db, std::string_view idSteel);
    /// The steel's symbols in the country with their status texts; country 34 also takes 32 and 18
    /// (forward-only).
    [[nodiscard]] RecordsetPtr GetSymbolsForSteelAndCountry(const DatabasePtr& db, std::string_view idSteel,
                                                            std::int32_t idCountry);
    /// The steel's material numbers in the country with their status texts (forward-only).
    [[nodiscard]] RecordsetPtr GetRealMaterialNumbersForSteelAndCountry(const DatabasePtr& db,
                                                                        std::string_view idSteel,
                                                                        std::int32_t idCountry);
    /// The kind ('W', 'K' or 'F') of one designation; empty without a row and after a failure.
    [[nodiscard]] std::string GetDesignationTypeById(const DatabasePtr& db, std::string_view idDesignation);
    /// The status text of one designation (null reads as empty); empty after a failure.
    [[nodiscard]] std::string GetStatusForDesignation(const DatabasePtr& db, std::string_view idDesignation);
};

} // namespace orvik::dataservice
