#include "JetLikePrefix.h"

namespace platform::db::sql {

std::optional<LikePrefixRange> likePrefixRange(std::string_view pattern) {
    const std::size_t wildcard = pattern.find_first_of("*?#[");
    const std::string_view prefix = pattern.substr(0, wildcard);
    if (prefix.empty()) {
        return std::nullopt;
    }
    return LikePrefixRange{std::string(prefix), std::string(prefix) + "\xEF\xBF\xBF"};
}

} // namespace platform::db::sql
