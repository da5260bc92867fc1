#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform::db::sql {

/// One token of a Jet SQL text. `text` is the decoded content: a name without its brackets, a text
/// literal without its quotes and with doubled quotes undone, a date without its `#`.
struct JetToken {
    enum class Kind { Word, BracketName, Number, Text, Date, Symbol, Invalid, End };
    Kind kind = Kind::End;
    std::string text;
    std::size_t offset = 0; // where the token starts in the source
    std::size_t end = 0;    // one past its last character
    int fault = 0;          // Invalid: the ExpressionFault

    [[nodiscard]] bool isSymbol(std::string_view s) const { return kind == Kind::Symbol && text == s; }
    /// A bare word compared without regard to case (keywords).
    [[nodiscard]] bool isWord(std::string_view w) const;
    [[nodiscard]] bool isName() const { return kind == Kind::Word || kind == Kind::BracketName; }
};

/// Splits a Jet SQL text into tokens; the last one is always End. An unterminated text, date or
/// bracketed name, or a character Jet does not know, ends the list with an Invalid token whose `fault`
/// says what was wrong, so that the parser reports it with the expression around it.
[[nodiscard]] std::vector<JetToken> tokenizeJet(std::string_view source);

/// True when `a` and `b` are equal ignoring ASCII case (Jet keywords and function names are ASCII).
[[nodiscard]] bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace platform::db::sql
