#include "SqlText.h"

#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <charconv>
#include <cmath>

namespace orvik::dataservice::SqlText {

namespace {

[[noreturn]] void rejectId(std::string_view text) {
    throw platform::CallError(platform::err::TypeMismatch, "OrvikServiceVers5",
                              "Type mismatch: the id '" + std::string(text) + "' is not a whole number");
}

} // namespace

std::string id(std::string_view text) {
    auto digits = platform::trimBlanks(text);
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
        throw platform::err::error(platform::err::Overflow, "OrvikServiceVers5");
    }
    return platform::CStr(value, ".");
}

std::string text(std::string_view value) {
    return platform::db::quoteText(value);
}

} // namespace orvik::dataservice::SqlText
