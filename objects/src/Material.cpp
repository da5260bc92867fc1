#include "objects/Material.h"

#include "BoundManager.h"
#include "Rows.h"
#include "common/ProgrammSettings.h"
#include "dataservice/CountryManager.h"
#include "dataservice/DesignationManager.h"
#include "dataservice/FootnoteManager.h"
#include "dataservice/SteelgroupManager.h"
#include "dataservice/SupplierManager.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Connection.h"
#include "objects/Designations.h"
#include "objects/ProductShapes.h"
#include "objects/StandardComparisons.h"
#include "objects/Standards.h"
#include "objects/Suppliers.h"
#include "platform/CallError.h"

#include <exception>

namespace orvik::objects {
namespace {

using orvik::dataservice::CountryManager;
using orvik::dataservice::DesignationManager;
using orvik::dataservice::FootnoteManager;
using orvik::dataservice::SteelgroupManager;
using orvik::dataservice::SupplierManager;

/// Countries whose steels are shown in the country of the designation occurrence instead: 30
/// always, 16 when the occurrence's country belongs to the EU.
constexpr std::int32_t AlwaysOccurrenceCountry = 30;
constexpr std::int32_t EuOccurrenceCountry = 16;

} // namespace

std::int32_t Material::language() const {
    return m_connection ? m_connection->Language()
                        : static_cast<std::int32_t>(orvik::common::ProgrammSettings().CurrentLanguage());
}

std::function<void(const std::shared_ptr<const orvik::common::Exception>&)> Material::relay() {
    return [this](const std::shared_ptr<const orvik::common::Exception>& ex) {
        ++m_failures;
        Error.raise(std::make_shared<const objects::Error>(copyOf(*ex)));
    };
}

void Material::RaiseError(std::int32_t number, const std::string& procedure, const std::string& description) {
    ++m_failures;
    Error.raise(std::make_shared<const objects::Error>(number, "Material", procedure, description));
}

bool Material::connected(const std::string& procedure) {
    if (m_connection && m_connection->LoggedIn()) {
        return true;
    }
    RaiseError(NoConnection, procedure, NoConnectionText);
    return false;
}

bool Material::trapped(const std::string& procedure, const std::function<void()>& body) {
    std::int32_t number = 0;
    std::string description;
    try {
        body();
        return true;
    } catch (const platform::CallError& e) {
        number = e.number();
        description = e.description();
    } catch (const std::exception& e) {
        number = platform::err::InvalidProcedureCall;
        description = e.what();
    }
    // Raised outside the handlers: a listener that throws is not reported a second time.
    RaiseError(number, procedure, description);
    return false;
}

template <class T>
std::shared_ptr<T> Material::load(std::optional<std::shared_ptr<T>>& cache, const std::string& procedure,
                                  OnFailure onFailure, const std::function<void(T&)>& fill) {
    if (!connected(procedure)) {
        return onFailure == OnFailure::Nothing ? nullptr : std::make_shared<T>();
    }
    if (cache) {
        return *cache;
    }
    const auto failuresBefore = m_failures;
    auto part = std::make_shared<T>();
    if (!trapped(procedure, [&] { fill(*part); })) {
        switch (onFailure) {
        case OnFailure::Nothing:
            return nullptr;
        case OnFailure::Empty:
            return std::make_shared<T>();
        case OnFailure::Partial:
            return part;
        }
    }
    // A part built while a query failed lacks that query's rows: the next call tries again.
    if (m_failures == failuresBefore) {
        cache = part;
    }
    return part;
}

void Material::Init(std::string_view idSteel, std::string_view IdDesignation,
                    const platform::Variant& idDesignationCountry, const std::shared_ptr<Application>& app) {
    m_steelId = std::string(idSteel);
    m_designationId = std::string(IdDesignation);
    m_designationCountryId = idDesignationCountry.isNull() || idDesignationCountry.isEmpty()
                                 ? std::string()
                                 : platform::CStr(idDesignationCountry);
    m_designationType.clear();
    m_app = app;
    m_connection = app ? app->Connection() : nullptr;
    if (m_connection && m_connection->LoggedIn()) {
        setMaterialValues();
    }
}

// Each value on its own: one that cannot be read leaves the others loaded.
void Material::setMaterialValues() {
    m_country.clear();
    m_steelgroup.clear();
    m_steelgroupDetail.clear();
    m_designationType.clear();
    m_materialNo.clear();
    m_supplier.clear();
    m_steelgroupId = 0;
    const auto& db = m_connection->Database();
    const std::string procedure = "setMaterialValues";
    // One reading of the settings for all the short texts.
    std::int32_t shownIn = 0;
    trapped(procedure, [&] { shownIn = language(); });
    trapped(procedure, [&] {
        BoundManager<DesignationManager> manager(relay());
        m_designationType = manager->GetDesignationTypeById(db, m_designationId);
    });
    trapped(procedure, [&] {
        BoundManager<SteelgroupManager> manager(relay());
        const auto rs = manager->GetForSteel(db, m_steelId, shownIn);
        if (rows::hasRows(rs)) {
            m_steelgroup = rows::text(*rs, "Gruppe");
            m_steelgroupDetail = rows::text(*rs, "Detail");
            m_steelgroupId = rows::number(*rs, "ID_Stahlgruppe");
            rs->close();
        }
    });
    SetCountry(shownIn);
    trapped(procedure, [&] {
        BoundManager<SupplierManager> manager(relay());
        const auto rs = manager->GetForDesignation(db, m_designationId);
        if (rows::hasRows(rs)) {
            m_supplier = rows::text(*rs, "Adresse");
            rs->close();
        }
    });
    trapped(procedure, [&] {
        BoundManager<FootnoteManager> manager(relay());
        const auto rs = manager->GetForDesignation(db, m_designationId, shownIn);
        if (rows::hasRows(rs)) {
            m_footnote = rows::text(*rs, "Info");
        }
    });
    trapped(procedure, [&] {
        const auto numbers = MaterialNumbers();
        if (numbers && numbers->Count() > 0) {
            for (const auto& number : *numbers) {
                m_materialNo += (m_materialNo.empty() ? "" : "; ") + number->Designation;
            }
            return;
        }
        SetMaterialNoFromAllNumbers();
    });
}

void Material::SetCountry(std::int32_t shownIn) {
    trapped("SetCountry", [&] {
        BoundManager<CountryManager> manager(relay());
        const auto& db = m_connection->Database();
        const auto steel = manager->GetForSteel(db, m_steelId, shownIn);
        // An occurrence id that is not known (an old favourite) leaves the steel's own country.
        const auto occurrence = m_designationCountryId.empty()
                                    ? nullptr
                                    : manager->GetForDesignationCountry(db, m_designationCountryId, shownIn);
        const bool steelKnown = rows::hasRows(steel);
        const bool occurrenceKnown = rows::hasRows(occurrence);
        const platform::db::Recordset* from = steelKnown ? steel.get() : occurrence.get();
        if (steelKnown && occurrenceKnown) {
            const auto own = rows::number(*steel, "ID_Land");
            if (own == AlwaysOccurrenceCountry ||
                (own == EuOccurrenceCountry && rows::flag(*occurrence, "EuLand"))) {
                from = occurrence.get();
            }
        }
        if (rows::hasRows(from)) {
            m_countryId = rows::number(*from, "ID_Land");
            m_country = rows::text(*from, "Land");
        }
    });
}

void Material::SetMaterialNoFromAllNumbers() {
    BoundManager<DesignationManager> manager(relay());
    const auto rs = manager->GetMaterialNumbersForSteel(m_connection->Database(), m_steelId);
    if (!rows::hasRows(rs)) {
        return; // a steel without a material number is a normal steel
    }
    m_materialNo = rows::text(*rs, "Bezeichnung");
    for (rs->moveNext(); !rs->eof(); rs->moveNext()) {
        const auto value = rs->field("Bezeichnung");
        if (!value.isNull()) {
            m_materialNo += "; " + orvik::common::Helper::CVarStr(value);
        }
    }
    rs->close();
}

std::shared_ptr<objects::Designations> Material::Symbols() {
    return load<objects::Designations>(
        m_symbols, "Symbols", OnFailure::Nothing,
        [this](objects::Designations& part) { loadDesignations(part, false); });
}

std::shared_ptr<objects::Designations> Material::MaterialNumbers() {
    return load<objects::Designations>(m_materialNumbers, "MaterialNumbers", OnFailure::Nothing,
                                       [this](objects::Designations& part) { loadDesignations(part, true); });
}

std::shared_ptr<objects::Designations> Material::Tradenames(std::int32_t lSupplier) {
    return load<objects::Designations>(
        m_tradenames[lSupplier], "Tradenames", OnFailure::Empty,
        [this, lSupplier](objects::Designations& part) { LoadTradenames(part, lSupplier); });
}

std::shared_ptr<objects::Suppliers> Material::Suppliers() {
    return load<objects::Suppliers>(m_suppliers, "Suppliers", OnFailure::Nothing,
                                    [this](objects::Suppliers& part) { LoadSuppliers(part); });
}

std::shared_ptr<objects::Standards> Material::Standards() {
    return load<objects::Standards>(m_standards, "Standards", OnFailure::Empty,
                                    [this](objects::Standards& part) { LoadStandards(part); });
}

std::shared_ptr<objects::ChemicalCompostions> Material::ChemicalCompositions(std::int32_t lAnalyseID) {
    if (lAnalyseID != 0) {
        if (connected("ChemicalCompositions")) {
            ChemicalCompositionsAvailable.raise(nullptr);
        }
        return nullptr;
    }
    const bool loads = !m_compositions.has_value();
    auto result = load<objects::ChemicalCompostions>(
        m_compositions, "ChemicalCompositions", OnFailure::Nothing,
        [this](objects::ChemicalCompostions& part) { LoadChemicalCompositions(part); });
    if (loads && result) {
        ChemicalCompositionsAvailable.raise(result);
    }
    return result;
}

std::shared_ptr<objects::ProductShapes> Material::ProductShapes() {
    return load<objects::ProductShapes>(m_productShapes, "ProductShapes", OnFailure::Nothing,
                                        [this](objects::ProductShapes& part) { LoadProductShapes(part); });
}

std::shared_ptr<objects::StandardComparisons> Material::StandardComparisons() {
    return load<objects::StandardComparisons>(
        m_comparisons, "StandardComparisons", OnFailure::Partial,
        [this](objects::StandardComparisons& part) { LoadStandardComparisons(part); });
}

} // namespace orvik::objects
