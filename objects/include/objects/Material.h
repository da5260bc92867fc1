#pragma once

#include "objects/Error.h"
#include "platform/Dictionary.h"
#include "platform/Event.h"
#include "platform/Variant.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform::db {
class Database;
class Recordset;
} // namespace platform::db

namespace orvik::common {
class Exception;
} // namespace orvik::common

namespace orvik::objects {

class Application;
class Connection;
class ChemicalCompostions;
class Designations;
class ListItem;
class ProductShapes;
class PropertyBags;
class StandardComparisons;
class Standards;
class Suppliers;

/// One steel seen through one of its designations: what the windows show of the selected steel.
/// Made by Application::Material, which binds it while the connection is open. The short texts are
/// loaded at once; every part is loaded when first asked for and kept while the object lives, once
/// per argument where a part takes one. A load during which anything failed is not kept, so the
/// next call tries again.
///
/// Nothing it does throws: a failure of its own (Modul "Material", Procedure the member's name), or
/// of a data-service query it runs (the manager's own values), is reported once through `Error`;
/// the member then returns what its result held (nullptr for most parts, an empty collection for
/// Tradenames and Standards, the rows so far for StandardComparisons, the empty text). A member
/// that queries on an unbound object or a closed connection reports Number 91.
class Material {
public:
    /// The number reported when a member needs the connection and there is none.
    static constexpr std::int32_t NoConnection = NoConnectionNumber;

    /// A pick list of the property tables: entries keyed by the id's decimal text, in order.
    using ListItems_t = platform::Dictionary<std::shared_ptr<const objects::ListItem>>;

    Material() = default;
    Material(const Material&) = delete;
    Material& operator=(const Material&) = delete;

    /// Binds the object to the steel `idSteel` seen through designation `IdDesignation` in the
    /// designation occurrence `idDesignationCountry`, and loads the short texts.
    void Init(std::string_view idSteel, std::string_view IdDesignation,
              const platform::Variant& idDesignationCountry, const std::shared_ptr<Application>& app);

    [[nodiscard]] const std::string& Steel_ID() const noexcept { return m_steelId; }
    [[nodiscard]] const std::string& Designation_ID() const noexcept { return m_designationId; }
    /// "W" material number, "K" symbol or "F" trade name.
    [[nodiscard]] const std::string& SelectedDesignationType() const noexcept { return m_designationType; }
    /// The material numbers joined by "; "; empty for a steel without one.
    [[nodiscard]] const std::string& MaterialNo() const noexcept { return m_materialNo; }
    [[nodiscard]] const std::string& Steelgroup() const noexcept { return m_steelgroup; }
    [[nodiscard]] const std::string& SteelgroupDetail() const noexcept { return m_steelgroupDetail; }
    void SteelgroupDetail(std::string text) { m_steelgroupDetail = std::move(text); }
    /// The name of the country the steel is shown in for this designation.
    [[nodiscard]] const std::string& Country() const noexcept { return m_country; }
    [[nodiscard]] const std::string& Footnote() const noexcept { return m_footnote; }
    /// The address of the designation's supplier (trade names only).
    [[nodiscard]] const std::string& Supplier() const noexcept { return m_supplier; }

    [[nodiscard]] std::string RangeOfApplication();
    /// The info texts under the headings from 6 on, each followed by two line breaks.
    [[nodiscard]] std::string InfoForPrint();
    /// The descriptive text: material numbers, steel group, symbols, standards, then the info texts.
    [[nodiscard]] std::string Info();

    [[nodiscard]] std::shared_ptr<objects::Designations> Symbols();
    [[nodiscard]] std::shared_ptr<objects::Designations> MaterialNumbers();
    /// The trade names at the supplier `lSupplier`; 0 for those of the supplier of the designation
    /// when the steel is seen through a trade name (else none).
    [[nodiscard]] std::shared_ptr<objects::Designations> Tradenames(std::int32_t lSupplier = 0);
    [[nodiscard]] std::shared_ptr<objects::Suppliers> Suppliers();
    [[nodiscard]] std::shared_ptr<objects::Standards> Standards();
    /// The compositions in the steel's country (`lAnalyseID` 0); one analysis by id is not offered
    /// here (Application::ChemicalComposition is) and gives nullptr. Raises
    /// ChemicalCompositionsAvailable at the call that loads.
    [[nodiscard]] std::shared_ptr<objects::ChemicalCompostions>
    ChemicalCompositions(std::int32_t lAnalyseID = 0);
    /// The product shapes of the steel's group that a supplier of the steel delivers.
    [[nodiscard]] std::shared_ptr<objects::ProductShapes> ProductShapes();
    /// The comparable designations, the steel itself in its own country left out.
    [[nodiscard]] std::shared_ptr<objects::StandardComparisons> StandardComparisons();
    /// The property tables of the steel in its country, by standard and then by kind. A matrix
    /// that cannot be read is left out (PropertyBags::Unreadable) and reported once, at the call
    /// that loads; the tables are kept. A query that fails ends the reading: it is reported once,
    /// at the call that loads, and the incomplete tables are kept with it (PropertyBags::Failure), so
    /// that later calls of the same steel neither read nor tell it again while the connection holds
    /// the same database; once it was opened anew they are read again.
    [[nodiscard]] std::shared_ptr<objects::PropertyBags> PropertyBags();
    /// One entry per standard with property tables, in order of first appearance, then the
    /// standards of tables that could not be read: the standard's short name, or its title when it
    /// has none. Built afresh from PropertyBags at each call.
    [[nodiscard]] std::shared_ptr<ListItems_t> GetPropertyStandardList();
    /// One entry per property in the tables of the kinds `propertyTypeId` selects: 1 or 4 the
    /// mechanical properties and the notes, 2 the physical properties, 3 or 5 the heat treatment
    /// and welding; any other kind none. Built afresh from PropertyBags at each call.
    [[nodiscard]] std::shared_ptr<ListItems_t> GetPropertyList(std::int32_t propertyTypeId);

