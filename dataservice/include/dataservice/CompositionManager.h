#pragma once

#include "dataservice/LanguageColumns.h"
#include "dataservice/Manager.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace orvik::common {
class CompositionSearchItems;
} // namespace orvik::common

namespace orvik::dataservice {

/// Chemical compositions: the element list, the compositions of a steel in a country with their
/// values and footnotes, one composition by id, and the composition search, exact or fuzzy.
class CompositionManager : public Manager {
public:
    /// Told before each search run of the fuzzy narrowing with the run's number from 1 and the
    /// tolerance it tries; answers false to stop the narrowing.
    using FuzzyProgress = std::function<bool(std::int32_t step, std::int32_t tolerance)>;

    CompositionManager();

    /// `ID_Element`, `Anzahl_NK`, `Sortierung` of every element shown with decimals, in display
    /// order (forward-only).
    [[nodiscard]] RecordsetPtr GetElementList(const DatabasePtr& db);
    /// `Id_Analyse`, `Id_Stahlbez`, `Bezeichnung` of the steel's compositions in the country; 34 also
    /// takes 32 and 18, 30 also 52 and 53 (snapshot).
    [[nodiscard]] RecordsetPtr GetCompostionsForMaterialAndCountry(const DatabasePtr& db,
                                                                   std::string_view idSteel,
                                                                   std::int32_t idCountry);
    /// One row per element value of the composition, in element display order (snapshot).
    [[nodiscard]] RecordsetPtr GetValuesForComposition(const DatabasePtr& db, std::string_view idComposition);
    /// `ID_Element`, `Fussnote`, `Zeichen` of the footnotes of the composition's values (snapshot).
    [[nodiscard]] RecordsetPtr GetFootnotesForComposition(const DatabasePtr& db,
                                                          std::string_view idComposition, std::int32_t lang);
    /// At most one row: the composition with its designation of lowest priority (snapshot).
    [[nodiscard]] RecordsetPtr GetCompositionById(const DatabasePtr& db, std::string_view idComposition);
    /// The designation occurrences of the steels whose composition meets the criteria; `idCountry`
    /// 0 for every country (snapshot).
    [[nodiscard]] RecordsetPtr
    SearchCompositions(const DatabasePtr& db, std::int32_t idCountry,
                       const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems);
    /// The search whose tolerance (whole percent, at most `maxTolerance`, filled in where the user
    /// typed none) brings the number of hits closest to `requiredCompositions`; positioned on its
    /// first row. The given criteria are never changed. A failing run is reported once. When
    /// `progress` answers false the search stops and gives nullptr without a report.
    [[nodiscard]] RecordsetPtr
    FuzzySearchCompositions(const DatabasePtr& db, std::int32_t idCountry,
                            const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems,
                            std::int32_t requiredCompositions, std::int32_t maxTolerance,
                            const FuzzyProgress& progress = {});

private:
    /// One search without the trap.
    [[nodiscard]] static RecordsetPtr
    search(const DatabasePtr& db, std::int32_t idCountry,
           const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems);
    [[nodiscard]] static std::shared_ptr<const orvik::common::CompositionSearchItems>
    FillEmptyTolerances(const orvik::common::CompositionSearchItems& searchItems, std::int32_t tolerance);

    const LanguageColumns m_text{"Text"};
};

} // namespace orvik::dataservice
