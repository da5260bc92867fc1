#include "PropertyBagLoader.h"
#include "objects/Connection.h"
#include "objects/ListItem.h"
#include "objects/Material.h"
#include "objects/PropertiesEnum.h"
#include "objects/PropertyBags.h"

#include <array>
#include <span>
#include <string>

namespace orvik::objects {
namespace {

constexpr std::int32_t kind(PropertiesEnum e) {
    return static_cast<std::int32_t>(e);
}

/// The kinds of tables shown together in one pick list, in the order they are listed.
std::span<const std::int32_t> kindsListedWith(std::int32_t propertyTypeId) {
    using enum PropertiesEnum;
    static constexpr std::array mechanical{kind(eMechanischeEigenschaften), kind(eBemerkung)};
    static constexpr std::array physical{kind(ePhysikalischeEigenschaften)};
    static constexpr std::array heatTreatment{kind(eWaermebehandlung), kind(eSchweissen)};
    switch (propertyTypeId) {
    case kind(eMechanischeEigenschaften):
    case kind(eBemerkung):
        return mechanical;
    case kind(ePhysikalischeEigenschaften):
        return physical;
    case kind(eWaermebehandlung):
    case kind(eSchweissen):
        return heatTreatment;
    default:
        return {};
    }
}

/// Adds an entry under `id` unless the list has one; it takes the next place.
void addOnce(Material::ListItems_t& list, std::int32_t id, std::string designation) {
    const platform::Variant key(std::to_string(id));
    if (list.exists(key)) {
        return;
    }
    auto item = std::make_shared<ListItem>();
    item->setId(key);
    item->setOrder(list.count() + 1);
    item->setDesignation(std::move(designation));
    list.add(key, std::move(item));
}

} // namespace

std::shared_ptr<objects::PropertyBags> Material::PropertyBags() {
    const std::string procedure = "PropertyBags";
    if (!connected(procedure)) {
        return nullptr;
    }
    const auto& database = m_connection->Database();
    if (m_propBags && (!m_propBags->Failure() || m_propBagsSource.lock() == database)) {
        return m_propBags;
    }
    ErrorPtr failure;
    auto bags = loadPropertyBags(m_connection, m_steelId, m_countryId, "", "Material", procedure,
                                 [&failure](const ErrorPtr& error) {
                                     if (!failure) {
                                         failure = error;
                                     }
                                 });
    // Kept whatever happened: a failed query or an unreadable matrix is told once for this steel,
    // not again by every page and list that asks for its tables.
    bags->setFailure(failure);
    m_propBags = bags;
    m_propBagsSource = database;
    m_propBagsRelay = m_propBags->ThrowException.subscribe(relay());
    if (failure) {
        ++m_failures;
        Error.raise(failure);
    }
    for (const auto& unreadable : bags->Unreadable()) {
        ++m_failures;
        Error.raise(unreadable.error);
    }
    return bags;
}

std::shared_ptr<Material::ListItems_t> Material::GetPropertyStandardList() {
    if (!connected("GetPropertyStandardList")) {
        return nullptr;
    }
    auto list = std::make_shared<ListItems_t>();
    const auto bags = PropertyBags();
    const auto add = [&list](const PropertyBag& bag) {
        addOnce(*list, bag.Standard_ID,
                bag.StandardShortName.empty() ? bag.StandardTitle : bag.StandardShortName);
    };
    for (const auto& bag : *bags) {
        add(*bag);
    }
    // A standard whose table could not be read can still be chosen: the data sheet then says so.
    for (const auto& unreadable : bags->Unreadable()) {
        add(*unreadable.header);
    }
    return list;
}

std::shared_ptr<Material::ListItems_t> Material::GetPropertyList(std::int32_t propertyTypeId) {
    if (!connected("GetPropertyList")) {
        return nullptr;
    }
    auto list = std::make_shared<ListItems_t>();
    const auto bags = PropertyBags();
    for (const auto type : kindsListedWith(propertyTypeId)) {
        AddPropertiesOfType(*list, *bags, type);
    }
    return list;
}

void Material::AddPropertiesOfType(ListItems_t& list, const objects::PropertyBags& bags, std::int32_t type) {
    for (const auto& bag : bags) {
        if (bag->PropertyType != type) {
            continue;
        }
        for (const auto& property : *bag->Properties) {
            addOnce(list, property->propertyId, property->Name);
        }
    }
}

} // namespace orvik::objects
