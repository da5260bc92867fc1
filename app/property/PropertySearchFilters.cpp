#include "PropertySearchFilters.h"

#include "objects/PropertySearchFields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace property {

namespace criteria {

int keyColumnOf(int column) {
    switch (column) {
    case 1:
        return 19;
    case 15:
        return 20;
    case 11:
        return 21;
    case 12:
        return 22;
    case 8:
        return 23;
    case 7:
        return 24;
    case 18:
        return 25;
    default:
        return -1;
    }
}

bool isPairMinimum(int column) {
    return column == 2 || column == 5 || column == 9 || column == 13 || column == 16;
}

bool isPairMaximum(int column) {
    return isPairMinimum(column - 1);
}

} // namespace criteria

namespace {

using orvik::objects::PropertySearchField;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// The choice key of a hidden key cell; none unless it is a whole number within range.
std::optional<std::int32_t> keyOf(std::string_view text) {
    text = trimmed(text);
    std::int32_t key = 0;
    const auto* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, key);
    if (text.empty() || error != std::errc() || last != end) {
        return std::nullopt;
    }
    return key;
}

const std::string& cell(const CriterionRow& row, int column) {
    static const std::string empty;
    const auto index = static_cast<std::size_t>(column);
    return index < row.size() ? row[index] : empty;
}

/// The number as SQL and XPath read it: trimmed, decimal comma as point.
std::string pointed(std::string_view text) {
    std::string value(trimmed(text));
    std::replace(value.begin(), value.end(), ',', '.');
    return value;
}

/// Pairs (2,3), (5,6) and (9,10) may have an open bound; the temperatures need both.
bool nullablePair(int minimumColumn) {
    return minimumColumn == 2 || minimumColumn == 5 || minimumColumn == 9;
}

