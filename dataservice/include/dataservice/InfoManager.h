#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"

#include <string>

namespace orvik::dataservice {

/// The descriptive info texts of the steels under their headings, and the library's version.
class InfoManager : public Manager {
public:
    InfoManager();

    /// `Id_Infotitel`, `Titel` of every heading, by id (forward-only).
    [[nodiscard]] RecordsetPtr GetInfoTitles(const DatabasePtr& db, std::int32_t lang);
    /// `ID_Infotitel`, `Titel`, `Infotext` of every info text of the steel, by heading id (forward-only).
    [[nodiscard]] RecordsetPtr GetInfosForSteel(const DatabasePtr& db, std::string_view idSteel,
                                                std::int32_t lang);
    /// `ID_Infotitel`, `Titel`, `Info` of the steel's text under one heading (forward-only).
    [[nodiscard]] RecordsetPtr GetInfoForSteelAndTitle(const DatabasePtr& db, std::string_view idSteel,
                                                       std::int32_t idTitle, std::int32_t lang);
    /// The data-service library's version, for example "5.01.0003". Has no trap.
    [[nodiscard]] std::string Version() const;

private:
    const LanguageColumns m_title{"Titel"};
    const LanguageColumns m_info{"Info"};
};

} // namespace orvik::dataservice
