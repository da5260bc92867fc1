#include "JetLikePrefix.h"

namespace platform::db::sql {
namespace {

// The collation may sort a text outside the range of a prefix that its caseless form begins with:
// the long s sorts after s, Cyrillic i and a combining breve contract into a letter of their own, a
// Thai vowel sorts after the consonant that follows it. ASCII characters begin no contraction, carry
// no marks a following one could be sorted before, and sort first among the characters that fold to
// them (s before the long s, k equal to the Kelvin sign): the range stands on them alone, and the
// matcher decides about the rest of the prefix.
bool boundsItsCaselessForms(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

} // namespace

std::optional<LikePrefixRange> likePrefixRange(std::string_view pattern) {
    const std::string_view literal = pattern.substr(0, pattern.find_first_of("*?#["));
    std::size_t end = 0;
    while (end < literal.size() && boundsItsCaselessForms(literal[end])) {
        ++end;
    }
    const std::string_view prefix = literal.substr(0, end);
    if (prefix.empty()) {
        return std::nullopt;
    }
    const char first = prefix.front();
    const bool numeric = (first >= '0' && first <= '9') || first == '-' || first == '+' || first == '.';
    return LikePrefixRange{std::string(prefix), std::string(prefix) + "\xEF\xBF\xBF", numeric};
}

} // namespace platform::db::sql
