#include "SqlText.h"

#include "platform/CallError.h"
#include "platform/db/Dao.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orvik::dataservice::SqlText {

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

[[noreturn]] void rejectId(std::string_view text) {
    throw platform::CallError(platform::err::TypeMismatch, "OrvikServiceVers5",
                              "Type mismatch: the id '" + std::string(text) + "' is not a whole number");
}

} // namespace

std::string id(std::string_view text) {
    auto digits = trimBlanks(text);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        rejectId(text);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        rejectId(text);
    }
    return number(negative ? -value : value);
}

std::string number(std::int64_t value) {
    return std::to_string(value);
}

std::string decimal(double value) {
    if (!std::isfinite(value)) {
        throw platform::CallError(platform::err::Overflow, "OrvikServiceVers5", "Overflow");
    }
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

std::string text(std::string_view value) {
    return platform::db::quoteText(value);
}

} // namespace orvik::dataservice::SqlText
