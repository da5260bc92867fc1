#pragma once

#include "objects/Footnotes.h"
#include "objects/PartCollection.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::objects {

/// One chemical element: a value of a composition, or an entry of the element pick list.
struct Element {
    /// The element symbol.
    std::string Element;
    std::string Others;
    /// The limits as read: a number, or Null.
    platform::Variant MinValue = platform::Variant::null();
    platform::Variant MaxValue = platform::Variant::null();
    /// Decimals to show.
    std::int16_t Backnumbers = 0;
    bool OnlySearch = false;
    /// Display order.
    std::int16_t Order = 0;
    bool OptionalValue = false;
    /// The element makes up the remainder.
    bool Rest = false;
    std::shared_ptr<objects::Footnotes> Footnotes = std::make_shared<objects::Footnotes>();
};

/// The elements of a composition (keys "1", "2" ...) or the element pick list (keyed by symbol).
/// Item fails for what is not there.
class Elements : public PartCollection<objects::Element> {
public:
    /// Adds the value of the current row (`ID_Element`, `MinWert`, `MaxWert`, `Sonstiges`,
    /// `Anzahl_NK` (2 when Null), `Sortierung` (99 when Null), `NurSuchen`, `KannWert`, `Rest`) with
    /// its footnotes from `footnotes` (`ID_Element`, `Zeichen`, `Fussnote`; may be nullptr), which is
    /// moved. Throws for a missing column.
    std::shared_ptr<objects::Element> Add(const platform::db::Recordset& rs,
                                          platform::db::Recordset* footnotes);
    /// Adds the element of the current row of the element list under its symbol. Throws 457 for a
    /// symbol already here.
    std::shared_ptr<objects::Element> AddListElement(const platform::db::Recordset& rs);
};

} // namespace orvik::objects
