#include "PrintRangeText.h"

#include "platform/TextCase.h"
#include "platform/VbConvert.h"

namespace orvik::objects {

namespace {

bool noValue(const platform::Variant& value) {
    return value.isNull() || value.isEmpty();
}

} // namespace

std::string rangeText(const platform::Variant& minimum, const platform::Variant& maximum,
                      const std::string& unit) {
    std::string range;
    if (noValue(maximum)) {
        range = noValue(minimum) ? std::string() : ">=" + platform::CStr(minimum);
    } else if (!noValue(minimum) && platform::CDbl(minimum) == platform::CDbl(maximum)) {
        range = "~ " + platform::CStr(maximum);
    } else {
        range = (noValue(minimum) ? std::string("<=") : platform::CStr(minimum) + " - ") +
                platform::CStr(maximum);
    }
    if (!platform::trimBlanks(range).empty()) {
        range += " " + unit;
    }
    return range;
}

} // namespace orvik::objects
