#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"

namespace orvik::dataservice {

/// Footnotes of a designation.
class FootnoteManager : public Manager {
public:
    FootnoteManager();

    /// `ID_Fussnote`, `Info` (the footnote text) of every footnote of the designation (forward-only).
    [[nodiscard]] RecordsetPtr GetForDesignation(const DatabasePtr& db, std::string_view idDesignation,
                                                 std::int32_t lang);

private:
    const LanguageColumns m_text{"Text"};
};

} // namespace orvik::dataservice
