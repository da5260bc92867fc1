#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

struct UCollator;

namespace platform::db::sql {

/// The outcome of matching a text against a Jet Like pattern.
enum class LikeResult { NoMatch, Match, BadPattern };

/// Jet's Like: `*` any run of characters, `?` one character, `#` one digit, `[abc]`, `[a-z]` and
/// `[!...]` one character in or not in a set; `[*]`, `[?]`, `[#]`, `[[]` stand for themselves.
/// Letters compare without regard to case over all of Unicode (simple case folding); set ranges
/// compare by `collator` (case-insensitive), so `[a-z]` takes `ä` as Jet does. Texts are UTF-8.
[[nodiscard]] LikeResult matchJetLike(std::string_view text, std::string_view pattern,
                                      const UCollator* collator);

/// A Like pattern compiled once, to match many texts (a statement's pattern over every row).
class JetLikePattern {
public:
    /// Nothing for a pattern with an unclosed `[`.
    [[nodiscard]] static std::unique_ptr<JetLikePattern> compile(std::string_view pattern);
    ~JetLikePattern();
    JetLikePattern(const JetLikePattern&) = delete;
    JetLikePattern& operator=(const JetLikePattern&) = delete;

    [[nodiscard]] bool matches(std::string_view text, const UCollator* collator) const;
    /// How many characters of the pattern stand for themselves (outside sets and wildcards).
    [[nodiscard]] std::size_t literalCount() const;

private:
    struct Elements;
    explicit JetLikePattern(std::unique_ptr<Elements> elements);
    std::unique_ptr<Elements> m_elements;
};

} // namespace platform::db::sql
