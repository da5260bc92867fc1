#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"

namespace orvik::dataservice {

/// Remarks (footnotes) attached to single property values.
class PropertyFootnoteManager : public Manager {
public:
    PropertyFootnoteManager();

    /// `ID_Bemerkung`, `ID_Eigenschaftswert` of the remarks of one property value (snapshot).
    [[nodiscard]] RecordsetPtr GetFootnoteIdListByPropertyValueId(const DatabasePtr& db,
                                                                  std::string_view propertyValueId);
    /// `ID_Bemerkung`, `Bemerkung` of one remark (snapshot).
    [[nodiscard]] RecordsetPtr GetFootnoteById(const DatabasePtr& db, std::string_view footnoteId,
                                               std::int32_t lang);
    /// `ID_Bemerkung`, `ID_Eigenschaftswert`, `Bemerkung` of the remarks of one property value
    /// (forward-only).
    [[nodiscard]] RecordsetPtr
    GetFootnoteByPropertyValueId(const DatabasePtr& db, std::string_view propertyValueId, std::int32_t lang);

private:
    const LanguageColumns m_remark{"Bemerkung"};
};

} // namespace orvik::dataservice
