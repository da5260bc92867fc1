#include "FilterCreator.h"

#include <array>

namespace orvik::dataservice {

namespace {

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

int FilterCreator::GetKindMask(bool includeMaterialNumber, bool includeSymbols, bool includeTradenames) {
    return (includeMaterialNumber ? 1 : 0) + (includeSymbols ? 2 : 0) + (includeTradenames ? 4 : 0);
}

std::string FilterCreator::CreateFilter(bool includeMaterialNumber, bool includeSymbols,
                                        bool includeTradenames, std::int32_t idCountry,
                                        std::int32_t idStandard, std::string_view pattern,
                                        bool suppressNationalEnDesignations) {
    // A list of one kind shows every designation of it; mixed lists drop the rows the database marks
    // as suppressed for the kinds involved.
    static const std::array<const char*, 8> kindTexts = {
        "",
        "(Kennung='W')",
        "(Kennung='K')",
        "(Kennung='W' OR Kennung='K')",
        "(Kennung='F')",
        "((Kennung='W' OR Kennung='F') AND SupW=false)",
        "((Kennung='K' OR Kennung='F')  AND SupK=false)",
        "(SupK=false AND SupW=false)",
    };
    const std::string kind = kindTexts[static_cast<std::size_t>(
        GetKindMask(includeMaterialNumber, includeSymbols, includeTradenames))];

    std::string text = kind;
    if (!isBlank(pattern)) {
        text =
            isBlank(kind) ? "(" + std::string(pattern) + ") " : kind + " AND (" + std::string(pattern) + ") ";
    }
    if (suppressNationalEnDesignations && SuppressionApplies(idCountry, idStandard)) {
        text += " AND (SupEur=false) ";
    }
    return " " + text + " ";
}

} // namespace orvik::dataservice
