#include "HitComparison.h"

#include "CompositionRows.h"
#include "common/CompositionSearchItems.h"
#include "common/Helper.h"
#include "objects/ChemicalCompostions.h"
#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/VbConvert.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace composition {

namespace {

std::string trimmed(const std::string& text) {
    return std::string(platform::trimBlanks(text));
}

std::string withoutBrackets(std::string text) {
    std::erase_if(text, [](char c) { return c == '(' || c == ')'; });
    return text;
}

/// The number of a given text (neither empty nor "-"); none otherwise.
std::optional<double> given(const std::string& text) {
    const auto t = trimmed(withoutBrackets(text));
    if (t.empty() || t == "-") {
        return std::nullopt;
    }
    try {
        return orvik::common::Helper::Str2Dbl(t);
    } catch (const platform::CallError&) {
        return std::nullopt;
    }
}

std::string formatted(const platform::Variant& value, std::int32_t decimals) {
    return orvik::common::Helper::FormatDoubleToString(value, decimals);
}

void bracket(HitRow& row) {
    auto& min = row.cells[HitRow::HitMin];
    auto& max = row.cells[HitRow::HitMax];
    if (!min.empty()) {
        min = "(" + min;
        if (!max.empty()) {
            max += ")";
        } else {
            min += ")";
        }
    } else if (!max.empty()) {
        max = "(" + max + ")";
    }
}

/// A deviation whose divisor is not above 0 stays empty.
std::string deviation(double numerator, double divisor) {
    if (divisor <= 0.0) {
        return {};
    }
    return HitComparison::FormatDeviation(numerator * 100.0 / divisor);
}

void deviations(HitRow& row, const std::string& restText) {
    auto& lower = row.cells[HitRow::DevLower];
    auto& upper = row.cells[HitRow::DevUpper];
    if (row.cells[HitRow::HitMin] == restText && !restText.empty()) {
        lower = "-";
        upper = "-";
    } else {
        const auto critMin = given(row.cells[HitRow::CritMin]);
        const auto critMax = given(row.cells[HitRow::CritMax]);
        const auto single = given(row.cells[HitRow::CritSingle]);
        const auto hitMin = given(row.cells[HitRow::HitMin]);
        const auto hitMax = given(row.cells[HitRow::HitMax]);
        std::string low;
        std::string up;
        if (hitMin) {
            if (critMin) {
                low = deviation(*hitMin - *critMin, *critMin);
            } else if (single) {
                low = deviation(*single - *hitMin, *single);
            }
        } else if (critMin || single) {
            low = "-";
        }
        if (hitMax) {
            if (critMax) {
                up = deviation(*critMax - *hitMax, *critMax);
            } else if (single) {
                up = deviation(*hitMax - *single, *single);
            }
        } else if (critMax || single) {
            up = "-";
        }
        if (!low.empty()) {
            lower = low;
        }
        if (!up.empty()) {
            upper = up;
        }
    }
    row.lowerRed = lower.find('-') != std::string::npos && lower.size() >= 2;
    row.upperRed = upper.find('-') != std::string::npos && upper.size() >= 2;
    if (row.cells[HitRow::CritMin] == "-" && row.cells[HitRow::CritMax] == "-" &&
        row.cells[HitRow::CritSingle] == "-") {
        lower.clear();
        upper.clear();
        row.lowerRed = false;
        row.upperRed = false;
        row.notSearched = true;
    }
}

} // namespace

std::vector<HitRow> HitComparison::Build(const orvik::objects::ChemicalCompostion& hit,
                                         const orvik::common::CompositionSearchItems& criteria,
                                         const std::string& restText, bool& hasOthers) {
    hasOthers = false;
    std::vector<HitRow> rows;
    for (const auto& element : *hit.Elements) {
        if (element->OnlySearch) {
            continue;
        }
        HitRow row;
        row.cells[HitRow::Element] = element->Element;
        if (element->Element.find('-') != std::string::npos) {
            if (trimmed(element->Others).empty()) {
                continue;
            }
            row.cells[HitRow::Others] = element->Others;
            hasOthers = true;
            rows.push_back(std::move(row));
            continue;
        }
        row.cells[HitRow::Order] = std::to_string(element->Order);
        row.cells[HitRow::CritMin] = "-";
        row.cells[HitRow::CritMax] = "-";
        row.cells[HitRow::CritSingle] = "-";
        if (element->Rest) {
            row.cells[HitRow::HitMin] = restText;
        } else if (!element->MinValue.isNull()) {
            row.cells[HitRow::HitMin] = formatted(element->MinValue, element->Backnumbers);
        }
        if (!element->MaxValue.isNull()) {
            const bool open = element->MaxValue.isNumeric() && platform::CDbl(element->MaxValue) == 100.0;
            row.cells[HitRow::HitMax] =
                open ? std::string() : formatted(element->MaxValue, element->Backnumbers);
        }
        if (element->OptionalValue) {
            bracket(row);
        }
        row.cells[HitRow::DevLower] = "-";
        row.cells[HitRow::DevUpper] = "-";
        rows.push_back(std::move(row));
    }
    for (const auto& item : criteria) {
        bool matched = false;
        for (auto& row : rows) {
            if (row.cells[HitRow::Element] == item->Element()) {
                row.cells[HitRow::CritMin] = item->MinValue();
                row.cells[HitRow::CritMax] = item->MaxValue();
                row.cells[HitRow::CritSingle] = item->SingleValue();
                matched = true;
            }
        }
        if (!matched) {
            HitRow row;
            row.cells[HitRow::Order] = item->Order();
            row.cells[HitRow::Element] = item->Element();
            row.cells[HitRow::CritMin] = item->MinValue();
            row.cells[HitRow::CritMax] = item->MaxValue();
            row.cells[HitRow::CritSingle] = item->SingleValue();
            rows.push_back(std::move(row));
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const HitRow& a, const HitRow& b) {
        const auto x = CompositionRows::SortNumber(a.cells[HitRow::Order]);
        const auto y = CompositionRows::SortNumber(b.cells[HitRow::Order]);
        return x && y && *x < *y;
    });
    for (auto& row : rows) {
        deviations(row, restText);
    }
    return rows;
}

std::string HitComparison::FormatDeviation(double percent) {
    const double rounded = std::nearbyint(percent * 100.0) / 100.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", rounded == 0.0 ? 0.0 : rounded);
    std::string text = buffer;
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    const auto point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, orvik::common::Helper::GetDecimalString());
    }
    return text;
}

} // namespace composition
