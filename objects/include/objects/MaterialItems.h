#pragma once

#include "objects/MaterialItem.h"
#include "objects/PartCollection.h"

#include <memory>
#include <string_view>

namespace orvik::objects {

/// The hits of a property search, keyed by designation occurrence so that each is held once, in
/// the order found. Item of a position or key that is not there gives nullptr.
class MaterialItems : public PartCollection<MaterialItem, MissingItem::GivesNothing> {
public:
    /// Library-internal: adds the hit under its IdDesigCountry unless that key is present already.
    void Add(std::shared_ptr<MaterialItem> item) {
        if (item && !Exists(item->IdDesigCountry)) {
            const auto key = item->IdDesigCountry;
            appendUnder(std::move(item), key);
        }
    }
    [[nodiscard]] bool Exists(std::string_view key) const { return Item(key) != nullptr; }
};

} // namespace orvik::objects
