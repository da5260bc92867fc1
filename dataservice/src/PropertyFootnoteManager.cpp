#include "dataservice/PropertyFootnoteManager.h"

#include "SqlHelper.h"
#include "SqlText.h"

namespace orvik::dataservice {

using platform::db::RecordsetType;

PropertyFootnoteManager::PropertyFootnoteManager() : Manager("PropertyFootnoteManager") {}

RecordsetPtr PropertyFootnoteManager::GetFootnoteIdListByPropertyValueId(const DatabasePtr& db,
                                                                         std::string_view propertyValueId) {
    return trapRecordset("GetFootnoteIdListByPropertyValueId", [&] {
        const auto sql = "SELECT DISTINCT zuoEigenschaftswert_Bemerkung.ID_Bemerkung, "
                         "zuoEigenschaftswert_Bemerkung.ID_Eigenschaftswert "
                         "FROM zuoEigenschaftswert_Bemerkung "
                         "WHERE zuoEigenschaftswert_Bemerkung.ID_Eigenschaftswert = " +
                         SqlText::id(propertyValueId) + ";";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr PropertyFootnoteManager::GetFootnoteById(const DatabasePtr& db, std::string_view footnoteId,
                                                      std::int32_t lang) {
    return trapRecordset("GetFootnoteById", [&] {
        const auto sql = "SELECT tabBemerkung.ID_Bemerkung, tabBemerkung." + m_remark.column(lang) +
                         " AS Bemerkung FROM tabBemerkung " +
                         "WHERE tabBemerkung.ID_Bemerkung=" + SqlText::id(footnoteId) + ";";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr PropertyFootnoteManager::GetFootnoteByPropertyValueId(const DatabasePtr& db,
                                                                   std::string_view propertyValueId,
                                                                   std::int32_t lang) {
    return trapRecordset("GetFootnoteByPropertyValueId", [&] {
        const auto sql =
            "SELECT DISTINCT zuoEigenschaftswert_Bemerkung.ID_Bemerkung, "
            "zuoEigenschaftswert_Bemerkung.ID_Eigenschaftswert, " +
            std::string("tabBemerkung.") + m_remark.column(lang) + " AS Bemerkung " +
            "FROM zuoEigenschaftswert_Bemerkung INNER JOIN tabBemerkung ON "
            "zuoEigenschaftswert_Bemerkung.ID_Bemerkung = tabBemerkung.ID_Bemerkung " +
            "WHERE (zuoEigenschaftswert_Bemerkung.ID_Eigenschaftswert=" + SqlText::id(propertyValueId) + ");";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

} // namespace orvik::dataservice
