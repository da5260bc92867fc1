#include "objects/List.h"

#include "BoundManager.h"
#include "Rows.h"
#include "common/Enums.h"
#include "common/Helper.h"
#include "dataservice/CompositionManager.h"
#include "dataservice/CountryManager.h"
#include "dataservice/MaterialManager.h"
#include "dataservice/StandardManager.h"
#include "dataservice/SteelgroupManager.h"
#include "dataservice/SupplierManager.h"
#include "objects/Connection.h"
#include "platform/CallError.h"

namespace orvik::objects {
namespace {

using orvik::common::Language;

/// The list's name of the steels of no standard; the user-defined language reads the English one.
std::string nonStandardised(std::int32_t language) {
    switch (static_cast<Language>(language)) {
    case Language::German:
        return "Nicht genormte Stähle";
    case Language::French:
        return "Aciers non normalisés";
    default:
        return "Non standardized steels";
    }
}

/// Two blanks become one, in one pass from the left (three become two).
std::string singleBlanks(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ') {
            ++i;
        }
    }
    return result;
}

std::shared_ptr<StandardListEntry> standardEntry(const platform::db::Recordset& rs, std::int32_t language) {
    auto entry = std::make_shared<StandardListEntry>();
    std::string name;
    std::string document;
    if (rows::idText(rs, "Dokument", "").starts_with('-')) {
        // The pseudo standard of one country's steels that no standard covers: the group text
        // with the bracketed country symbol the query puts at the end of its name.
        const auto trimmedName = rows::text(rs, "Name");
        name = nonStandardised(language);
        if (const auto bracket = trimmedName.find('('); bracket != std::string::npos) {
            name += " " + trimmedName.substr(bracket);
        }
        document = name;
    } else {
        name = rows::idText(rs, "Name", "");
        document = rows::idText(rs, "Dokument", "");
    }
    entry->StandardId = rows::number(rs, "ID_Norm");
    entry->StandardType = rows::number(rs, "Id_Normtyp");
    entry->Name = singleBlanks(name);
    entry->Dokument = document;
    entry->CountryDe = rows::text(rs, "Land_D");
    entry->CountryEn = rows::text(rs, "Land_E");
    entry->CountryFr = rows::text(rs, "Land_F");
    entry->TitleDe = rows::text(rs, "Titel_D");
    entry->TitleEn = rows::text(rs, "Titel_E");
    entry->TitleFr = rows::text(rs, "Titel_F");
    entry->IntConformity = rows::text(rs, "Uebereinstimmung");
    entry->ReplacedBy = rows::text(rs, "Nachfolgedokument");
    entry->Replaces = rows::text(rs, "Vorgaengerdokument");
    return entry;
}

} // namespace

List::List(std::shared_ptr<objects::Connection> conn) : m_connection(std::move(conn)) {}

platform::Variant List::Init(std::shared_ptr<objects::Connection> conn) {
    m_connection = std::move(conn);
    return {};
}

bool List::connected(const std::string& procedure) {
    if (m_connection && m_connection->LoggedIn()) {
        return true;
    }
    ManagerException.raise(orvik::common::Helper::CreateExceptionObject(NoConnectionNumber, "List",
                                                                        NoConnectionText, procedure));
    return false;
}

template <class M>
void List::walk(const std::string& procedure,
                const std::function<Rows(M&, const objects::Connection&)>& query,
                const std::function<void(const platform::db::Recordset&)>& entry) {
    if (!connected(procedure)) {
        return;
    }
    BoundManager<M> manager([this](const auto& ex) { ManagerException.raise(ex); });
    if (const auto rs = query(*manager, *m_connection)) {
        rows::eachRowSkippingFailures(*rs, entry);
        rs->close();
    }
}

