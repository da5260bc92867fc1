#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvik::dataservice {

/// Builds the material list's condition on the designation kinds and the caller's pattern.
/// Library-internal; holds nothing.
class FilterCreator {
public:
    /// Material numbers 1, symbols 2, trade names 4.
    [[nodiscard]] static int GetKindMask(bool includeMaterialNumber, bool includeSymbols,
                                         bool includeTradenames);

    /// Whether the setting that suppresses the national forms of European designations applies: only
    /// when neither a standard nor a country is chosen (else the caller need not read it).
    [[nodiscard]] static bool SuppressionApplies(std::int32_t idCountry, std::int32_t idStandard) {
        return idStandard == -1 && idCountry == -1;
    }

    /// The filter text, wrapped in blanks. `suppressNationalEnDesignations` is the setting as it
    /// stands now; it applies only when neither a standard nor a country is chosen.
    [[nodiscard]] static std::string CreateFilter(bool includeMaterialNumber, bool includeSymbols,
                                                  bool includeTradenames, std::int32_t idCountry,
                                                  std::int32_t idStandard, std::string_view pattern,
                                                  bool suppressNationalEnDesignations);
};

} // namespace orvik::dataservice