std::string replaced(std::string text, std::string_view from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

PropertySearchFilters::PropertySearchFilters(FieldOf fieldOf, SearchIdOf searchIdOf)
    : m_fieldOf(std::move(fieldOf)), m_searchIdOf(std::move(searchIdOf)) {}

bool PropertySearchFilters::isWholeNumber(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

bool PropertySearchFilters::isPlainNumber(std::string_view text) {
    text = trimmed(text);
    const auto separator = text.find_first_of(".,");
    if (separator == std::string_view::npos) {
        return isWholeNumber(text);
    }
    const auto whole = text.substr(0, separator);
    const auto decimals = text.substr(separator + 1);
    return isWholeNumber(whole) && whole.find_first_of(" \t") == std::string_view::npos &&
           !decimals.empty() && std::all_of(decimals.begin(), decimals.end(), isDigit);
}

const PropertySearchField* PropertySearchFilters::visibleField(int column) const {
    if (column == criteria::UnitColumn || !m_fieldOf) {
        return nullptr;
    }
    const auto* field = m_fieldOf(column);
    return field != nullptr && field->Visible ? field : nullptr;
}

std::optional<int> PropertySearchFilters::refusedColumn(const CriterionRow& row) const {
    for (int c = 1; c <= criteria::FilterColumns; ++c) {
        const auto* field = visibleField(c);
        if (field == nullptr || cell(row, c).empty()) {
            continue;
        }
        const bool wellFormed = field->isCombo ? keyOf(cell(row, criteria::keyColumnOf(c))).has_value()
                                               : isPlainNumber(cell(row, c));
        if (!wellFormed) {
            return c;
        }
    }
    return std::nullopt;
}

std::string PropertySearchFilters::rowFilter(const CriterionRow& row, Target target) const {
    std::string filter;
    std::array<bool, criteria::FilterColumns + 2> skipMaximum{};
    for (int c = 1; c <= criteria::FilterColumns; ++c) {
        const auto* field = visibleField(c);
        const std::string& text = cell(row, c);
        if (field == nullptr || text.empty() || (criteria::isPairMaximum(c) && skipMaximum[c])) {
            continue;
        }
        if (!filter.empty()) {
            filter += " and ";
        }
        // The raw texts decide: "1,5" and "1.5" are two bounds, not one value.
        const bool single = criteria::isPairMinimum(c) && text == cell(row, c + 1);
        const std::string value = pointed(text);
        if (single) {
            skipMaximum[c + 1] = true;
            const auto* maximum = m_fieldOf(c + 1);
            const PropertySearchField& max = maximum != nullptr ? *maximum : *field;
            if (target == Target::Sql) {
                filter += nullablePair(c) ? getMechNullableRangeFilter(*field, max, value)
                                          : getMechRangeFilter(*field, max, value);
            } else {
                filter += nullablePair(c) ? getXmlMechNullableRangeFilter(*field, max, value)
                                          : getXmlMechRangeFilter(*field, max, value);
            }
            continue;
        }
        std::string operand = value;
        if (field->isCombo) {
            const auto key = keyOf(cell(row, criteria::keyColumnOf(c))).value_or(0);
            operand = std::to_string(m_searchIdOf ? m_searchIdOf(field->ComboContent, key) : 0);
        }
        const std::string& name = target == Target::Sql ? field->Fieldname : field->Symbol;
        filter += "(" + name + field->Comparison + operand + ")";
    }
    return filter;
}

std::string PropertySearchFilters::getMechSearchFilter(const CriterionRow& row) const {
    return rowFilter(row, Target::Sql);
}

std::string PropertySearchFilters::getXmlMechSearchFilter(const CriterionRow& row) const {
    return rowFilter(row, Target::Xml);
}

PropertySearchFilters::Outcome PropertySearchFilters::build(const std::vector<CriterionRow>& rows) const {
    Outcome outcome;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (const auto column = refusedColumn(rows[r])) {
            outcome.refusal = Refusal{r, *column, cell(rows[r], *column)};
            outcome.filters.clear();
            return outcome;
        }
    }
    for (const auto& row : rows) {
        RowFilter filter{getMechSearchFilter(row), getXmlMechSearchFilter(row)};
        if (!filter.sql.empty() || !filter.xml.empty()) {
            outcome.filters.push_back(std::move(filter));
        }
    }
    return outcome;
}

std::string PropertySearchFilters::getMechNullableRangeFilter(const PropertySearchField& min,
                                                              const PropertySearchField& max,
                                                              const std::string& value) {
    const std::string& a = min.Fieldname;
    const std::string& b = max.Fieldname;
    const std::string whole = "((" + a + "<=" + value + " or " + a + " Is Null) AND " + "(" + b +
                              ">=" + value + " or " + b + " Is Null)) AND " + "Not (" + a + " Is Null and " +
                              b + " Is Null)";
    return "(" + whole + ") ";
}

std::string PropertySearchFilters::getMechRangeFilter(const PropertySearchField& min,
                                                      const PropertySearchField& max,
                                                      const std::string& value) {
    return "(" + min.Fieldname + "<=" + value + ") AND (" + max.Fieldname + ">=" + value + ")";
}

std::string PropertySearchFilters::getXmlMechNullableRangeFilter(const PropertySearchField& min,
                                                                 const PropertySearchField& max,
                                                                 const std::string& value) {
    std::string text = "((({0}<={2} or {0}='') and ({1}>={2} or {1}='')) and ({0} !='' or {1}!=''))";
    text = replaced(std::move(text), "{0}", min.Symbol);
    text = replaced(std::move(text), "{1}", max.Symbol);
    return replaced(std::move(text), "{2}", value);
}

std::string PropertySearchFilters::getXmlMechRangeFilter(const PropertySearchField& min,
                                                         const PropertySearchField& max,
                                                         const std::string& value) {
    return "(" + min.Symbol + "<=" + value + ") and (" + max.Symbol + ">=" + value + ")";
}

} // namespace property
