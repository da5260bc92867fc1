#include "dataservice/InfoManager.h"

#include "SqlHelper.h"
#include "SqlText.h"
#include "common/VersionText.h"

namespace orvik::dataservice {

using platform::db::RecordsetType;

namespace {
const std::string infoJoin =
    "FROM tabInfotitel INNER JOIN tabInfotext ON tabInfotitel.ID_Infotitel = tabInfotext.Id_Infotitel ";
}

InfoManager::InfoManager() : Manager("InfoManager") {}

RecordsetPtr InfoManager::GetInfoTitles(const DatabasePtr& db, std::int32_t lang) {
    return trapRecordset("GetInfoTitles", [&] {
        const auto sql = "SELECT tabInfotitel.Id_Infotitel, tabInfotitel." + m_title.column(lang) +
                         " AS Titel " + "From tabInfotitel " + "ORDER BY tabInfotitel.Id_Infotitel;";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr InfoManager::GetInfosForSteel(const DatabasePtr& db, std::string_view idSteel,
                                           std::int32_t lang) {
    return trapRecordset("GetInfosForSteel", [&] {
        const auto sql = "SELECT tabInfotitel.ID_Infotitel, " + std::string("tabInfotitel.") +
                         m_title.column(lang) + " AS Titel, " + "tabInfotext." + m_info.column(lang) +
                         " AS Infotext " + infoJoin + "WHERE (tabInfotext.ID_Stahl=" + SqlText::id(idSteel) +
                         ")" + "ORDER BY tabInfotitel.ID_Infotitel; ";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr InfoManager::GetInfoForSteelAndTitle(const DatabasePtr& db, std::string_view idSteel,
                                                  std::int32_t idTitle, std::int32_t lang) {
    return trapRecordset("GetInfoForSteelAndTitle", [&] {
        const auto sql = "SELECT tabInfotitel.ID_Infotitel, " + std::string("tabInfotitel.") +
                         m_title.column(lang) + " AS Titel, " + "tabInfotext." + m_info.column(lang) +
                         " AS Info " + infoJoin + "WHERE (tabInfotext.ID_Stahl=" + SqlText::id(idSteel) +
                         ") AND " + "(tabInfotext.ID_Infotitel=" + SqlText::number(idTitle) + ") " +
                         "ORDER BY tabInfotitel.ID_Infotitel; ";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

std::string InfoManager::Version() const {
    return orvik::common::VersionText::format(GK_LIBRARY_VERSION_MAJOR, GK_LIBRARY_VERSION_MINOR,
                                              GK_LIBRARY_VERSION_REVISION);
}

} // namespace orvik::dataservice
