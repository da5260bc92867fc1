#include "CompositionRows.h"

#include "common/CompositionSearchItems.h"
#include "common/Helper.h"
#include "objects/ChemicalCompostions.h"
#include "platform/CallError.h"
#include "platform/TextCase.h"

#include <algorithm>
#include <charconv>

namespace composition {

namespace {

std::string trimmed(const std::string& text) {
    return std::string(platform::trimBlanks(text));
}

bool sameSymbol(const std::string& a, const std::string& b) {
    return platform::equalsIgnoreCase(platform::trimBlanks(a), platform::trimBlanks(b));
}

/// The number of a value text; 0 for a blank one or one that is no number.
double number(const std::string& text) {
    try {
        return orvik::common::Helper::Str2Dbl(text);
    } catch (const platform::CallError&) {
        return 0.0;
    }
}

/// True for a blank text or a number that is not negative.
bool isValue(const std::string& text) {
    if (trimmed(text).empty()) {
        return true;
    }
    try {
        return orvik::common::Helper::Str2Dbl(text) >= 0.0;
    } catch (const platform::CallError&) {
        return false;
    }
}

std::string formatted(const platform::Variant& value, std::int32_t decimals) {
    if (value.isNull() || value.isEmpty()) {
        return {};
    }
    return orvik::common::Helper::FormatDoubleToString(value, decimals);
}

} // namespace

std::optional<long> CompositionRows::SortNumber(const std::string& text) {
    long value = 0;
    const auto t = trimmed(text);
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc{} || end != t.data() + t.size()) {
        return std::nullopt;
    }
    return value;
}

CompositionRows::CompositionRows(bool advanced) : m_advanced(advanced) {
    AddEmptyRow();
}

void CompositionRows::AddEmptyRow(const std::string& order) {
    CriteriaRow row;
    row.Order = order;
    m_rows.push_back(std::move(row));
}

void CompositionRows::Clear() {
    m_rows.clear();
    AddEmptyRow();
}

void CompositionRows::RemoveRow(int index) {
    if (!valid(index)) {
        return;
    }
    if (m_rows.size() == 1) {
        Clear();
        return;
    }
    m_rows.erase(m_rows.begin() + index);
}

void CompositionRows::RemoveEmptyRows() {
    std::erase_if(m_rows, [](const CriteriaRow& row) { return trimmed(row.Element).empty(); });
}

void CompositionRows::Sort() {
    for (auto& row : m_rows) {
        if (trimmed(row.Order).empty()) {
            row.Order = "99999";
        }
    }
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const CriteriaRow& a, const CriteriaRow& b) {
        const auto x = SortNumber(a.Order);
        const auto y = SortNumber(b.Order);
        return x && y && *x < *y;
    });
}

int CompositionRows::FindElement(const std::string& symbol, int except) const {
    if (trimmed(symbol).empty()) {
        return -1;
    }
    for (int i = 0; i < count(); ++i) {
        if (i != except && sameSymbol(m_rows[static_cast<std::size_t>(i)].Element, symbol)) {
            return i;
        }
    }
    return -1;
}

bool CompositionRows::SetElement(int index, const std::string& symbol, std::int32_t order) {
    if (!valid(index) || FindElement(symbol, index) >= 0) {
        return false;
    }
    auto& row = m_rows[static_cast<std::size_t>(index)];
    row.Element = trimmed(symbol);
    row.Order = row.Element.empty() ? std::string() : std::to_string(order);
    return true;
}

void CompositionRows::SetValue(int index, CriteriaField field, const std::string& text) {
    if (!valid(index)) {
        return;
    }
    auto& row = m_rows[static_cast<std::size_t>(index)];
    const bool given = !trimmed(text).empty();
    switch (field) {
    case CriteriaField::MinValue:
        row.MinValue = text;
        break;
    case CriteriaField::MaxValue:
        row.MaxValue = text;
        break;
    case CriteriaField::SingleValue:
        if (m_advanced) {
            return;
        }
        row.SingleValue = text;
        if (given) {
            row.MinValue.clear();
            row.MaxValue.clear();
        }
        return;
    case CriteriaField::ToleranceMin:
        row.ToleranceMin = text;
        if (!m_advanced) {
            row.ToleranceMax = text;
        }
        return;
    case CriteriaField::ToleranceMax:
        row.ToleranceMax = text;
        if (!m_advanced) {
            row.ToleranceMin = text;
        }
        return;
    }
    if (given) {
        row.SingleValue.clear();
    }
}

void CompositionRows::SetSearchMethod(int index, const std::string& method) {
    if (valid(index)) {
        m_rows[static_cast<std::size_t>(index)].SearchMethod = method == "inside" ? "inside" : "outside";
    }
}

