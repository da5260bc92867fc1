// The property tables of a steel and the pick lists the data sheet's property sections are
// restricted by.

#include "PropertyBagLoader.h"
#include "objects/Material.h"
#include "objects/Properties.h"
#include "objects/Property.h"
#include "objects/PropertyBag.h"
#include "objects/PropertyBags.h"

#include <vector>

namespace orvik::objects {

namespace {

using Items = platform::Dictionary<ListItem>;

void addOnce(Items& items, const std::string& id, const std::string& designation) {
    const platform::Variant key(id);
    if (items.exists(key)) {
        return;
    }
    ListItem item;
    item.setId(key);
    item.setOrder(items.count() + 1);
    item.setDesignation(designation);
    items.add(key, std::move(item));
}

std::vector<std::int32_t> typesOfGroup(std::int32_t group) {
    switch (group) {
    case 1:
    case 4:
        return {1, 4};
    case 2:
        return {2};
    case 3:
    case 5:
        return {3, 5};
    default:
        return {};
    }
}

} // namespace

std::shared_ptr<objects::PropertyBags> Material::PropertyBags() {
    if (!connected("PropertyBags")) {
        return nullptr;
    }
    if (m_propertyBags) {
        return *m_propertyBags;
    }
    bool failed = false;
    auto bags = loadPropertyBags(m_connection, m_steelId, m_countryId, "", "Material", "PropertyBags",
                                 [this, &failed](const ErrorPtr& error) {
                                     failed = true;
                                     ++m_failures;
                                     Error.raise(error);
                                 });
    // Tables loaded while one failed lack that one: the next call tries again.
    if (!failed) {
        m_propertyBags = bags;
    }
    return bags;
}

std::shared_ptr<platform::Dictionary<ListItem>> Material::GetPropertyStandardList() {
    const auto bags = PropertyBags();
    if (!bags) {
        return nullptr;
    }
    auto items = std::make_shared<Items>();
    for (const auto& bag : *bags) {
        addOnce(*items, std::to_string(bag->Standard_ID),
                bag->StandardShortName.empty() ? bag->StandardTitle : bag->StandardShortName);
    }
    return items;
}

std::shared_ptr<platform::Dictionary<ListItem>> Material::GetPropertyList(std::int32_t propertyTypeId) {
    const auto bags = PropertyBags();
    if (!bags) {
        return nullptr;
    }
    auto items = std::make_shared<Items>();
    for (const auto type : typesOfGroup(propertyTypeId)) {
        for (const auto& bag : *bags) {
            if (bag->PropertyType != type) {
                continue;
            }
            for (const auto& value : *bag->Properties) {
                addOnce(*items, std::to_string(value->propertyId), value->Name);
            }
        }
    }
    return items;
}

} // namespace orvik::objects
