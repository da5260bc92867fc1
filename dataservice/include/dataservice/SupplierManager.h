#pragma once

#include "dataservice/Manager.h"

#include <string>

namespace orvik::dataservice {

/// Suppliers with their addresses: the supplier list, the suppliers of a steel, of a trade name and
/// of a steel in a product shape, one supplier's address and second name line, and the address list
/// of a steel for the export file. Every supplier list is sorted by the supplier's code.
class SupplierManager : public Manager {
public:
    SupplierManager();

    /// `ID_Firma`, `Name1` (prefixed with the country symbol in brackets), `Adresse` of every
    /// supplier's head office (forward-only).
    [[nodiscard]] RecordsetPtr GetList(const DatabasePtr& db);
    /// Head-office addresses of the suppliers of any designation of the steel (forward-only).
    [[nodiscard]] RecordsetPtr GetForSteel(const DatabasePtr& db, std::string_view idSteel);
    /// `Adresse` of the supplier, trimmed; empty when there is none and after a failure.
    [[nodiscard]] std::string GetAddressById(const DatabasePtr& db, std::int32_t idCompany);
    /// `Name2` of that address of the supplier, trimmed; empty when there is none and after a failure.
    [[nodiscard]] std::string GetName2ByIdAndBranch(const DatabasePtr& db, std::int32_t idCompany,
                                                    std::int32_t idBranch);
    /// `ID_Firma`, `Adresse` of the suppliers of one designation (forward-only).
    [[nodiscard]] RecordsetPtr GetForDesignation(const DatabasePtr& db, std::string_view idDesignation);
    /// Every address of every supplier of the steel, with column names in the language: 0 German,
    /// 1 French, any other value English (forward-only).
    [[nodiscard]] RecordsetPtr GetForSteelExport(const DatabasePtr& db, std::string_view idSteel,
                                                 std::int32_t lang);
    /// The suppliers of the steel's designations that deliver the steel's group in the product shape
    /// (forward-only).
    [[nodiscard]] RecordsetPtr GetForSteelAndProductShape(const DatabasePtr& db, std::string_view idSteel,
                                                          std::int32_t idProductShape);
};

} // namespace orvik::dataservice