CompositionRows::Verdict CompositionRows::ValidateRows() {
    if (m_rows.empty()) {
        return {false, true, {}};
    }
    for (auto& row : m_rows) {
        const auto blank = [](const std::string& t) {
            return trimmed(t).empty();
        };
        if (number(row.MinValue) == 0.0 && number(row.MaxValue) == 0.0) {
            row.MinValue.clear();
            row.MaxValue.clear();
        }
        if (blank(row.MinValue) && !blank(row.MaxValue)) {
            row.MinValue = "0";
        }
        if (!blank(row.MinValue) && blank(row.MaxValue)) {
            row.MaxValue = "100";
        }
        if (!m_advanced) {
            row.ToleranceMax = row.ToleranceMin;
        } else if (!blank(row.ToleranceMin) && blank(row.ToleranceMax)) {
            row.ToleranceMax = "100";
        } else if (blank(row.ToleranceMin) && !blank(row.ToleranceMax)) {
            row.ToleranceMin = "0";
        }
        if (!blank(row.MinValue) && !blank(row.MaxValue) && number(row.MinValue) > number(row.MaxValue)) {
            return {false, false, row.Element};
        }
    }
    return {};
}

std::shared_ptr<orvik::common::CompositionSearchItems> CompositionRows::SearchItems() const {
    using orvik::common::CompositionSearchMethod;
    auto items = std::make_shared<orvik::common::CompositionSearchItems>();
    for (const auto& row : m_rows) {
        if (trimmed(row.Element).empty()) {
            continue;
        }
        const auto method = m_advanced && row.SearchMethod == "inside" ? CompositionSearchMethod::Inside
                                                                       : CompositionSearchMethod::Outside;
        items->Add(trimmed(row.Element), trimmed(row.MinValue), trimmed(row.MaxValue),
                   m_advanced ? std::string() : trimmed(row.SingleValue), trimmed(row.ToleranceMin),
                   trimmed(row.ToleranceMax), method, row.Order);
    }
    return items;
}

void CompositionRows::ShowComposition(const orvik::objects::ChemicalCompostion& composition) {
    m_rows.clear();
    for (const auto& element : *composition.Elements) {
        if (element->Element.find('-') != std::string::npos || element->OnlySearch || element->Rest ||
            FindElement(element->Element) >= 0) {
            continue;
        }
        CriteriaRow row;
        row.Order = std::to_string(element->Order);
        row.Element = element->Element;
        row.MinValue = formatted(element->MinValue, element->Backnumbers);
        row.MaxValue = formatted(element->MaxValue, element->Backnumbers);
        m_rows.push_back(std::move(row));
    }
    AddEmptyRow();
}

CompositionRows::LoadReport CompositionRows::Load(const std::vector<AnalysisRow>& rows,
                                                  const std::vector<KnownElement>& known) {
    LoadReport report;
    RemoveEmptyRows();
    for (const auto& line : rows) {
        if (trimmed(line.Element).empty()) {
            continue;
        }
        const auto entry = std::find_if(known.begin(), known.end(), [&](const KnownElement& e) {
            return sameSymbol(e.Symbol, line.Element);
        });
        if (entry == known.end()) {
            report.unknownElements.push_back(line.Element);
            continue;
        }
        if (!isValue(line.MinValue) || !isValue(line.MaxValue) || !isValue(line.SingleValue) ||
            !isValue(line.ToleranceMin) || !isValue(line.ToleranceMax)) {
            report.badValues.push_back(entry->Symbol);
            continue;
        }
        CriteriaRow row;
        row.Order = std::to_string(entry->Order);
        row.Element = entry->Symbol;
        row.MinValue = line.MinValue;
        row.MaxValue = line.MaxValue;
        row.ToleranceMin = line.ToleranceMin;
        if (m_advanced) {
            row.ToleranceMax = line.ToleranceMax;
            row.SearchMethod = line.SearchMethod == "inside" ? "inside" : "outside";
            if (!line.SingleValue.empty()) {
                row.MinValue = line.SingleValue;
                row.MaxValue = line.SingleValue;
                row.SearchMethod = "inside";
            }
        } else {
            row.ToleranceMax = line.ToleranceMin;
            row.SingleValue = line.SingleValue;
            if (!line.MinValue.empty() && line.MinValue == line.MaxValue && line.SearchMethod == "inside") {
                row.SingleValue = line.MinValue;
                row.MinValue.clear();
                row.MaxValue.clear();
            }
        }
        const auto present = FindElement(row.Element);
        if (present >= 0) {
            m_rows[static_cast<std::size_t>(present)] = std::move(row);
        } else {
            m_rows.push_back(std::move(row));
        }
    }
    return report;
}

std::vector<AnalysisRow> CompositionRows::FileRows() const {
    std::vector<AnalysisRow> out;
    for (const auto& row : m_rows) {
        if (trimmed(row.Element).empty()) {
            continue;
        }
        const auto method =
            !m_advanced && !trimmed(row.SingleValue).empty() ? std::string("inside") : row.SearchMethod;
        out.push_back({row.Element, row.MinValue, row.MaxValue, row.SingleValue, row.ToleranceMin,
                       row.ToleranceMax, method});
    }
    return out;
}

} // namespace composition
