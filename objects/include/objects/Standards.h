#pragma once

#include "objects/PartCollection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::objects {

/// One standard a designation of the steel appears in.
struct Standard {
    /// The standard's name; "-" for the steels of no standard.
    std::string Standard;
    std::string StandardType;
    std::string StandardTitle;
    /// The edition.
    std::string StandardDate;
    std::string StandardReplaces;
    std::string StandardReplacedBy;
    std::string StandardIntConformity;
    std::int32_t Standard_ID = 0;
};

/// The standards of a steel. Item fails for what is not there.
class Standards : public PartCollection<objects::Standard> {
public:
    /// Appends the standard of the current row (`ID_Norm`, `Name`, `Normtyp`, `Stand`, `Titel`)
    /// with the documents of the first row of `details` (`Vorgaengerdokument`, `Nachfolgedokument`,
    /// `Uebereinstimmung`; may be nullptr or empty). Throws for a missing column.
    std::shared_ptr<objects::Standard> Add(const platform::db::Recordset& rs,
                                           platform::db::Recordset* details);
};

} // namespace orvik::objects
