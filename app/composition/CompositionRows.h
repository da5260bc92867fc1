#pragma once

#include "AnalysisFile.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvik::common {
class CompositionSearchItems;
}
namespace orvik::objects {
struct ChemicalCompostion;
}

namespace composition {

/// One row of the composition grid: the element's sort number and symbol, the values as the user
/// wrote them (user's decimal separator) and the search method key.
struct CriteriaRow {
    std::string Order;
    std::string Element;
    std::string MinValue;
    std::string MaxValue;
    std::string SingleValue;
    std::string ToleranceMin;
    std::string ToleranceMax;
    std::string SearchMethod = "outside";

    friend bool operator==(const CriteriaRow&, const CriteriaRow&) = default;
};

/// An entry of the element list of the selected country.
struct KnownElement {
    std::string Symbol;
    std::int32_t Order = 0;
};

/// The value columns of a row, numbered as the grid's columns.
enum class CriteriaField { MinValue = 2, MaxValue = 3, SingleValue = 4, ToleranceMin = 5, ToleranceMax = 6 };

/// The rows of the composition grid without the widget: what the grid shows, completes, checks,
/// hands to the search, takes over from a steel's analysis and saves and loads. Keeps one row per
/// element at all times. The simple grid keeps one tolerance (the upper mirrors the lower) and
/// searches every row "outside"; the advanced grid has no single value: a single value becomes
/// minimum = maximum = value under "inside". A plain value owned by the grid widget.
class CompositionRows {
public:
    /// What ValidateRows found.
    struct Verdict {
        bool valid = true;
        /// No data row: the message of text 44.
        bool noRows = false;
        /// The element whose minimum is above its maximum.
        std::string element;
    };
    /// The lines of a file that were left out.
    struct LoadReport {
        /// Symbols not in the element list.
        std::vector<std::string> unknownElements;
        /// Elements whose values are no numbers.
        std::vector<std::string> badValues;
    };

    /// Starts with one empty row.
    explicit CompositionRows(bool advanced = false);

    [[nodiscard]] bool advanced() const noexcept { return m_advanced; }
    void setAdvanced(bool advanced) noexcept { m_advanced = advanced; }
    [[nodiscard]] const std::vector<CriteriaRow>& rows() const noexcept { return m_rows; }
    [[nodiscard]] int count() const noexcept { return static_cast<int>(m_rows.size()); }

    /// Appends a row whose sort number is `order`.
    void AddEmptyRow(const std::string& order = {});
    /// One empty row is left.
    void Clear();
    /// Removes the row; the last one left is emptied instead.
    void RemoveRow(int index);
    /// Every row without an element goes, the last one included.
    void RemoveEmptyRows();
    /// By sort number; rows without one last, rows that are no numbers stay as they stand.
    void Sort();

    /// The row that holds the element (without regard to case and blanks), other than `except`; -1.
    [[nodiscard]] int FindElement(const std::string& symbol, int except = -1) const;
    /// Writes the element into the row, or empties the row's element for an empty symbol. False,
    /// changing nothing, when another row holds it.
    bool SetElement(int index, const std::string& symbol, std::int32_t order);
    /// Writes a value; a minimum or maximum empties the single value and a single value empties the
    /// range. The simple grid's lower tolerance is also its upper one.
    void SetValue(int index, CriteriaField field, const std::string& text);
    void SetSearchMethod(int index, const std::string& method);

    /// Completes every row (empty or zero range emptied, open bounds 0 and 100, tolerances paired)
    /// and checks it, stopping at the first row whose minimum is above its maximum.
    [[nodiscard]] Verdict ValidateRows();
    /// The rows with an element as search criteria. Throws what CompositionSearchItems::Add throws.
    [[nodiscard]] std::shared_ptr<orvik::common::CompositionSearchItems> SearchItems() const;

    /// Replaces the criteria by the searchable elements of a steel's analysis, with one empty row
    /// after them.
    void ShowComposition(const orvik::objects::ChemicalCompostion& composition);
    /// Adds the rows of a file below the rows there: a symbol is looked up in `known` first, and an
    /// unknown one, or one with values that are no numbers, leaves its line out; an element already
    /// in a row replaces that row's values. Rows without an element are gone afterwards.
    LoadReport Load(const std::vector<AnalysisRow>& rows, const std::vector<KnownElement>& known);
    /// The rows with an element, as a file holds them.
    [[nodiscard]] std::vector<AnalysisRow> FileRows() const;

    /// A sort number as a whole number; none for a text that is no whole number.
    [[nodiscard]] static std::optional<long> SortNumber(const std::string& text);

private:
    [[nodiscard]] bool valid(int index) const { return index >= 0 && index < count(); }

    std::vector<CriteriaRow> m_rows;
    bool m_advanced = false;
};

} // namespace composition
