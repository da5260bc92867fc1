#include "SearchText.h"

#include "platform/db/Dao.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace display {

namespace {

constexpr std::string_view SearchColumn = "SuchBezeichnung";

} // namespace

std::string SearchText::removeBlanks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(result), [](char c) { return c != ' '; });
    return result;
}

bool SearchText::HasStarWildcard(std::string_view text) {
    return text.find('*') != std::string_view::npos;
}

bool SearchText::HasPatternChars(std::string_view text) {
    return text.find_first_of("?#[]") != std::string_view::npos;
}

bool SearchText::IsBracketPatternValid(std::string_view text) {
    const auto open = text.find('[');
    if (open == std::string_view::npos) {
        return true;
    }
    const auto close = text.find(']');
    return close != std::string_view::npos && close > open;
}

std::string SearchText::prefixCondition(std::string_view text) {
    return std::string(SearchColumn) + " LIKE " + platform::db::quoteText(std::string(text) + "*");
}

std::string SearchText::patternCondition(std::string_view pattern) {
    std::string text(pattern);
    if (HasPatternChars(text) && !text.ends_with('*')) {
        text += '*';
    }
    return std::string(SearchColumn) + " LIKE " + platform::db::quoteText(text);
}

std::string SearchText::occurrenceCondition(std::string_view id) {
    std::int64_t number = 0;
    const auto* end = id.data() + id.size();
    const auto [rest, error] = std::from_chars(id.data(), end, number);
    if (id.empty() || error != std::errc() || rest != end) {
        return {};
    }
    return "(Id_StahlbezVorkommen=" + std::to_string(number) + ")";
}

} // namespace display
