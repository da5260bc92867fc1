#pragma once

#include "objects/PartCollection.h"

#include <memory>
#include <string>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::objects {

/// One designation of a steel.
struct Designation {
    std::string Designation;
    /// The designation's id (`Id_Stahlbez`) as text.
    std::string Designation_ID;
};

/// The designations of one kind (symbols, material numbers, trade names). Item gives nullptr for a
/// position or key that is not there.
class Designations : public PartCollection<objects::Designation, MissingItem::GivesNothing> {
public:
    /// Adds the current row (`Id_Stahlbez`, `Bezeichnung`), at the front when `front` is set; the
    /// row set does not move. Throws for a missing column or a Null id; nothing is added then.
    std::shared_ptr<objects::Designation> Add(const platform::db::Recordset& rs, bool front);
};

} // namespace orvik::objects
