#pragma once

#include "objects/PartCollection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::objects {

/// A comparable designation of the steel in another country or standard.
struct StandardComparison {
    std::string Desig_ID;
    std::string Steel_ID;
    /// The designation occurrence's id; empty when the row has none.
    std::string DesigCountryId;
    std::int32_t Standard_ID = 0;
    /// The material number as shown.
    std::string MaterialDesignation;
    std::string Designation;
    /// "W", "K" or "F".
    std::string DesignationType;
    std::string Country;
    /// The standard's name; the steels of no standard show the group text of the language.
    std::string StandardDesignation;
};

/// The standard comparison of a steel. Item fails for what is not there.
class StandardComparisons : public PartCollection<StandardComparison> {
public:
    /// Appends the comparison of the current row (`Id_Stahlbez`, `ID_Stahl`, `Id_StahlbezVorkommen`,
    /// `ID_Norm`, `WSNr_Anzeige`, `Bezeichnung`, `Kennung`, `Land`, `Name`), the group text taken in
    /// the current language. Throws for a missing column; nothing is added then.
    std::shared_ptr<StandardComparison> Add(const platform::db::Recordset& rs);
    /// The same with the group text in `language`, for a caller that adds many rows in one language.
    std::shared_ptr<StandardComparison> Add(const platform::db::Recordset& rs, std::int32_t language);

    /// The display name of a standard: the trimmed name, where a name that begins with "-" (the
    /// steels of no standard) shows the group text of `language` (0 German, 1 French, 2 English) in
    /// place of that "-"; any other language keeps the name.
    [[nodiscard]] static std::string StandardDesignation(const std::string& name, std::int32_t language);
};

} // namespace orvik::objects
