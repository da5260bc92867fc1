#include "dataservice/ProductShapeManager.h"

#include "SqlHelper.h"
#include "SqlText.h"

namespace orvik::dataservice {

ProductShapeManager::ProductShapeManager() : Manager("ProductShapeManager") {}

RecordsetPtr ProductShapeManager::GetForSteelgroup(const DatabasePtr& db, std::int32_t idSteelgroup,
                                                   std::int32_t lang) {
    return trapRecordset("GetForSteelgroup", [&] {
        const auto& p = m_shape.column(lang);
        const auto sql =
            "SELECT DISTINCT tabLieferform.ID_Lieferform, tabLieferform." + p + " AS Lieferform " +
            "FROM tabLieferform INNER JOIN zuoStahlgruppe_Firma_Lieferform ON tabLieferform.ID_Lieferform "
            "= zuoStahlgruppe_Firma_Lieferform.ID_Lieferform " +
            "WHERE (zuoStahlgruppe_Firma_Lieferform.ID_Stahlgruppe = " + SqlText::number(idSteelgroup) +
            ") " + "ORDER BY tabLieferform." + p + ";";
        return SqlHelper::OpenRecordset(db, sql, platform::db::RecordsetType::ForwardOnly);
    });
}

} // namespace orvik::dataservice
