#pragma once

#include <string>
#include <string_view>

namespace display {

/// The checks and conditions of a designation search text. The text the user types is a Jet Like
/// pattern (`*`, `?`, `#`, `[...]` act as wildcards), never condition syntax: every condition built
/// here quotes it with the database layer's quoting function, so a quote in it finds a quote.
class SearchText {
public:
    /// The text with every blank taken out.
    [[nodiscard]] static std::string removeBlanks(std::string_view text);
    /// The text holds "*".
    [[nodiscard]] static bool HasStarWildcard(std::string_view text);
    /// The text holds any of "?", "#", "[" or "]".
    [[nodiscard]] static bool HasPatternChars(std::string_view text);
    /// False when the text holds "[" and its first "]" does not come after its first "["; true
    /// otherwise, also for a "]" alone.
    [[nodiscard]] static bool IsBracketPatternValid(std::string_view text);

    /// The condition that finds a designation starting with the text, in a list's search column.
    [[nodiscard]] static std::string prefixCondition(std::string_view text);
    /// The condition of the database search for the pattern: a pattern with "?", "#", "[" or "]"
    /// that does not end in "*" gets one appended; one with "*" alone is taken as typed.
    [[nodiscard]] static std::string patternCondition(std::string_view pattern);
    /// The condition that finds a designation occurrence by its id; empty when the id is not a whole
    /// number (then nothing can match).
    [[nodiscard]] static std::string occurrenceCondition(std::string_view id);
};

} // namespace display