std::shared_ptr<List::Countries_t> List::countryList(bool withProperties) {
    auto result = std::make_shared<Countries_t>();
    walk<orvik::dataservice::CountryManager>(
        withProperties ? "PropertyCountries" : "Countries",
        [withProperties](auto& manager, const auto& conn) {
            return withProperties ? manager.GetForProperties(conn.Database(), conn.Language())
                                  : manager.GetList(conn.Database(), conn.Language());
        },
        [&](const platform::db::Recordset& row) {
            const auto symbol = row.field("Landeskuerzel");
            auto text = rows::text(row, "Land");
            if (!symbol.isNull()) {
                text += " (" + platform::CStr(symbol) + ")";
            }
            result->add(row.field("ID_Land"), std::move(text));
        });
    return result;
}

std::shared_ptr<List::Countries_t> List::Countries() {
    const auto result = countryList(false);
    CountriesAvailable.raise(result);
    return result;
}

std::shared_ptr<List::Countries_t> List::PropertyCountries() {
    const auto result = countryList(true);
    PropertyCountriesAvailable.raise(result);
    return result;
}

std::shared_ptr<List::Standards_t> List::Standards() {
    auto result = std::make_shared<Standards_t>();
    std::int32_t key = 0;
    const std::int32_t language = m_connection ? m_connection->Language() : 0;
    walk<orvik::dataservice::StandardManager>(
        "Standards",
        [language](auto& manager, const auto& conn) {
            return manager.GetList(conn.FilterDatabase(), language);
        },
        [&](const platform::db::Recordset& row) {
            result->add(platform::Variant(key), standardEntry(row, language));
            ++key;
        });
    StandardsAvailable.raise(result);
    return result;
}

std::shared_ptr<objects::Suppliers> List::Suppliers() {
    auto result = std::make_shared<objects::Suppliers>();
    walk<orvik::dataservice::SupplierManager>(
        "Suppliers", [](auto& manager, const auto& conn) { return manager.GetList(conn.Database()); },
        [&](const platform::db::Recordset& row) { result->Add(row, nullptr); });
    SuppliersAvailable.raise(result);
    return result;
}

std::shared_ptr<List::Steelgroups_t> List::Steelgroups() {
    auto result = std::make_shared<Steelgroups_t>();
    walk<orvik::dataservice::SteelgroupManager>(
        "Steelgroups",
        [](auto& manager, const auto& conn) { return manager.GetList(conn.Database(), conn.Language()); },
        [&](const platform::db::Recordset& row) {
            const auto id = rows::number(row, "ID_Stahlgruppe");
            auto text = rows::text(row, "Gruppe");
            std::string key = std::to_string(id);
            if (id >= 11000 && id < 12000) {
                // The international groups are filtered by their common group.
                text += " (Int)";
                key = platform::CStr(row.field("IntGruppe"));
            } else if (id < 11000) {
                text += " (D)";
            }
            result->add(platform::Variant(key), std::move(text));
        });
    SteelgroupsAvailable.raise(result);
    return result;
}

std::shared_ptr<platform::db::Recordset> List::Materials(std::int32_t idSteelgroup, std::int32_t idStandard,
                                                         std::int32_t idStandardType, std::int32_t idSupplier,
                                                         std::int32_t IdCountry, bool includeMaterialNumber,
                                                         bool includeSymbols, bool includeTradenames,
                                                         std::string_view pattern) {
    std::shared_ptr<platform::db::Recordset> rs;
    {
        BoundManager<orvik::dataservice::MaterialManager> manager(
            [this](const auto& ex) { ManagerException.raise(ex); });
        // Without a connection the data service reports the missing database itself.
        const auto db = m_connection ? m_connection->FilterDatabase() : nullptr;
        rs = manager->GetMaterialList(db, idSteelgroup, idStandard, idStandardType, idSupplier, IdCountry,
                                      includeMaterialNumber, includeSymbols, includeTradenames, pattern);
    }
    MaterialsAvailable.raise(rs, std::string(pattern));
    return rs;
}

std::shared_ptr<objects::Elements> List::Elements() {
    auto result = std::make_shared<objects::Elements>();
    walk<orvik::dataservice::CompositionManager>(
        "Elements", [](auto& manager, const auto& conn) { return manager.GetElementList(conn.Database()); },
        [&](const platform::db::Recordset& row) { result->AddListElement(row); });
    ElementsAvailable.raise(result);
    return result;
}

} // namespace orvik::objects
