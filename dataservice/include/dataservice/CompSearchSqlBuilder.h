#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::common {
class CompositionSearchItem;
class CompositionSearchItems;
} // namespace orvik::common

namespace orvik::dataservice {

/// Turns composition-search criteria into one statement over the search table `tabAnalyseSuchen`,
/// in which every composition has the columns `<element>_min` and `<element>_max`. An element
/// becomes part of a column name only when it is a plain symbol and, once the elements of the
/// database are known, one of them. Has no trap: a failure is thrown as a CallError.
class CompSearchSqlBuilder {
public:
    /// Keeps a reference to the criteria.
    void SetCompositionSearchItems(std::shared_ptr<const orvik::common::CompositionSearchItems> searchItems);
    /// The element symbols of the database that the criteria are checked against.
    void SetKnownElements(std::vector<std::string> elements);

    /// The statement for the criteria, `idCountry` 0 for every country; empty without criteria.
    /// Result columns: `Id_Analyse`, `Id_Stahlbez`, `Id_Stahl`, `Id_StahlbezVorkommen`, `Bezeichnung`,
    /// `Kennung`, `Id_Land`, `IndexSort`, distinct, by `IndexSort`.
    [[nodiscard]] std::string GetSearchSql(std::int32_t idCountry) const;

private:
    [[nodiscard]] std::string condition(const orvik::common::CompositionSearchItem& item) const;
    [[nodiscard]] std::string columnPrefix(const std::string& element) const;
    /// value widened (sign +1) or narrowed (sign -1) by the tolerance in percent of the value.
    [[nodiscard]] static std::string ApplyTolerance(std::string_view value, std::string_view tolerance,
                                                    int sign);

    std::shared_ptr<const orvik::common::CompositionSearchItems> m_searchItems;
    std::vector<std::string> m_knownElements;
    bool m_elementsKnown = false;
};

} // namespace orvik::dataservice