    /// Writes every supplier address of the steel to `filename`: optionally a header line of the
    /// column names, then one line per address, the fields joined by `splitter`, a field holding
    /// the splitter, a quote or a line break quoted (quotes doubled); UTF-8, CRLF. The file is
    /// replaced only when complete: a failure leaves the old file as it was.
    void ExportSuppliers(const std::string& filename, const std::string& splitter, bool includeHeader);

    platform::Event<const std::shared_ptr<objects::ChemicalCompostions>&> ChemicalCompositionsAvailable;
    platform::Event<const ErrorPtr&> Error;

    // For the object model's own use (the data sheet).

    [[nodiscard]] const std::shared_ptr<objects::Connection>& Connection() const noexcept {
        return m_connection;
    }
    /// The id of the country the steel is shown in.
    [[nodiscard]] std::int32_t CountryId() const noexcept { return m_countryId; }
    [[nodiscard]] std::string SymbolsForCountry();
    [[nodiscard]] std::string MaterialNumbersForCountry();
    [[nodiscard]] std::string StandardsText();
    /// The range of one element value: "~ max" when both are equal, "min - max", "<=max", ">=min",
    /// followed by `text`; a minimum of 0 and a maximum of 100 count as none. Values are numbers or
    /// texts in the user's notation.
    [[nodiscard]] static std::string JoinText(const platform::Variant& minimum,
                                              const platform::Variant& maximum, const std::string& text,
                                              bool bracket);

private:
    enum class OnFailure { Nothing, Empty, Partial };

    [[nodiscard]] std::function<void(const std::shared_ptr<const orvik::common::Exception>&)> relay();
    void RaiseError(std::int32_t number, const std::string& procedure, const std::string& description);
    [[nodiscard]] bool connected(const std::string& procedure);
    /// Runs `fill` on a new part unless `cache` holds one; keeps it when nothing failed.
    template <class T>
    std::shared_ptr<T> load(std::optional<std::shared_ptr<T>>& cache, const std::string& procedure,
                            OnFailure onFailure, const std::function<void(T&)>& fill);
    /// Runs `body` and reports a failure under `procedure`; true when it ran through.
    bool trapped(const std::string& procedure, const std::function<void()>& body);

    void setMaterialValues();
    /// `shownIn`: the language of the country's name.
    void SetCountry(std::int32_t shownIn);
    void SetMaterialNoFromAllNumbers();
    void loadDesignations(objects::Designations& part, bool materialNumbers);
    void LoadTradenames(objects::Designations& part, std::int32_t lSupplier);
    void LoadSuppliers(objects::Suppliers& part);
    void LoadStandards(objects::Standards& part);
    void LoadChemicalCompositions(objects::ChemicalCompostions& part);
    void LoadProductShapes(objects::ProductShapes& part);
    void LoadStandardComparisons(objects::StandardComparisons& part);
    void AddPropertiesOfType(ListItems_t& list, const objects::PropertyBags& bags, std::int32_t type);
    [[nodiscard]] std::string joinedDesignations(bool materialNumbers);
    [[nodiscard]] std::int32_t language() const;

    std::string m_steelId;
    std::string m_designationId;
    std::string m_designationCountryId;
    std::string m_designationType;
    std::string m_materialNo;
    std::string m_steelgroup;
    std::string m_steelgroupDetail;
    std::int32_t m_steelgroupId = 0;
    std::string m_country;
    std::int32_t m_countryId = 0;
    std::string m_supplier;
    std::string m_footnote;

    std::shared_ptr<Application> m_app;
    std::shared_ptr<objects::Connection> m_connection;
    /// Counts the failures reported, so that a load sees whether one happened while it ran.
    std::uint64_t m_failures = 0;

    std::optional<std::shared_ptr<objects::Designations>> m_symbols;
    std::optional<std::shared_ptr<objects::Designations>> m_materialNumbers;
    std::map<std::int32_t, std::optional<std::shared_ptr<objects::Designations>>> m_tradenames;
    std::optional<std::shared_ptr<objects::Suppliers>> m_suppliers;
    std::optional<std::shared_ptr<objects::Standards>> m_standards;
    std::optional<std::shared_ptr<objects::ChemicalCompostions>> m_compositions;
    std::optional<std::shared_ptr<objects::ProductShapes>> m_productShapes;
    std::optional<std::shared_ptr<objects::StandardComparisons>> m_comparisons;
    std::shared_ptr<objects::PropertyBags> m_propBags;
    /// The main database the tables were read from: tables a failure left incomplete are read
    /// again only from another one (the connection was opened anew).
    std::weak_ptr<platform::db::Database> m_propBagsSource;
    /// Relays the failures the kept property tables report.
    platform::Subscription m_propBagsRelay;
};

} // namespace orvik::objects
