#include "dataservice/CountryManager.h"

#include "SqlHelper.h"
#include "SqlText.h"
#include "platform/VbConvert.h"

namespace orvik::dataservice {

using platform::db::RecordsetType;

CountryManager::CountryManager() : Manager("CountryManager") {}

RecordsetPtr CountryManager::GetList(const DatabasePtr& db, std::int32_t lang) {
    return trapRecordset("GetList", [&] {
        const auto& l = m_land.column(lang);
        const auto sql = "SELECT ID_Land, " + l +
                         " As Land, Landeskuerzel FROM tabLand WHERE (Filter = TRUE) ORDER BY " + l + ";";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr CountryManager::GetById(const DatabasePtr& db, std::int32_t idCountry, std::int32_t lang) {
    return trapRecordset("GetById", [&] {
        const auto sql = "SELECT ID_Land, " + m_land.column(lang) + " As Land, Landeskuerzel FROM tabLand " +
                         "WHERE (Id_Land=" + SqlText::number(idCountry) + ");";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr CountryManager::GetForSteel(const DatabasePtr& db, std::string_view idSteel, std::int32_t lang) {
    return trapRecordset("GetForSteel", [&] {
        const auto sql = "SELECT tabStahl.ID_Stahl, " + m_land.column(lang) +
                         " AS Land, tabLand.Id_Land, tabLand.EuLand FROM tabLand " +
                         "INNER JOIN tabStahl ON tabLand.ID_Land = tabStahl.ID_Land " +
                         "WHERE (tabStahl.ID_Stahl=" + SqlText::id(idSteel) + ");";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr CountryManager::GetForProperties(const DatabasePtr& db, std::int32_t lang) {
    return trapRecordset("GetForProperties", [&] {
        const auto& l = m_land.column(lang);
        // Each country once: asked whether it has a property table, where a join with DISTINCT reads
        // every property table of every country (a third of a million rows on a full database).
        const auto sql = "SELECT tabLand.ID_Land, tabLand.Landeskuerzel, tabLand." + l + " AS Land " +
                         "FROM tabLand WHERE EXISTS (SELECT * FROM zuoStahl_Eigenschaftsmatrix WHERE "
                         "zuoStahl_Eigenschaftsmatrix.Id_Land = tabLand.ID_Land) " +
                         "ORDER BY tabLand." + l + ";";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr CountryManager::GetForDesignationCountry(const DatabasePtr& db,
                                                      std::string_view idDesignationCountry,
                                                      std::int32_t lang) {
    return trapRecordset("GetForDesignationCountry", [&] {
        const auto sql =
            "SELECT tabLand.ID_Land, tabLand.Landeskuerzel, tabLand." + m_land.column(lang) +
            " AS Land, tabLand.EuLand " +
            "FROM tabLand INNER JOIN tabStahlbezVorkommen ON tabLand.ID_Land = "
            "tabStahlbezVorkommen.Id_Land " +
            "WHERE (tabStahlbezVorkommen.Id_StahlbezVorkommen=" + SqlText::id(idDesignationCountry) + ");";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

std::int32_t CountryManager::GetCountryIdBySymbol(const DatabasePtr& db, std::string_view symbol) {
    return trapScalar<std::int32_t>("GetCountryIdBySymbol", -1, [&] {
        const auto sql = "SELECT Id_Land FROM tabLand WHERE (Landeskuerzel=" + SqlText::text(symbol) + ");";
        const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
        std::int32_t id = 0;
        if (SqlHelper::hasRows(*rs)) {
            rs->moveFirst();
            id = platform::CLng(rs->field(0));
        }
        rs->close();
        return id;
    });
}

std::string CountryManager::GetCountrySymbolById(const DatabasePtr& db, std::int32_t idCountry) {
    return trapScalar<std::string>("GetCountrySymbolById", std::string(), [&] {
        const auto sql =
            "SELECT Landeskuerzel FROM tabLand WHERE (Id_Land=" + SqlText::number(idCountry) + ");";
        const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
        std::string symbol;
        if (SqlHelper::hasRows(*rs)) {
            rs->moveFirst();
            symbol = platform::CStr(rs->field(0));
        }
        rs->close();
        return symbol;
    });
}

} // namespace orvik::dataservice
