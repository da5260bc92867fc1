#include "JetLikePrefix.h"

namespace platform::db::sql {

std::optional<LikePrefixRange> likePrefixRange(std::string_view pattern) {
    const std::size_t wildcard = pattern.find_first_of("*?#[");
    const std::string_view prefix = pattern.substr(0, wildcard);
    if (prefix.empty()) {
        return std::nullopt;
    }
    const char first = prefix.front();
    const bool numeric = (first >= '0' && first <= '9') || first == '-' || first == '+' || first == '.';
    return LikePrefixRange{std::string(prefix), std::string(prefix) + "\xEF\xBF\xBF", numeric};
}

} // namespace platform::db::sql
