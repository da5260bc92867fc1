#include "common/VersionText.h"

#include <string>

namespace orvik::common::VersionText {

namespace {
std::string padded(int value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return value < 0 ? "-" + digits : digits;
}
} // namespace

std::string format(int major, int minor, int revision) {
    const std::string first = major == 0 ? std::string() : std::to_string(major);
    return first + "." + padded(minor, 2) + "." + padded(revision, 4);
}

} // namespace orvik::common::VersionText
