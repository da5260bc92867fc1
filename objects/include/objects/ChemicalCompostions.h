#pragma once

#include "objects/Elements.h"
#include "objects/PartCollection.h"

#include <memory>
#include <string>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::objects {

/// One chemical composition (analysis) with its element values.
struct ChemicalCompostion {
    /// The analysis id as text.
    std::string ID_Composition;
    std::string CompositonDesignation;
    std::shared_ptr<objects::Elements> Elements = std::make_shared<objects::Elements>();
};

/// The compositions of a steel. Item gives nullptr for what is not there.
class ChemicalCompostions : public PartCollection<ChemicalCompostion, MissingItem::GivesNothing> {
public:
    /// Adds the composition of the current row of `composition` (`ID_Analyse` ("0" when Null),
    /// `Bezeichnung`; may be nullptr) with one element per row of `values`, which is left at its end,
    /// and their footnotes from `footnotes` (may be nullptr). At the front when `front` is set.
    /// Throws for a missing column; nothing is added then.
    std::shared_ptr<ChemicalCompostion> Add(const platform::db::Recordset* composition,
                                            platform::db::Recordset& values,
                                            platform::db::Recordset* footnotes, bool front);
};

} // namespace orvik::objects
