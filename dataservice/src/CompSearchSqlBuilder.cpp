#include "dataservice/CompSearchSqlBuilder.h"

#include "SqlText.h"
#include "common/CompositionSearchItems.h"
#include "common/Helper.h"
#include "platform/CallError.h"

#include <algorithm>

namespace orvik::dataservice {

namespace {

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool isPlainSymbol(std::string_view text) {
    const auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    const auto digit = [](char c) {
        return c >= '0' && c <= '9';
    };
    return !text.empty() && letter(text.front()) &&
           std::all_of(text.begin(), text.end(), [&](char c) { return letter(c) || digit(c); });
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

[[noreturn]] void fail(const std::string& text) {
    throw platform::CallError(platform::err::InvalidProcedureCall, "OrvikServiceVers5", text);
}

const std::string searchHead =
    "SELECT DISTINCT tabAnalyseSuchen.Id_Analyse, tabStahlbez.Id_Stahlbez, tabStahlbez.Id_Stahl AS Id_Stahl, "
    "tabStahlbezVorkommen.Id_StahlbezVorkommen, tabStahlbez.Bezeichnung+' ('+tabLand.Landeskuerzel+')' AS "
    "Bezeichnung, tabStahlbez.Kennung, tabStahlbezVorkommen.Id_Land AS Id_Land, "
    "tabStahlbezVorkommen.IndexSort "
    "FROM (tabStahlbez INNER JOIN (tabLand INNER JOIN tabStahlbezVorkommen ON tabLand.ID_Land = "
    "tabStahlbezVorkommen.Id_Land) ON tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) INNER JOIN "
    "(tabAnalyseSuchen INNER JOIN zuoStahlbez_Analyse ON tabAnalyseSuchen.Id_Analyse = "
    "zuoStahlbez_Analyse.Id_Analyse) "
    "ON tabStahlbez.Id_Stahlbez = zuoStahlbez_Analyse.Id_Stahlbez WHERE ";

} // namespace

void CompSearchSqlBuilder::SetCompositionSearchItems(
    std::shared_ptr<const orvik::common::CompositionSearchItems> searchItems) {
    m_searchItems = std::move(searchItems);
}

void CompSearchSqlBuilder::SetKnownElements(std::vector<std::string> elements) {
    m_knownElements = std::move(elements);
    m_elementsKnown = true;
}

std::string CompSearchSqlBuilder::GetSearchSql(std::int32_t idCountry) const {
    if (!m_searchItems || m_searchItems->Count() == 0) {
        return {};
    }
    std::string sql = searchHead;
    const auto count = m_searchItems->Count();
    for (std::int32_t position = 1; position <= count; ++position) {
        const auto item = m_searchItems->item(position);
        if (!item) {
            fail("No composition criterion at position " + std::to_string(position));
        }
        sql += condition(*item);
        if (position < count) {
            sql += " AND ";
        }
    }
    if (idCountry != 0) {
        return sql + " AND ((tabStahlbezVorkommen.Id_Land)= " + SqlText::number(idCountry) +
               ") ORDER BY tabStahlbezVorkommen.IndexSort;";
    }
    return sql + " ORDER BY tabStahlbezVorkommen.IndexSort;";
}

std::string CompSearchSqlBuilder::columnPrefix(const std::string& element) const {
    if (!isPlainSymbol(element)) {
        fail("'" + element + "' is not an element symbol");
    }
    if (!m_elementsKnown) {
        return element;
    }
    const auto known = std::find_if(m_knownElements.begin(), m_knownElements.end(),
                                    [&](const std::string& e) { return equalIgnoringCase(e, element); });
    if (known == m_knownElements.end() || !isPlainSymbol(*known)) {
        fail("The element '" + element + "' is not in the database");
    }
    return *known;
}

std::string CompSearchSqlBuilder::condition(const orvik::common::CompositionSearchItem& item) const {
    const auto e = columnPrefix(item.Element());
    const int mask = (isBlank(item.MinValue()) ? 0 : 1) + (isBlank(item.MaxValue()) ? 0 : 2) +
                     (isBlank(item.SingleValue()) ? 0 : 4);
    const bool outside = item.SearchMethod() == orvik::common::CompositionSearchMethod::Outside;
    const int s = outside ? -1 : +1; // the sign applied to the lower bound
    switch (mask) {
    case 0:
        return "((" + e + "_min IS NULL ) AND (" + e + "_max IS NULL ))";
    case 1:
        return "(" + e + "_min >= " + ApplyTolerance(item.MinValue(), item.ToleranceMin(), s) + ")";
    case 2:
        return "(" + e + "_max <= " + ApplyTolerance(item.MaxValue(), item.ToleranceMax(), -s) + ")";
    case 3:
        if (outside) {
            return "((" + e + "_min >= " + ApplyTolerance(item.MinValue(), item.ToleranceMin(), -1) +
                   ") AND (" + e + "_max <= " + ApplyTolerance(item.MaxValue(), item.ToleranceMax(), +1) +
                   "))";
        }
        return "((" + e + "_min <= " + ApplyTolerance(item.MinValue(), item.ToleranceMin(), +1) + ") AND (" +
               e + "_max >= " + ApplyTolerance(item.MaxValue(), item.ToleranceMax(), -1) + "))";
    case 4:
        // The steel's range must hold the value within its tolerances. Under the inside method this
        // is the same test as a range whose both bounds are the value.
        return "((" + e + "_min <= " + ApplyTolerance(item.SingleValue(), item.ToleranceMin(), +1) +
               ") AND (" + e + "_max >= " + ApplyTolerance(item.SingleValue(), item.ToleranceMax(), -1) +
               "))";
    default:
        fail("The criterion for '" + e + "' holds a single value together with a range");
    }
}

std::string CompSearchSqlBuilder::ApplyTolerance(std::string_view value, std::string_view tolerance,
                                                 int sign) {
    const double v = isBlank(value) ? 0.0 : orvik::common::Helper::Str2Dbl(value);
    const double t = isBlank(tolerance) ? 0.0 : orvik::common::Helper::Str2Dbl(tolerance);
    return SqlText::decimal(v + t * v * sign / 100.0);
}

} // namespace orvik::dataservice
