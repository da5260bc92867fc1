// The loaders of the parts of a Material: which query each runs and how it builds its collection.

#include "BoundManager.h"
#include "Rows.h"
#include "dataservice/CompositionManager.h"
#include "dataservice/DesignationManager.h"
#include "dataservice/ProductShapeManager.h"
#include "dataservice/StandardManager.h"
#include "dataservice/SupplierManager.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Connection.h"
#include "objects/Designations.h"
#include "objects/Material.h"
#include "objects/ProductShapes.h"
#include "objects/StandardComparisons.h"
#include "objects/Standards.h"
#include "objects/Suppliers.h"
#include "platform/TextCase.h"

namespace orvik::objects {
namespace {

using orvik::dataservice::CompositionManager;
using orvik::dataservice::DesignationManager;
using orvik::dataservice::ProductShapeManager;
using orvik::dataservice::StandardManager;
using orvik::dataservice::SupplierManager;

/// The rows of the designation through which the steel is seen come first.
bool isSelected(const platform::db::Recordset& rs, const std::string& designationId) {
    return rows::idText(rs, "Id_Stahlbez", "") == designationId;
}

void addDesignations(objects::Designations& part, platform::db::Recordset& rs,
                     const std::string& designationId) {
    for (; !rs.eof(); rs.moveNext()) {
        part.Add(rs, isSelected(rs, designationId));
    }
}

} // namespace

void Material::loadDesignations(objects::Designations& part, bool materialNumbers) {
    BoundManager<DesignationManager> manager(relay());
    const auto& db = m_connection->Database();
    const auto rs = materialNumbers
                        ? manager->GetRealMaterialNumbersForSteelAndCountry(db, m_steelId, m_countryId)
                        : manager->GetSymbolsForSteelAndCountry(db, m_steelId, m_countryId);
    if (rows::hasRows(rs)) {
        addDesignations(part, *rs, m_designationId);
        rs->close();
    }
}

void Material::LoadTradenames(objects::Designations& part, std::int32_t lSupplier) {
    BoundManager<DesignationManager> manager(relay());
    const auto& db = m_connection->Database();
    std::shared_ptr<platform::db::Recordset> rs;
    if (lSupplier != 0) {
        rs = manager->GetTradenamesForSteelAndSupplier(db, m_steelId, lSupplier);
    } else if (platform::foldCase(m_designationType) == "f") {
        BoundManager<SupplierManager> suppliers(relay());
        const auto owner = suppliers->GetForDesignation(db, m_designationId);
        if (rows::hasRows(owner)) {
            rs = manager->GetTradenamesForSteelAndSupplier(db, m_steelId, rows::number(*owner, "ID_Firma"));
            owner->close();
        }
    }
    if (rows::hasRows(rs)) {
        addDesignations(part, *rs, m_designationId);
        rs->close();
    }
}

void Material::LoadSuppliers(objects::Suppliers& part) {
    BoundManager<SupplierManager> suppliers(relay());
    BoundManager<DesignationManager> designations(relay());
    const auto& db = m_connection->Database();
    const auto rs = suppliers->GetForSteel(db, m_steelId);
    if (!rows::hasRows(rs)) {
        return;
    }
    for (; !rs->eof(); rs->moveNext()) {
        const auto company = rows::number(*rs, "ID_Firma");
        const auto tradenames = designations->GetTradenamesForSteelAndSupplier(db, m_steelId, company);
        const auto supplier = part.Add(*rs, tradenames.get());
        if (supplier) {
            supplier->Address = suppliers->GetAddressById(db, company);
            supplier->Name2 = suppliers->GetName2ByIdAndBranch(db, company, 1);
        }
    }
    rs->close();
}

void Material::LoadStandards(objects::Standards& part) {
    BoundManager<StandardManager> manager(relay());
    const auto& db = m_connection->Database();
    const auto rs = manager->GetForSteelAndCountry(db, m_steelId, m_countryId, language());
    if (!rows::hasRows(rs)) {
        return;
    }
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        const auto details = manager->GetStandardDocuments(db, rows::number(*rs, "ID_Norm"));
        part.Add(*rs, details.get());
    }
    rs->close();
}

void Material::LoadChemicalCompositions(objects::ChemicalCompostions& part) {
    BoundManager<CompositionManager> manager(relay());
    const auto& db = m_connection->Database();
    const auto rs = manager->GetCompostionsForMaterialAndCountry(db, m_steelId, m_countryId);
    if (!rows::hasRows(rs)) {
        return;
    }
    // One reading of the settings for every composition's footnotes.
    const std::int32_t shownIn = language();
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        const auto analysis = platform::CStr(rs->field("ID_Analyse"));
        const auto values = manager->GetValuesForComposition(db, analysis);
        const auto footnotes = manager->GetFootnotesForComposition(db, analysis, shownIn);
        if (!values) {
            continue; // reported; the composition is left out rather than shown without its values
        }
        part.Add(rs.get(), *values, footnotes.get(), isSelected(*rs, m_designationId));
    }
    rs->close();
}

void Material::LoadProductShapes(objects::ProductShapes& part) {
    BoundManager<SupplierManager> suppliers(relay());
    BoundManager<ProductShapeManager> shapes(relay());
    const auto& db = m_connection->Database();
    const auto rs = shapes->GetForSteelgroup(db, m_steelgroupId, language());
    if (!rows::hasRows(rs)) {
        return;
    }
    for (; !rs->eof(); rs->moveNext()) {
        const auto delivering =
            suppliers->GetForSteelAndProductShape(db, m_steelId, rows::number(*rs, "ID_Lieferform"));
        // A shape of the group that no supplier delivers for this steel is left out.
        if (rows::hasRows(delivering)) {
            part.Add(*rs, *delivering);
        }
    }
    rs->close();
}

void Material::LoadStandardComparisons(objects::StandardComparisons& part) {
    BoundManager<StandardManager> manager(relay());
    const std::int32_t shownIn = language();
    const auto rs =
        manager->GetStandardComparisonsForSteel(m_connection->Database(), m_steelId, m_countryId, shownIn);
    if (!rows::hasRows(rs)) {
        return;
    }
    for (; !rs->eof(); rs->moveNext()) {
        // The steel itself in its own country is what the comparison is made for.
        const bool itself =
            rows::idText(*rs, "ID_Stahl", "") == m_steelId && rows::number(*rs, "ID_Land") == m_countryId;
        if (!itself) {
            part.Add(*rs, shownIn);
        }
    }
    rs->close();
}

} // namespace orvik::objects
