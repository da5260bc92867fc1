#include "platform/VbConvert.h"

#include "platform/CallError.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace platform {
namespace {

constexpr const char* Source = "platform";

[[noreturn]] void throwTypeMismatch() {
    throw err::error(err::TypeMismatch, Source);
}
[[noreturn]] void throwOverflow() {
    throw err::error(err::Overflow, Source);
}
[[noreturn]] void throwNull() {
    throw err::error(err::InvalidUseOfNull, Source);
}

bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

/// Reads the ASCII form "[-]digits[.digits][e[+-]digits]"; a value too large for a Double is an
/// overflow, one too small is 0 (as the runtime does).
double fromAscii(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small: the decimal exponent of the first significant digit tells which.
        const auto ePos = text.find('e');
        // Held within a bound far beyond any double's, so that an exponent of any length neither
        // overflows here nor is lost.
        constexpr long exponentBound = 1'000'000'000;
        long exponent = 0;
        if (ePos != std::string::npos) {
            std::size_t at = ePos + 1;
            const bool negative = at < text.size() && text[at] == '-';
            at += (at < text.size() && (text[at] == '+' || text[at] == '-')) ? 1 : 0;
            for (; at < text.size() && isDigit(text[at]); ++at) {
                exponent = std::min(exponentBound, exponent * 10 + (text[at] - '0'));
            }
            exponent = negative ? -exponent : exponent;
        }
        const std::string mantissa = text.substr(0, ePos);
        const auto point = std::min(mantissa.find('.'), mantissa.size());
        const auto significant = mantissa.find_first_of("123456789");
        const long magnitude = significant < point ? exponent + static_cast<long>(point - significant)
                                                   : exponent - static_cast<long>(significant - point - 1);
        if (magnitude > 0) {
            throwOverflow();
        }
        return 0.0;
    }
    if (ec != std::errc{} || end != text.data() + text.size()) {
        throwTypeMismatch();
    }
    return value;
}

/// Appends "e[+-]digits" when the text at pos holds an exponent marker followed by digits; returns
/// the position after what it consumed.
std::size_t readExponent(std::string_view text, std::size_t pos, std::string& out) {
    if (pos >= text.size()) {
        return pos;
    }
    const char marker = text[pos];
    if (marker != 'e' && marker != 'E' && marker != 'd' && marker != 'D') {
        return pos;
    }
    std::size_t p = pos + 1;
    std::string exponent = "e";
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        exponent += text[p++];
    }
    const std::size_t digitsStart = p;
    while (p < text.size() && isDigit(text[p])) {
        exponent += text[p++];
    }
    if (p == digitsStart) {
        return pos;
    }
    out += exponent;
    return p;
}

double valRadix(std::string_view digits, int radix) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (isDigit(c)) {
            digit = c - '0';
        } else if (radix == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) {
            digit = 10 + ((c | 0x20) - 'a');
        }
        if (digit < 0 || digit >= radix) {
            break;
        }
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFULL) {
            throwOverflow();
        }
    }
    // Hex and octal literals are Integer or Long bit patterns: &HFFFF is -1.
    if (value <= 0xFFFFULL) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

template <typename Int> Int toInteger(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        throwOverflow();
    }
    return static_cast<Int>(rounded);
}

template <typename Int> Int toInteger(const Variant& value, const UserLocale* locale) {
    switch (value.type()) {
    case Variant::Type::Empty:
        return 0;
    case Variant::Type::Integer: {
        const auto v = value.asInteger();
        if (v < std::numeric_limits<Int>::min() || v > std::numeric_limits<Int>::max()) {
            throwOverflow();
        }
        return static_cast<Int>(v);
    }
    case Variant::Type::Boolean:
        return value.asBoolean() ? -1 : 0;
    case Variant::Type::Null:
        throwNull();
    default:
        return toInteger<Int>(locale ? CDbl(value, *locale) : CDbl(value));
    }
}

