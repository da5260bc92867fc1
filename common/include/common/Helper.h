#pragma once

#include "common/Exception.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace orvik::common {

/// Conversions between text and numbers by the user's decimal separator, the error-record factory and
/// the file helper that needs no window. Stateless: every member is a plain function. The window and
/// shell members live with the program's windows. Failures throw platform::CallError.
class Helper {
public:
    /// Note the argument order: number, module, message, procedure.
    [[nodiscard]] static std::shared_ptr<const Exception> CreateExceptionObject(std::int32_t errNumber,
                                                                                std::string errModul,
                                                                                std::string errMsg,
                                                                                std::string errProc);

    /// The number a text denotes in the user's notation: 0 for a blank text; digits with at most one
    /// decimal separator ("12," is 12, ",5" is 0.5, "," alone is 0) and an optional sign and exponent.
    /// Any other text, digit grouping or the other separator included, fails with 13; beyond a Double
    /// with 6.
    [[nodiscard]] static double Str2Dbl(std::string_view sValue);
    /// Str2Dbl with the decimal separator given, for a caller that reads many numbers at once.
    [[nodiscard]] static double Str2Dbl(std::string_view sValue, std::string_view separator);

    /// The user's decimal separator (may be more than one byte in UTF-8).
    [[nodiscard]] static std::string GetDecimalString();

    /// True when the path names an existing file; false for a folder or nothing.
    [[nodiscard]] static bool FileExist(const std::string& sFile);

    /// The folder with the platform's separator appended when it is not empty and lacks one.
    [[nodiscard]] static std::string Backslash(std::string_view sPfad);

    /// "" for Null, else the value's text (CStr) without blanks at both ends.
    [[nodiscard]] static std::string CVarStr(const platform::Variant& vValue);
    /// Null for a blank text, else the text without blanks at both ends.
    [[nodiscard]] static platform::Variant CStrVar(std::string_view strValue);

    /// The number (0 for Null) rounded to four decimals, with the user's separator and at least
    /// max(lBack, 1) decimals: (Null, 2) is "0,00", (12, 0) "12,0", (1.23456, 2) "1,2346". Fails with 13
    /// for a value that is no number, 6 outside the currency range.
    [[nodiscard]] static std::string FormatDoubleToString(const platform::Variant& vValue,
                                                          std::int32_t lBack);

    /// Today's local date as year * 10000 + month * 100 + day.
    [[nodiscard]] static std::int32_t GetDateAsLong();
};

} // namespace orvik::common
