#include "MaterialListSqlBuilder.h"

#include "FilterCreator.h"
#include "SqlText.h"

namespace orvik::dataservice {

void MaterialListSqlBuilder::SetSteelgroup(std::int32_t id) {
    m_steelgroup = id;
    if (id != -1) {
        m_mask ^= SteelgroupBit;
    }
}

void MaterialListSqlBuilder::SetStandard(std::int32_t id, std::int32_t type) {
    m_standard = id;
    m_standardType = type;
    if (id != -1) {
        m_mask ^= StandardBit;
    }
}

void MaterialListSqlBuilder::SetSupplier(std::int32_t id) {
    m_supplier = id;
    if (id != -1) {
        m_mask ^= SupplierBit;
    }
}

void MaterialListSqlBuilder::SetCountry(std::int32_t id) {
    m_country = id;
    if (id != -1) {
        m_mask ^= CountryBit;
    }
}

std::string MaterialListSqlBuilder::SteelgroupCondition(std::int32_t id) {
    return (id > 9999 ? "(Id_Stahlgruppe=" : "(IntGruppe=") + SqlText::number(id) + ")";
}

std::string MaterialListSqlBuilder::CountryCondition(std::int32_t id) {
    const auto condition = " (Id_Land = " + SqlText::number(id) + ") ";
    if (id == 32 || id == 18) {
        return "(" + condition + " OR (Id_Land = " + SqlText::number(34) + ")) ";
    }
    return condition;
}

std::string MaterialListSqlBuilder::BuildSql(bool includeMaterialNumber, bool includeSymbols,
                                             bool includeTradenames, std::string_view pattern,
                                             bool suppressNationalEnDesignations) const {
    const auto filter =
        FilterCreator::CreateFilter(includeMaterialNumber, includeSymbols, includeTradenames, m_country,
                                    m_standard, pattern, suppressNationalEnDesignations);

    const bool byStandard = (m_mask & StandardBit) != 0;
    const bool bySupplier = (m_mask & SupplierBit) != 0;
    std::string view = "Stahlbez_Gruppe_Land";
    if (byStandard) {
        view += "_Norm";
    }
    if (bySupplier) {
        view += "_Firma";
    }
    // Id_Land is delivered beyond the seven columns of the list: the result combination reads it.
    std::string sql =
        "SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, SuchBezeichnung, Kennung, "
        "IndexSort, Id_Land FROM " +
        view + " WHERE ";

    // A standard filter always tests the standard type too, with the value given (also -1).
    if (byStandard) {
        sql += "(Id_Norm = " + SqlText::number(m_standard) +
               ") AND (Id_Normtyp = " + SqlText::number(m_standardType) + ") AND ";
    }
    if ((m_mask & SteelgroupBit) != 0) {
        sql += SteelgroupCondition(m_steelgroup) + " AND ";
    }
    if (bySupplier) {
        sql += "(Id_Firma = " + SqlText::number(m_supplier) + ") AND ";
    }
    if ((m_mask & CountryBit) != 0) {
        sql += CountryCondition(m_country) + " AND ";
    }
    return sql + filter + " ORDER BY IndexSort;";
}

} // namespace orvik::dataservice
