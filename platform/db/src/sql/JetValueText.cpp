#include "JetValueText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace platform::db::sql {

std::string doubleText(double value) {
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
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

std::optional<double> numberFromText(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '+' || text.front() == '-') {
        return std::nullopt;
    }
    double value = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double valOfText(std::string_view text) {
    std::string compact; // Val skips blanks, tabs and line feeds anywhere in the number
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            compact += c;
        }
    }
    if (compact.size() > 2 && compact[0] == '&' &&
        (compact[1] == 'H' || compact[1] == 'h' || compact[1] == 'O' || compact[1] == 'o')) {
        const int base = (compact[1] == 'H' || compact[1] == 'h') ? 16 : 8;
        long long v = 0;
        std::from_chars(compact.data() + 2, compact.data() + compact.size(), v, base);
        return static_cast<double>(v);
    }
    std::size_t i = 0;
    std::string number;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        number += compact[i++];
    }
    const auto digits = [&] {
        while (i < compact.size() && compact[i] >= '0' && compact[i] <= '9') {
            number += compact[i++];
        }
    };
    digits();
    if (i < compact.size() && compact[i] == '.') {
        number += compact[i++];
        digits();
    }
    if (i + 1 < compact.size() &&
        (compact[i] == 'E' || compact[i] == 'e' || compact[i] == 'D' || compact[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (compact[j] == '+' || compact[j] == '-') {
            exponent += compact[j++];
        }
        if (j < compact.size() && compact[j] >= '0' && compact[j] <= '9') {
            i = j;
            number += exponent;
            digits();
        }
    }
    if (!number.empty() && number.front() == '+') {
        number.erase(0, 1);
    }
    double value = 0;
    const char* begin = number.data();
    const bool negative = !number.empty() && number.front() == '-';
    if (negative) {
        ++begin;
    }
    const auto result = std::from_chars(begin, number.data() + number.size(), value);
    if (result.ec != std::errc()) {
        return 0;
    }
    return negative ? -value : value;
}

} // namespace platform::db::sql
