#pragma once

#include "objects/Elements.h"
#include "objects/StandardListEntry.h"
#include "objects/Suppliers.h"
#include "platform/Dictionary.h"
#include "platform/Event.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::common {
class Exception;
} // namespace orvik::common

namespace orvik::objects {

class Connection;

/// The selection lists the windows show: countries (also those with property data), standards,
/// suppliers, steel groups, chemical elements, and the material list of the designation search.
/// Each method queries the connection's database anew, raises its event with the list it built
/// and returns that same list. Made by Application::List; keeps nothing but the connection.
///
/// No method throws. A failed query, or a list asked for while the connection is not open (Number
/// 91), is reported once through ManagerException before the list's own event, which then carries
/// an empty list (the material list: nullptr). A row that cannot become an entry, or whose key is
/// already listed, is left out.
class List {
public:
    /// Keys: the country id as read (a number); items: the name with the country symbol in brackets.
    using Countries_t = platform::Dictionary<std::string>;
    /// Keys: 0, 1, 2 ... in list order.
    using Standards_t = platform::Dictionary<std::shared_ptr<StandardListEntry>>;
    /// Keys: the group id as text; items: the group's name.
    using Steelgroups_t = platform::Dictionary<std::string>;

    explicit List(std::shared_ptr<objects::Connection> conn = nullptr);
    List(const List&) = delete;
    List& operator=(const List&) = delete;

    /// Binds the list to the connection; the result is always Empty.
    platform::Variant Init(std::shared_ptr<objects::Connection> conn);

    std::shared_ptr<Countries_t> Countries();
    std::shared_ptr<Countries_t> PropertyCountries();
    /// Read from the filter database.
    std::shared_ptr<Standards_t> Standards();
    std::shared_ptr<objects::Suppliers> Suppliers();
    std::shared_ptr<Steelgroups_t> Steelgroups();
    /// The designation search on the filter database: -1 in an id leaves that filter unset;
    /// `pattern` is an SQL condition the caller built (as a rule on `SuchBezeichnung`) or empty. The
    /// caller owns the record set; nullptr after a failure.
    std::shared_ptr<platform::db::Recordset> Materials(std::int32_t idSteelgroup, std::int32_t idStandard,
                                                       std::int32_t idStandardType, std::int32_t idSupplier,
                                                       std::int32_t IdCountry, bool includeMaterialNumber,
                                                       bool includeSymbols, bool includeTradenames,
                                                       std::string_view pattern = "");
    /// Keyed by the element symbol.
    std::shared_ptr<objects::Elements> Elements();

    platform::Event<const std::shared_ptr<Countries_t>&> CountriesAvailable;
    platform::Event<const std::shared_ptr<Countries_t>&> PropertyCountriesAvailable;
    platform::Event<const std::shared_ptr<Standards_t>&> StandardsAvailable;
    platform::Event<const std::shared_ptr<objects::Suppliers>&> SuppliersAvailable;
    platform::Event<const std::shared_ptr<Steelgroups_t>&> SteelgroupsAvailable;
    platform::Event<const std::shared_ptr<platform::db::Recordset>&, const std::string&> MaterialsAvailable;
    platform::Event<const std::shared_ptr<objects::Elements>&> ElementsAvailable;
    platform::Event<const std::shared_ptr<const orvik::common::Exception>&> ManagerException;

private:
    /// True when the connection is open; otherwise reports that once for `procedure`.
    [[nodiscard]] bool connected(const std::string& procedure);
    [[nodiscard]] std::shared_ptr<Countries_t> countryList(bool withProperties);
    using Rows = std::shared_ptr<platform::db::Recordset>;
    /// With a fresh manager of type M bound to the relay, runs `query` and gives each of its rows to
    /// `entry`; nothing without connection (reported once).
    template <class M>
    void walk(const std::string& procedure, const std::function<Rows(M&, const objects::Connection&)>& query,
              const std::function<void(const platform::db::Recordset&)>& entry);

    std::shared_ptr<objects::Connection> m_connection;
};

} // namespace orvik::objects