std::string withSeparator(std::string text, std::string_view decimalSeparator) {
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::string dateText(const Date& d) {
    const bool midnight = d.hour == 0 && d.minute == 0 && d.second == 0;
    const bool dayZero = d.year == 1899 && d.month == 12 && d.day == 30;
    const std::string time = twoDigits(d.hour) + ":" + twoDigits(d.minute) + ":" + twoDigits(d.second);
    if (dayZero && !midnight) {
        return time;
    }
    std::string year = std::to_string(d.year);
    while (year.size() < 4) {
        year.insert(year.begin(), '0');
    }
    const std::string date = year + "-" + twoDigits(d.month) + "-" + twoDigits(d.day);
    return midnight ? date : date + " " + time;
}

/// Days from 1970-01-01 of a civil date (proleptic Gregorian).
long daysFromCivil(int year, int month, int day) noexcept {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<long>(era) * 146097 + doe - 719468;
}

} // namespace

double Val(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    const std::string_view s = compact;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H') {
            return valRadix(s.substr(2), 16);
        }
        if (s[1] == 'o' || s[1] == 'O') {
            return valRadix(s.substr(2), 8);
        }
        return valRadix(s.substr(1), 8);
    }
    std::string number;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+')) {
        if (s[pos] == '-') {
            number += '-';
        }
        ++pos;
    }
    bool anyDigit = false;
    while (pos < s.size() && isDigit(s[pos])) {
        number += s[pos++];
        anyDigit = true;
    }
    if (pos < s.size() && s[pos] == '.') {
        number += '.';
        ++pos;
        while (pos < s.size() && isDigit(s[pos])) {
            number += s[pos++];
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (number.back() == '.') {
        number.pop_back();
    }
    if (number.starts_with("-.") || number.starts_with(".")) {
        number.insert(number.begin() + static_cast<std::ptrdiff_t>(number.find('.')), '0');
    }
    readExponent(s, pos, number);
    return fromAscii(number) + 0.0; // + 0.0 turns -0 into 0
}

double roundHalfEven(double value) noexcept {
    if (!std::isfinite(value)) {
        return value;
    }
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) {
        return floor + 1.0;
    }
    if (fraction < 0.5) {
        return floor;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view s = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string number;
    std::size_t pos = 0;
    if (s[pos] == '-' || s[pos] == '+') {
        if (s[pos] == '-') {
            number += '-';
        }
        ++pos;
    }
    bool anyDigit = false;
    std::string integerDigits;
    while (pos < s.size() && isDigit(s[pos])) {
        integerDigits += s[pos++];
        anyDigit = true;
    }
    number += integerDigits.empty() ? "0" : integerDigits;
    if (!decimalSeparator.empty() && s.substr(pos).starts_with(decimalSeparator)) {
        pos += decimalSeparator.size();
        std::string fraction;
        while (pos < s.size() && isDigit(s[pos])) {
            fraction += s[pos++];
            anyDigit = true;
        }
        if (!fraction.empty()) {
            number += "." + fraction;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    pos = readExponent(s, pos, number);
    if (pos != s.size()) {
        return std::nullopt;
    }
    return fromAscii(number) + 0.0;
}

std::int16_t CInt(const Variant& value) {
    return toInteger<std::int16_t>(value, nullptr);
}
std::int32_t CLng(const Variant& value) {
    return toInteger<std::int32_t>(value, nullptr);
}
std::int16_t CInt(const Variant& value, const UserLocale& locale) {
    return toInteger<std::int16_t>(value, &locale);
}
std::int32_t CLng(const Variant& value, const UserLocale& locale) {
    return toInteger<std::int32_t>(value, &locale);
}

double CDbl(const Variant& value) {
    // The locale is looked up only for text, the one case that needs it.
    if (value.type() == Variant::Type::Text) {
        return CDbl(value, UserLocale::current());
    }
    return CDbl(value, UserLocale(".", ""));
}

double CDbl(const Variant& value, const UserLocale& locale) {
    switch (value.type()) {
    case Variant::Type::Empty:
        return 0.0;
    case Variant::Type::Null:
        throwNull();
    case Variant::Type::Integer:
        return static_cast<double>(value.asInteger());
    case Variant::Type::Double:
        return value.asDouble();
    case Variant::Type::Text: {
        const auto number = parseNumber(value.asText(), locale.decimalSeparator());
        if (!number) {
            throwTypeMismatch();
        }
        return *number;
    }
    case Variant::Type::Boolean:
        return value.asBoolean() ? -1.0 : 0.0;
    case Variant::Type::Date:
        return dateSerial(value.asDate());
    }
    throwTypeMismatch();
}

Currency CCur(const Variant& value) {
    if (value.type() == Variant::Type::Integer) {
        return CCur(value, UserLocale(".", ""));
    }
    return CCur(Variant(CDbl(value)), UserLocale(".", ""));
}

Currency CCur(const Variant& value, const UserLocale& locale) {
    constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
    if (value.type() == Variant::Type::Integer) {
        const auto v = value.asInteger();
        if (v > Max / 10000 || v < -(Max / 10000)) {
            throwOverflow();
        }
        return Currency{v * 10000};
    }
    const double number = CDbl(value, locale);
    if (!std::isfinite(number)) {
        throwOverflow();
    }
    if (number == 0.0) {
        return Currency{0};
    }
    // Round the value's 15 significant digits, not its binary expansion: 1.23455 is 1.2346.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(number),
                                      std::chars_format::scientific, 14);
    const std::string text(buffer.data(), result.ptr);
    const auto ePos = text.find('e');
    std::uint64_t digits = 0;
    for (const char c : text.substr(0, ePos)) {
        if (isDigit(c)) {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    int exponent = 0;
    const auto expText = text.substr(ePos + 1);
    std::from_chars(expText.data() + (expText[0] == '+' ? 1 : 0), expText.data() + expText.size(), exponent);
    // value = digits * 10^(exponent - 14); we want value * 10^4.
    const int shift = exponent - 10;
    std::uint64_t scaled = 0;
    if (shift > 4) {
        throwOverflow();
    }
    if (shift >= 0) {
        scaled = digits;
        for (int i = 0; i < shift; ++i) {
            scaled *= 10;
        }
    } else if (-shift <= 15) {
        std::uint64_t divisor = 1;
        for (int i = 0; i < -shift; ++i) {
            divisor *= 10;
        }
        const std::uint64_t quotient = digits / divisor;
        const std::uint64_t remainder = digits % divisor;
        const std::uint64_t twice = remainder * 2;
        const bool up = twice > divisor || (twice == divisor && quotient % 2 == 1);
        scaled = quotient + (up ? 1 : 0);
    }
    const bool negative = number < 0;
    const std::uint64_t limit = static_cast<std::uint64_t>(Max) + (negative ? 1 : 0);
    if (scaled > limit) {
        throwOverflow();
    }
    if (!negative) {
        return Currency{static_cast<std::int64_t>(scaled)};
    }
    return Currency{scaled == limit ? std::numeric_limits<std::int64_t>::min()
                                    : -static_cast<std::int64_t>(scaled)};
}

std::string CStr(const Variant& value) {
    if (value.type() == Variant::Type::Double) {
        return CStr(value.asDouble(), UserLocale::currentDecimalSeparator());
    }
    return CStr(value, UserLocale(".", ""));
}

std::string CStr(const Variant& value, const UserLocale& locale) {
    switch (value.type()) {
    case Variant::Type::Empty:
        return {};
    case Variant::Type::Null:
        throwNull();
    case Variant::Type::Integer:
        return std::to_string(value.asInteger());
    case Variant::Type::Double:
        return CStr(value.asDouble(), locale.decimalSeparator());
    case Variant::Type::Text:
        return value.asText();
    case Variant::Type::Boolean:
        return value.asBoolean() ? "True" : "False";
    case Variant::Type::Date:
        return dateText(value.asDate());
    }
    throwTypeMismatch();
}

std::string CStr(double value, std::string_view decimalSeparator) {
    if (value == 0.0) {
        return "0";
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");
    }
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    if (const auto e = text.find('e'); e != std::string::npos) {
        text[e] = 'E';
    }
    return withSeparator(std::move(text), decimalSeparator);
}

std::string CStr(Currency value, std::string_view decimalSeparator) {
    const bool negative = value.tenThousandths < 0;
    // Work on the magnitude without overflowing at the lowest value.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value.tenThousandths)
                                             : static_cast<std::uint64_t>(value.tenThousandths);
    std::string text = std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += std::string(decimalSeparator) + fraction;
    }
    return negative ? "-" + text : text;
}

double dateSerial(const Date& date) noexcept {
    const long days = daysFromCivil(date.year, date.month, date.day) - daysFromCivil(1899, 12, 30);
    const double time = (date.hour * 3600.0 + date.minute * 60.0 + date.second) / 86400.0;
    // Before day 0 the runtime counts the time of day away from zero as well.
    return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

} // namespace platform
