#pragma once

#include "objects/Designations.h"
#include "objects/PartCollection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::objects {

/// A supplier, at one of its addresses.
struct Supplier {
    /// The company's id (`ID_Firma`).
    std::int32_t Supplier_ID = 0;
    /// The number of the address (`LfdNr`); 1 is the head office.
    std::int32_t Number = 0;
    std::string Name;
    std::string Name2;
    /// The address as one text.
    std::string Address;
    std::string CountrySymbol;
    std::shared_ptr<Designations> Tradenames = std::make_shared<Designations>();
};

/// Suppliers. Item fails for what is not there.
class Suppliers : public PartCollection<objects::Supplier> {
public:
    /// Appends the supplier of the current row, reading what the row has of `ID_Firma`, `Adresse`,
    /// `Name1`, `LfdNr`, `Landeskuerzel` (the supplier queries differ), with the trade names of the
    /// remaining rows of `tradenames` (may be nullptr), which is left at its end. Never throws.
    std::shared_ptr<objects::Supplier> Add(const platform::db::Recordset& rs,
                                           platform::db::Recordset* tradenames) noexcept;
};

} // namespace orvik::objects
