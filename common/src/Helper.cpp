#include "common/Helper.h"

#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/UserLocale.h"
#include "platform/VbConvert.h"

#include <ctime>
#include <filesystem>

namespace orvik::common {

std::shared_ptr<const Exception> Helper::CreateExceptionObject(std::int32_t errNumber, std::string errModul,
                                                               std::string errMsg, std::string errProc) {
    return std::make_shared<const Exception>(Exception::Key{}, errNumber, std::move(errModul),
                                             std::move(errProc), std::move(errMsg));
}

double Helper::Str2Dbl(std::string_view sValue) {
    if (platform::trimBlanks(sValue).empty()) {
        return 0.0;
    }
    return Str2Dbl(sValue, GetDecimalString());
}

double Helper::Str2Dbl(std::string_view sValue, std::string_view separator) {
    const std::string_view trimmed = platform::trimBlanks(sValue);
    if (trimmed.empty()) {
        return 0.0;
    }
    // The separator alone reads as integer part 0 and fraction 0: an entry field holding just the
    // separator is zero, not a failure.
    if (trimmed == separator) {
        return 0.0;
    }
    const auto number = platform::parseNumber(sValue, separator);
    if (!number) {
        throw platform::err::error(platform::err::TypeMismatch, "Helper");
    }
    return *number;
}

std::string Helper::GetDecimalString() {
    return platform::UserLocale::currentDecimalSeparator();
}

bool Helper::FileExist(const std::string& sFile) {
    std::error_code ec;
    return !sFile.empty() && std::filesystem::is_regular_file(sFile, ec);
}

std::string Helper::Backslash(std::string_view sPfad) {
    constexpr char Separator = std::filesystem::path::preferred_separator;
    std::string result(sPfad);
    if (!result.empty() && result.back() != Separator) {
        result += Separator;
    }
    return result;
}

std::string Helper::CVarStr(const platform::Variant& vValue) {
    if (vValue.isNull()) {
        return {};
    }
    return std::string(platform::trimBlanks(platform::CStr(vValue)));
}

platform::Variant Helper::CStrVar(std::string_view strValue) {
    const auto trimmed = platform::trimBlanks(strValue);
    return trimmed.empty() ? platform::Variant::null() : platform::Variant(trimmed);
}

std::string Helper::FormatDoubleToString(const platform::Variant& vValue, std::int32_t lBack) {
    const auto locale = platform::UserLocale::current();
    const auto& separator = locale.decimalSeparator();
    const double value = vValue.isNull() ? 0.0 : platform::CDbl(vValue, locale);
    std::string text = platform::CStr(platform::CCur(platform::Variant(value), locale), separator);
    if (text.empty()) {
        text.assign(1, '0');
    }
    std::string integerPart;
    std::string fraction;
    const auto at = text.find(separator);
    if (at == std::string::npos) {
        integerPart = text;
        fraction.assign(1, '0');
    } else if (at == 0) {
        integerPart = "0";
        fraction = text.size() > separator.size() ? text.substr(separator.size()) : std::string(1, '0');
    } else {
        integerPart = text.substr(0, at);
        fraction = text.substr(at + separator.size());
    }
    while (static_cast<std::int64_t>(fraction.size()) < lBack) {
        fraction += '0';
    }
    return integerPart + separator + fraction;
}

std::int32_t Helper::GetDateAsLong() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

} // namespace orvik::common
