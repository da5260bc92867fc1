#include "dataservice/FootnoteManager.h"

#include "SqlHelper.h"
#include "SqlText.h"

namespace orvik::dataservice {

FootnoteManager::FootnoteManager() : Manager("FootnoteManager") {}

RecordsetPtr FootnoteManager::GetForDesignation(const DatabasePtr& db, std::string_view idDesignation,
                                                std::int32_t lang) {
    return trapRecordset("GetForDesignation", [&] {
        const auto sql =
            "SELECT tabFussnote.ID_Fussnote, tabFussnote." + m_text.column(lang) +
            " AS Info FROM zuoStahlbez_Fussnote " +
            "INNER JOIN tabFussnote ON zuoStahlbez_Fussnote.ID_Fussnote = tabFussnote.ID_Fussnote " +
            "WHERE (zuoStahlbez_Fussnote.ID_Stahlbez=" + SqlText::id(idDesignation) + ");";
        return SqlHelper::OpenRecordset(db, sql, platform::db::RecordsetType::ForwardOnly);
    });
}

} // namespace orvik::dataservice
