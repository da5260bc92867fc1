#pragma once

#include "objects/PartCollection.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::objects {

/// A footnote of a value: its mark and its text.
struct Footnote {
    /// The remark's id as text; empty for the footnotes of a composition.
    std::string Footnote_ID;
    std::string Symbol;
    std::string Footnote;
};

/// The footnotes of an element value or of a property bag. Item fails for what is not there.
class Footnotes : public PartCollection<objects::Footnote> {
public:
    void Add(std::shared_ptr<objects::Footnote> footnote) { append(std::move(footnote)); }
    /// Adds the remark of the current row (`ID_Bemerkung`, `Bemerkung`) unless it is here already,
    /// marked "n.k)" where k counts the footnotes added before it plus one; nullptr when it was here.
    std::shared_ptr<objects::Footnote> Fill(const platform::db::Recordset& rs, std::int32_t n);
    /// The first footnote whose id equals `id` (as numbers when both are numbers); nullptr for Null
    /// or an id that is not here.
    [[nodiscard]] std::shared_ptr<objects::Footnote> FindById(const platform::Variant& id) const;
};

} // namespace orvik::objects
