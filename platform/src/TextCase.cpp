#include "platform/TextCase.h"

#include <algorithm>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace platform {
namespace {

bool isAscii(std::string_view text) noexcept {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiLower(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string asciiLowerCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), asciiLower);
    return result;
}

icu::UnicodeString unicode(std::string_view text) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string utf8(const icu::UnicodeString& text) {
    std::string result;
    text.toUTF8String(result);
    return result;
}

} // namespace

std::string foldCase(std::string_view text) {
    // Most keys are ASCII; spare them the round trip through UTF-16.
    if (isAscii(text)) {
        return asciiLowerCase(text);
    }
    return utf8(unicode(text).foldCase());
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (isAscii(a) && isAscii(b)) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return asciiLower(x) == asciiLower(y);
               });
    }
    return foldCase(a) == foldCase(b);
}

std::string lowerCase(std::string_view text) {
    if (isAscii(text)) {
        return asciiLowerCase(text);
    }
    return utf8(unicode(text).toLower(icu::Locale::getRoot()));
}

std::string_view trimBlanks(std::string_view text) noexcept {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view trimLeadingBlanks(std::string_view text) noexcept {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view trimTrailingBlanks(std::string_view text) noexcept {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

} // namespace platform
