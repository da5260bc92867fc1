#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvik::dataservice {

/// Builds the material-list statement: chooses the stored query of the filter database and the
/// conditions from the filters that are set (-1 = not set). Library-internal; one builder per
/// statement.
class MaterialListSqlBuilder {
public:
    void SetSteelgroup(std::int32_t id);
    void SetStandard(std::int32_t id, std::int32_t type);
    void SetSupplier(std::int32_t id);
    void SetCountry(std::int32_t id);

    [[nodiscard]] std::string BuildSql(bool includeMaterialNumber, bool includeSymbols,
                                       bool includeTradenames, std::string_view pattern,
                                       bool suppressNationalEnDesignations) const;

    /// A detailed group (id above 9999) tests `Id_Stahlgruppe`, a main group `IntGruppe`.
    [[nodiscard]] static std::string SteelgroupCondition(std::int32_t id);
    /// The countries 32 and 18 also list the designations of country 34.
    [[nodiscard]] static std::string CountryCondition(std::int32_t id);

private:
    static constexpr int SteelgroupBit = 1;
    static constexpr int StandardBit = 2;
    static constexpr int SupplierBit = 4;
    static constexpr int CountryBit = 8;

    int m_mask = 0;
    std::int32_t m_steelgroup = -1;
    std::int32_t m_standard = -1;
    std::int32_t m_standardType = -1;
    std::int32_t m_supplier = -1;
    std::int32_t m_country = -1;
};

} // namespace orvik::dataservice
