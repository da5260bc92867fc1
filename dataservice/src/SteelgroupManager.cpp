#include "dataservice/SteelgroupManager.h"

#include "SqlHelper.h"
#include "SqlText.h"

namespace orvik::dataservice {

using platform::db::RecordsetType;

SteelgroupManager::SteelgroupManager() : Manager("SteelgroupManager") {}

RecordsetPtr SteelgroupManager::GetList(const DatabasePtr& db, std::int32_t lang) {
    return trapRecordset("GetList", [&] {
        const auto& g = m_group.column(lang);
        const auto sql = "SELECT ID_Stahlgruppe, IntGruppe, ID_Gruppe, " + g +
                         " As Gruppe FROM tabStahlgruppe " + "WHERE (Sichtbar=TRUE) " + "ORDER BY " + g + ";";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr SteelgroupManager::GetById(const DatabasePtr& db, std::int32_t idSteelgroup, std::int32_t lang) {
    return trapRecordset("GetById", [&] {
        const auto sql = "SELECT ID_Stahlgruppe, " + m_detail.column(lang) + " AS Detail, " +
                         m_group.column(lang) + " AS Gruppe FROM tabStahlgruppe " +
                         "WHERE (Id_Stahlgruppe=" + SqlText::number(idSteelgroup) + ");";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr SteelgroupManager::GetForSteel(const DatabasePtr& db, std::string_view idSteel,
                                            std::int32_t lang) {
    return trapRecordset("GetForSteel", [&] {
        const auto sql = "SELECT tabStahlgruppe.ID_Stahlgruppe, " + m_group.column(lang) + " As Gruppe, " +
                         m_detail.column(lang) + " AS Detail " + "FROM tabStahlgruppe " +
                         "INNER JOIN tabStahl ON tabStahlgruppe.ID_Stahlgruppe = tabStahl.ID_Stahlgruppe " +
                         "WHERE (tabStahl.ID_Stahl=" + SqlText::id(idSteel) + ");";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

} // namespace orvik::dataservice
