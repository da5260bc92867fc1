#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"

namespace orvik::dataservice {

/// Steel groups: the visible groups for the selection list, one group by id, the group of a steel.
class SteelgroupManager : public Manager {
public:
    SteelgroupManager();

    /// `ID_Stahlgruppe`, `IntGruppe`, `ID_Gruppe`, `Gruppe` of the visible groups, by name (forward-only).
    [[nodiscard]] RecordsetPtr GetList(const DatabasePtr& db, std::int32_t lang);
    /// `ID_Stahlgruppe`, `Detail`, `Gruppe` of one group (forward-only).
    [[nodiscard]] RecordsetPtr GetById(const DatabasePtr& db, std::int32_t idSteelgroup, std::int32_t lang);
    /// `ID_Stahlgruppe`, `Gruppe`, `Detail` of the steel's group, visible or not (forward-only).
    [[nodiscard]] RecordsetPtr GetForSteel(const DatabasePtr& db, std::string_view idSteel,
                                           std::int32_t lang);

private:
    const LanguageColumns m_group{"Gruppe"};
    const LanguageColumns m_detail{"Detail"};
};

} // namespace orvik::dataservice
