#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::objects {
struct PropertySearchField;
}

namespace property {

/// The layout of the property-search criteria grid that the filters rely on.
namespace criteria {
inline constexpr int Columns = 27;
inline constexpr int FixedRows = 2;
/// Columns 1 .. FilterColumns may take part in a filter; the rest are hidden keys.
inline constexpr int FilterColumns = Columns - 9;
inline constexpr int PropertyColumn = 1;
inline constexpr int UnitColumn = 4;
/// The hidden key of the property choice; the other choice columns have theirs after it.
inline constexpr int PropertyKeyColumn = 19;
inline constexpr int FirstKeyColumn = 19;
/// The hidden key column of a choice column; -1 for a column that is no choice.
[[nodiscard]] int keyColumnOf(int column);
/// True for the minimum column of one of the five number pairs (2, 5, 9, 13, 16).
[[nodiscard]] bool isPairMinimum(int column);
/// True for the maximum column of a pair (3, 6, 10, 14, 17).
[[nodiscard]] bool isPairMaximum(int column);
} // namespace criteria

/// The cell texts of one criterion row, by grid column (criteria::Columns of them; missing cells read
/// as empty).
using CriterionRow = std::vector<std::string>;

/// Turns criterion rows into the SQL condition over the property value table and the XPath predicate
/// over a matrix value that the property search combines. Plain texts in, texts out: the search
/// fields and the search ids of the choices come in through the two look-ups, so the class needs
/// neither a database nor a window. A cell that is not a plain number (digits, at most one decimal
/// separator, an optional leading minus) or a choice key that is not a whole number is refused
/// before any text is built, so no cell text reaches SQL or XPath unchecked. Numbers always go out
/// with a decimal point.
class PropertySearchFilters {
public:
    /// The search field of a grid column, or nullptr when the layout has none.
    using FieldOf = std::function<const orvik::objects::PropertySearchField*(int column)>;
    /// The database id of a choice: the kind of the list and the entry's key.
    using SearchIdOf = std::function<std::int32_t(const std::string& kind, std::int32_t key)>;

    /// The two texts of one row.
    struct RowFilter {
        std::string sql;
        std::string xml;
    };
    /// A cell that may not reach a filter: its row (index in the rows passed) and column.
    struct Refusal {
        std::size_t row = 0;
        int column = 0;
        std::string text;
    };
    /// The filters of every row that yields one, in row order, or the first refused cell.
    struct Outcome {
        std::vector<RowFilter> filters;
        std::optional<Refusal> refusal;
    };

    PropertySearchFilters(FieldOf fieldOf, SearchIdOf searchIdOf);

    /// Checks every row, then builds the texts; rows whose texts are both empty are left out.
    [[nodiscard]] Outcome build(const std::vector<CriterionRow>& rows) const;

    /// The first column of the row whose cell would take part in a filter and does not have its form;
    /// none when the row may be built.
    [[nodiscard]] std::optional<int> refusedColumn(const CriterionRow& row) const;
    /// The SQL condition of one row; empty for a row without conditions. Check the row first.
    [[nodiscard]] std::string getMechSearchFilter(const CriterionRow& row) const;
    /// The XPath predicate of the same row.
    [[nodiscard]] std::string getXmlMechSearchFilter(const CriterionRow& row) const;

    // The single-value forms of a pair whose two cells hold the same value: stored ranges that
    // contain it. The nullable form counts an empty bound as open but wants one bound stored.
    [[nodiscard]] static std::string
    getMechNullableRangeFilter(const orvik::objects::PropertySearchField& min,
                               const orvik::objects::PropertySearchField& max, const std::string& value);
    [[nodiscard]] static std::string getMechRangeFilter(const orvik::objects::PropertySearchField& min,
                                                        const orvik::objects::PropertySearchField& max,
                                                        const std::string& value);
    [[nodiscard]] static std::string
    getXmlMechNullableRangeFilter(const orvik::objects::PropertySearchField& min,
                                  const orvik::objects::PropertySearchField& max, const std::string& value);
    [[nodiscard]] static std::string getXmlMechRangeFilter(const orvik::objects::PropertySearchField& min,
                                                           const orvik::objects::PropertySearchField& max,
                                                           const std::string& value);

    /// Digits, at most one "." or "," between digits, an optional leading minus; blanks around
    /// allowed.
    [[nodiscard]] static bool isPlainNumber(std::string_view text);
    /// Digits with an optional leading minus.
    [[nodiscard]] static bool isWholeNumber(std::string_view text);

private:
    enum class Target { Sql, Xml };
    [[nodiscard]] std::string rowFilter(const CriterionRow& row, Target target) const;
    /// The visible field of a column that takes part in a filter, or nullptr.
    [[nodiscard]] const orvik::objects::PropertySearchField* visibleField(int column) const;

    FieldOf m_fieldOf;
    SearchIdOf m_searchIdOf;
};

} // namespace property
