#include "ValueRangeText.h"

#include "platform/VbConvert.h"

namespace display {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool equal(const platform::Variant& a, const platform::Variant& b) {
    if (a.isNumeric() && b.isNumeric()) {
        return platform::CDbl(a) == platform::CDbl(b);
    }
    return platform::CStr(a) == platform::CStr(b);
}

} // namespace

std::string ValueRangeText::valueText(const platform::Variant& minimum, const platform::Variant& maximum) {
    if (absent(maximum)) {
        return absent(minimum) ? std::string() : ">=" + platform::CStr(minimum);
    }
    if (absent(minimum)) {
        return "<=" + platform::CStr(maximum);
    }
    if (equal(minimum, maximum)) {
        return "~ " + platform::CStr(maximum);
    }
    return platform::CStr(minimum) + " - " + platform::CStr(maximum);
}

std::string ValueRangeText::FormatValueRange(const platform::Variant& minimum,
                                             const platform::Variant& maximum, const std::string& unit) {
    const auto text = valueText(minimum, maximum);
    if (text.empty()) {
        return {};
    }
    return trimmed(text + " " + trimmed(unit));
}

} // namespace display
