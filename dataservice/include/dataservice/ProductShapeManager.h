#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"

namespace orvik::dataservice {

/// Product shapes in which the suppliers deliver the steels of a group.
class ProductShapeManager : public Manager {
public:
    ProductShapeManager();

    /// `ID_Lieferform`, `Lieferform` of the shapes any supplier delivers for the group, once each, by
    /// name (forward-only).
    [[nodiscard]] RecordsetPtr GetForSteelgroup(const DatabasePtr& db, std::int32_t idSteelgroup,
                                                std::int32_t lang);

private:
    const LanguageColumns m_shape{"Lieferform"};
};

} // namespace orvik::dataservice
