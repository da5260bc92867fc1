#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::db::sql {

/// A double as VB's CStr writes it, with a decimal point: 15 significant digits, no trailing zeros,
/// exponent form (1E-05, 1.5E+15) below 1E-04 and from 1E+15 on.
[[nodiscard]] std::string doubleText(double value);

/// The number in a text as Jet converts text to a number: blanks around it, an optional sign, digits
/// with one decimal point, an optional exponent. Nothing when the text is not wholly such a number.
[[nodiscard]] std::optional<double> numberFromText(std::string_view text);

/// VB's Val: the leading number of a text, blanks inside it ignored, &H and &O prefixes read, 0 when
/// there is none.
[[nodiscard]] double valOfText(std::string_view text);

} // namespace platform::db::sql
