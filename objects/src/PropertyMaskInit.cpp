#include "objects/PropertyMaskInit.h"

#include "common/Helper.h"
#include "dataservice/PropertySearchManager.h"
#include "objects/Connection.h"
#include "objects/PropertySearchFields.h"
#include "platform/CallError.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <functional>

namespace orvik::objects {

namespace {

using dataservice::PropertySearchManager;
using ListOperation = dataservice::RecordsetPtr (PropertySearchManager::*)(const dataservice::DatabasePtr&,
                                                                           std::int32_t);
using IdOperation = std::int32_t (PropertySearchManager::*)(const dataservice::DatabasePtr&, std::int32_t);

constexpr const char* Modul = "PropertyMaskInit";

struct Kind {
    const char* name;
    ListOperation list;
    IdOperation id;
};

constexpr Kind kinds[] = {
    {"Eigenschaft", &PropertySearchManager::GetPropertiesForSearch,
     &PropertySearchManager::GetPropertySearchId},
    {"Zustand", &PropertySearchManager::GetStatesForSearch, &PropertySearchManager::GetStateSearchId},
    {"Abkuehlung", &PropertySearchManager::GetCoolingsForSearch, &PropertySearchManager::GetCoolingSearchId},
    {"Dauer", &PropertySearchManager::GetDurationsForSearch, &PropertySearchManager::GetDurationSearchId},
    {"Form", &PropertySearchManager::GetFormsForSearch, &PropertySearchManager::GetFormSearchId},
    {"Probenlage", &PropertySearchManager::GetSpecimensForSearch,
     &PropertySearchManager::GetSpecimenSearchId},
    {"Klassifizierung", &PropertySearchManager::GetClassificationsForSearch,
     &PropertySearchManager::GetClassificationSearchId},
};

// The kinds compare exactly, case included.
const Kind* findKind(const std::string& name) {
    for (const auto& kind : kinds) {
        if (name == kind.name) {
            return &kind;
        }
    }
    return nullptr;
}

// Every call runs on a manager of its own, whose failures are relayed as they happen.
struct RelayedManager {
    explicit RelayedManager(const std::function<void(const ErrorPtr&)>& report)
        : relay(manager.ManagerException.subscribe([report](const dataservice::ExceptionPtr& ex) {
              report(std::make_shared<const objects::Error>(ex->Number(), ex->Modul(), ex->Procedure(),
                                                            ex->Description()));
          })) {}
    PropertySearchManager manager;
    platform::Subscription relay;
};

} // namespace

void PropertyMaskInit::Init(std::shared_ptr<Connection> connection) {
    m_connection = std::move(connection);
    m_loaded = false;
}

void PropertyMaskInit::raise(const ErrorPtr& error) {
    m_lastError = error;
    Error.raise(error);
}

bool PropertyMaskInit::bound(const char* procedure) {
    if (m_connection && m_connection->Database()) {
        return true;
    }
    raise(std::make_shared<const objects::Error>(platform::err::ObjectNotSet, Modul, procedure,
                                                 "The property search mask has no connection"));
    return false;
}

std::shared_ptr<objects::PropertySearchFields> PropertyMaskInit::PropertySearchFields() {
    if (m_loaded && m_fields) {
        return m_fields;
    }
    auto fields = std::make_shared<objects::PropertySearchFields>();
    if (!bound("PropertySearchFields")) {
        return fields;
    }
    RelayedManager relayed([this](const ErrorPtr& error) { raise(error); });
    auto& manager = relayed.manager;
    try {
        const auto rows = manager.GetSearchFields(m_connection->Database());
        if (rows) {
            for (; !rows->eof(); rows->moveNext()) {
                (void)fields->Add(*rows);
            }
            rows->close();
        }
        m_fields = fields;
        m_loaded = true;
    } catch (const platform::CallError& e) {
        raise(std::make_shared<const objects::Error>(e.number(), Modul, "PropertySearchFields",
                                                     e.description()));
    }
    return fields;
}

std::shared_ptr<PropertyMaskInit::SearchItems> PropertyMaskInit::GetSearchItems(const std::string& sTable) {
    auto items = std::make_shared<SearchItems>();
    const auto* kind = findKind(sTable);
    if (kind == nullptr || !bound("GetSearchItems")) {
        return items;
    }
    RelayedManager relayed([this](const ErrorPtr& error) { raise(error); });
    auto& manager = relayed.manager;
    try {
        const auto rows = (manager.*kind->list)(m_connection->Database(), m_connection->Language());
        if (rows) {
            for (; !rows->eof(); rows->moveNext()) {
                items->add(platform::Variant(platform::CStr(rows->field("ID"))),
                           common::Helper::CVarStr(rows->field("Bezeichnung")));
            }
            rows->close();
        }
    } catch (const platform::CallError& e) {
        raise(std::make_shared<const objects::Error>(e.number(), Modul, "GetSearchItems", e.description()));
    }
    return items;
}

std::int32_t PropertyMaskInit::GetSearchId(const std::string& table, std::int32_t id) {
    const auto* kind = findKind(table);
    if (kind == nullptr || !bound("GetSearchId")) {
        return 0;
    }
    RelayedManager relayed([this](const ErrorPtr& error) { raise(error); });
    auto& manager = relayed.manager;
    return (manager.*kind->id)(m_connection->Database(), id);
}

std::string PropertyMaskInit::GetPropteryUnitByID(std::int32_t idProperty) {
    if (!bound("GetPropteryUnitByID")) {
        return {};
    }
    RelayedManager relayed([this](const ErrorPtr& error) { raise(error); });
    auto& manager = relayed.manager;
    return manager.GetPropertyUnitStringById(m_connection->Database(), idProperty);
}

std::int32_t PropertyMaskInit::GetTemperatureTendencyByID(std::int32_t idProperty) {
    if (!bound("GetTemperatureTendencyByID")) {
        return 0;
    }
    RelayedManager relayed([this](const ErrorPtr& error) { raise(error); });
    auto& manager = relayed.manager;
    return manager.GetTemperatureTendencyStringByID(m_connection->Database(), idProperty);
}

std::int32_t PropertyMaskInit::GetDRMTendencyByID(std::int32_t idProperty) {
    if (!bound("GetDRMTendencyByID")) {
        return 0;
    }
    RelayedManager relayed([this](const ErrorPtr& error) { raise(error); });
    auto& manager = relayed.manager;
    return manager.GetDRMTendencyStringByID(m_connection->Database(), idProperty);
}

} // namespace orvik::objects
