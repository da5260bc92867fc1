#pragma once

// The runtime's conversion rules on Variant, as the libraries rely on them. Failures throw
// platform::CallError with the runtime's numbers: 13 type mismatch (text that is no number), 6
// overflow (out of the target's range), 94 invalid use of Null (Null where a value is needed).
// Text-to-number conversions other than Val follow the user's decimal separator, read any number of
// decimals and reject digit grouping, so "1.5" is never read as 15 where the separator is a comma.

#include "platform/UserLocale.h"
#include "platform/Variant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

/// The runtime's fixed-point currency: a whole number of ten-thousandths (four decimals).
struct Currency {
    std::int64_t tenThousandths = 0;

    friend bool operator==(const Currency&, const Currency&) = default;
};

/// Val: the number at the start of the text, with "." as decimal point whatever the locale; blanks,
/// tabs and line feeds anywhere are skipped (a carriage return is not: it ends the number), reading
/// stops at the first character that cannot belong to the number, D or E marks an exponent,
/// "&H"/"&O" read hex and octal. Text without a leading number gives 0 ("inf" and "nan" are none).
/// Throws 6 only for a value beyond a Double. The Jet functions of the database layer read text
/// through this and parseNumber too.
[[nodiscard]] double Val(std::string_view text);

/// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
[[nodiscard]] double roundHalfEven(double value) noexcept;

/// The number that a text denotes in the given decimal separator: blanks at both ends allowed, an
/// optional sign, digits with at most one separator ("12," and ",5" are numbers), an optional
/// exponent (E or D). Anything else, digit grouping, "inf" and "nan" included, gives no value. Throws
/// 6 for a value beyond a Double.
[[nodiscard]] std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

/// CInt (16 bits) and CLng (32 bits): round half to even; Empty is 0, true is -1.
[[nodiscard]] std::int16_t CInt(const Variant& value);
[[nodiscard]] std::int32_t CLng(const Variant& value);
[[nodiscard]] std::int16_t CInt(const Variant& value, const UserLocale& locale);
[[nodiscard]] std::int32_t CLng(const Variant& value, const UserLocale& locale);

/// CDbl: text by the user's decimal separator; a date is its serial number (days since 1899-12-30).
[[nodiscard]] double CDbl(const Variant& value);
[[nodiscard]] double CDbl(const Variant& value, const UserLocale& locale);

/// CCur: rounded half to even to four decimals (of the value's 15 significant digits); throws 6
/// outside +-922337203685477.5807.
[[nodiscard]] Currency CCur(const Variant& value);
[[nodiscard]] Currency CCur(const Variant& value, const UserLocale& locale);

/// CStr: Empty is "", a Double shows at most 15 significant digits with the user's separator and
/// switches to exponent form below 1E-04 and from 1E+15 on ("1E-05", "1,5E+20"), a truth value is
/// "True"/"False", a date "yyyy-mm-dd hh:mm:ss" (time left out at midnight, date left out on day 0).
/// A Double that is no finite number shows as "NaN", "Inf" or "-Inf". Throws 94 for Null.
[[nodiscard]] std::string CStr(const Variant& value);
[[nodiscard]] std::string CStr(const Variant& value, const UserLocale& locale);
[[nodiscard]] std::string CStr(double value, std::string_view decimalSeparator);
/// A currency value shows up to four decimals, trailing zeros dropped, never an exponent.
[[nodiscard]] std::string CStr(Currency value, std::string_view decimalSeparator);

/// Days since 1899-12-30 with the time of day as fraction, as the runtime stores dates.
[[nodiscard]] double dateSerial(const Date& date) noexcept;

} // namespace platform
