#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// The only ways a value becomes part of a statement's text.
namespace orvik::dataservice::SqlText {

/// An id handed in as text: accepted only as an optionally signed whole number (blanks around it
/// allowed) and written back as its plain decimal text. Anything else throws CallError 13, so a
/// malformed id ends in the caller's trap instead of in the statement.
[[nodiscard]] std::string id(std::string_view text);

/// A whole number as plain decimal text: a minus sign for negatives, no grouping.
[[nodiscard]] std::string number(std::int64_t value);

/// A number with a decimal point whatever the locale, to 15 significant digits.
[[nodiscard]] std::string decimal(double value);

/// A text literal, quoted by the database layer.
[[nodiscard]] std::string text(std::string_view value);

} // namespace orvik::dataservice::SqlText
