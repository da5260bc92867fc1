#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::db::sql {

/// Bounds, in JETTEXT collation terms, that every text matching a Like pattern lies within:
/// low <= value < high. The pattern's leading literal ASCII characters P give low = P (each case
/// variant of P collates equal to P or after it, longer texts after it) and high = P followed by
/// U+FFFF, which the collation sorts after every other character.
struct LikePrefixRange {
    std::string low;
    std::string high;
    /// The prefix can begin the text of a number (a digit, a sign or a point): a numeric value of the
    /// column, which sorts before all texts, may then match although it lies outside the range.
    bool mayMatchNumbers = false;
};

/// The range of a pattern whose first character is a literal ASCII character; nothing when it starts
/// with a wildcard or another character.
[[nodiscard]] std::optional<LikePrefixRange> likePrefixRange(std::string_view pattern);

} // namespace platform::db::sql
