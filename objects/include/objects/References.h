#pragma once

#include "objects/PartCollection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orvik::objects {

/// The reference of a property value to one of the footnotes of its property bag.
struct FootnoteReference {
    std::int32_t ID_Footnote = 0;
    std::string Symbol;
};

/// The footnote references of one property value. Item fails for what is not there.
class References : public PartCollection<FootnoteReference> {
public:
    void Add(std::shared_ptr<FootnoteReference> reference) { append(std::move(reference)); }
};

} // namespace orvik::objects
