#pragma once

#include "objects/Error.h"
#include "platform/Event.h"
#include "platform/db/Dao.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvik::common {
class cls_Language;
class Exception;
class CompositionSearchItems;
} // namespace orvik::common

namespace orvik::objects {

class Connection;
class List;
class PropertyMaskInit;
class PropertySearch;
class Material;
struct ChemicalCompostion;

/// The root of the object model: one per run, made by the program at start-up with `create` and
/// held in a std::shared_ptr for the whole run. It owns the `Connection`, the text service and the
/// error record `comError`, opens and closes the connection, hands out the other objects of the
/// model and answers a few direct queries.
///
/// Nothing it does throws (ServiceVersion aside): every failure of its own, of its connection or of
/// a data-service manager it drives is copied into `comError` and reported once through `Error`
/// inside the call, which then returns its failure value. A query called while no connection is open
/// is such a failure (Number 91).
class Application : public std::enable_shared_from_this<Application> {
public:
    /// The number reported when a query needs the connection and none is open.
    static constexpr std::int32_t NoConnection = NoConnectionNumber;

    /// `engine` carries the workgroup file (GK2007.LG in the program folder); the default engine
    /// takes it from ProgrammSettings.ApplicationPath.
    [[nodiscard]] static std::shared_ptr<Application> create();
    [[nodiscard]] static std::shared_ptr<Application> create(platform::db::DBEngine engine);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    /// The record of the last reported error; nullptr after a caller set it so, until the next report.
    [[nodiscard]] std::shared_ptr<const objects::Error> comError() const { return m_comError; }
    void setComError(std::shared_ptr<objects::Error> record) { m_comError = std::move(record); }
    [[nodiscard]] bool LoggedIn() const noexcept;
    [[nodiscard]] const std::shared_ptr<orvik::common::cls_Language>& LanguageObject() const noexcept {
        return m_language;
    }
    /// Points the text service at the program's Daten/ folder and, when Datenbankpfad is not blank,
    /// opens the databases (see Connection). A failure is reported through Error; LoggedIn tells.
    void OpenConnection(bool bAutoLogin = false);
    void CloseConnection();
    /// A new pick list bound to the connection, open or not.
    [[nodiscard]] std::shared_ptr<objects::List> List() const;
    /// A new Material for the steel seen through that designation and occurrence, bound and loaded
    /// while the connection is open; otherwise unbound (its queries report the missing connection).
    [[nodiscard]] std::shared_ptr<objects::Material> Material(std::string_view idSteel,
                                                              std::string_view IdDesignation,
                                                              const platform::Variant& idDesignationCountry);
    /// A new property search, bound to the connection while it is open; otherwise unbound.
    [[nodiscard]] std::shared_ptr<objects::PropertySearch> PropertySearch() const;
    /// A new property-search mask, bound to the connection while it is open; otherwise unbound.
    [[nodiscard]] std::shared_ptr<objects::PropertyMaskInit> PropertyMaskInit() const;
    [[nodiscard]] const std::shared_ptr<objects::Connection>& Connection() const noexcept {
        return m_connection;
    }

    /// The material number of lowest priority of the steel in the country; empty when it has none.
    [[nodiscard]] std::string GetTop1MaterialNumber(std::string_view idSteel, std::int32_t IdCountry);
    /// The exact and the fuzzy composition search over the main database; nullptr after a failure.
    /// The fuzzy search tells `progress` the number and tolerance of each run before it starts; an
    /// answer false stops it (nullptr, nothing reported).
    [[nodiscard]] std::shared_ptr<platform::db::Recordset>
    CompositionSearch(std::int32_t IdCountry,
                      const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems);
    [[nodiscard]] std::shared_ptr<platform::db::Recordset> CompositionFuzzySearch(
        std::int32_t IdCountry,
        const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems,
        std::int32_t requiredCompositions, std::int32_t maxTolerance,
        const std::function<bool(std::int32_t step, std::int32_t tolerance)>& progress = {});
    /// One composition with its element values, by its analysis id; nullptr when there is none.
    [[nodiscard]] std::shared_ptr<ChemicalCompostion> ChemicalComposition(std::string_view idComposition);
    /// Country, name and title of the standard, then its conformity, successor and predecessor
    /// documents under their captions, lines joined by CRLF; empty when there is no such standard.
    [[nodiscard]] std::string StandardInformations(std::int32_t idStandard);
    /// The id of the country with that symbol: 0 when there is none, -1 after a failed query.
    [[nodiscard]] std::int32_t countryId(std::string_view sSymbol);
    [[nodiscard]] std::string CountrySmbol(std::int32_t lID);
    /// The object model's version, as "5.01.0003".
    [[nodiscard]] std::string Version() const;
    /// The data service's version. Throws what the data service throws.
    [[nodiscard]] std::string ServiceVersion() const;

    /// Raised inside the failing call with comError itself.
    platform::Event<const ErrorPtr&> Error;

    // For the object model's own use: report a failure through comError and Error.
    void ReportError(std::int32_t number, const std::string& modul, const std::string& procedure,
                     const std::string& description);
    /// False, after reporting NoConnection for `procedure`, when no connection is open.
    [[nodiscard]] bool RequireConnection(const std::string& procedure);

private:
    explicit Application(platform::db::DBEngine engine);
    void relay(const objects::Error& error);
    [[nodiscard]] std::function<void(const std::shared_ptr<const orvik::common::Exception>&)> managerRelay();

    std::shared_ptr<objects::Error> m_comError;
    std::shared_ptr<objects::Connection> m_connection;
    std::shared_ptr<orvik::common::cls_Language> m_language;
    platform::Subscription m_connectionRelay;
};

} // namespace orvik::objects
