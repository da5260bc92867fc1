#pragma once

#include <array>
#include <string>
#include <vector>

namespace orvik::common {
class CompositionSearchItems;
}
namespace orvik::objects {
struct ChemicalCompostion;
}

namespace composition {

/// One row of the hit comparison: the element's sort number and symbol, the criterion (minimum,
/// maximum, single value), the hit's limits, the deviations at the lower and upper limit in per cent,
/// and further elements of the hit.
struct HitRow {
    enum Column {
        Order,
        Element,
        CritMin,
        CritMax,
        CritSingle,
        HitMin,
        HitMax,
        DevLower,
        DevUpper,
        Others,
        Count
    };
    std::array<std::string, Count> cells;
    /// The deviation leaves the wanted range (shown red).
    bool lowerRed = false;
    bool upperRed = false;
    /// The element was not searched for: the deviation cells show the mark picture.
    bool notSearched = false;
};

/// Sets the analysis of a hit beside the search criteria, element by element, and works out how
/// far the hit's limits lie from the wanted values. Stateless.
class HitComparison {
public:
    /// The rows, sorted by element order. `restText` marks a balance element; `hasOthers` tells
    /// whether a row holds further elements.
    [[nodiscard]] static std::vector<HitRow> Build(const orvik::objects::ChemicalCompostion& hit,
                                                   const orvik::common::CompositionSearchItems& criteria,
                                                   const std::string& restText, bool& hasOthers);
    /// A deviation rounded half to even to two decimals, without trailing zeros, with the user's
    /// decimal separator: -20, 12,5.
    [[nodiscard]] static std::string FormatDeviation(double percent);
};

} // namespace composition
