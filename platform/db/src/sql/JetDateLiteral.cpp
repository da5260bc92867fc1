#include "JetDateLiteral.h"

#include "platform/TextCase.h"

#include <array>
#include <cstdio>
#include <vector>

namespace platform::db::sql {
namespace {

/// Splits on `separator` into runs of digits; nothing when any part is not a number.
std::optional<std::vector<std::string_view>> numberParts(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = s.find(separator, start);
        const std::string_view part = s.substr(start, end == std::string_view::npos ? s.npos : end - start);
        if (part.empty() || part.size() > 4 ||
            part.find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        parts.push_back(part);
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

int toInt(std::string_view digits) {
    int v = 0;
    for (const char c : digits) {
        v = v * 10 + (c - '0');
    }
    return v;
}

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[static_cast<std::size_t>(m - 1)];
}

struct Ymd {
    int y = 1899, m = 12, d = 30;
};

std::optional<Ymd> parseDate(std::string_view s) {
    const char sep = s.find('-') != std::string_view::npos ? '-' : '/';
    const auto parts = numberParts(s, sep);
    if (!parts || parts->size() != 3) {
        return std::nullopt;
    }
    Ymd r;
    if ((*parts)[0].size() == 4) {
        r = {toInt((*parts)[0]), toInt((*parts)[1]), toInt((*parts)[2])};
    } else if (sep == '/') {
        r = {toInt((*parts)[2]), toInt((*parts)[0]), toInt((*parts)[1])};
        if ((*parts)[2].size() <= 2) { // two-digit years: 00-29 this century, 30-99 the last
            r.y += r.y < 30 ? 2000 : 1900;
        }
    } else {
        return std::nullopt;
    }
    if (r.y < 100 || r.y > 9999 || r.m < 1 || r.m > 12 || r.d < 1 || r.d > daysInMonth(r.y, r.m)) {
        return std::nullopt;
    }
    return r;
}

struct Hms {
    int h = 0, m = 0, s = 0;
};

std::optional<Hms> parseTime(std::string_view s) {
    s = platform::trimBlanks(s);
    int offset = -1; // -1: 24-hour clock; 0: AM; 12: PM
    if (s.size() > 2) {
        const std::string_view tail = s.substr(s.size() - 2);
        if (tail == "AM" || tail == "am" || tail == "PM" || tail == "pm") {
            offset = (tail[0] == 'P' || tail[0] == 'p') ? 12 : 0;
            s = platform::trimBlanks(s.substr(0, s.size() - 2));
        }
    }
    const auto parts = numberParts(s, ':');
    if (!parts || parts->size() < 2 || parts->size() > 3) {
        return std::nullopt;
    }
    Hms r{toInt((*parts)[0]), toInt((*parts)[1]), parts->size() == 3 ? toInt((*parts)[2]) : 0};
    if (offset >= 0) {
        if (r.h < 1 || r.h > 12) {
            return std::nullopt;
        }
        r.h = r.h % 12 + offset;
    }
    if (r.h > 23 || r.m > 59 || r.s > 59) {
        return std::nullopt;
    }
    return r;
}

} // namespace

std::optional<std::string> isoFromJetDate(std::string_view text) {
    text = platform::trimBlanks(text);
    if (text.empty()) {
        return std::nullopt;
    }
    std::string_view datePart = text;
    std::string_view timePart;
    if (const std::size_t blank = text.find(' '); blank != std::string_view::npos) {
        datePart = text.substr(0, blank);
        timePart = text.substr(blank + 1);
    } else if (text.find(':') != std::string_view::npos) {
        datePart = {};
        timePart = text;
    }
    Ymd date;
    if (!datePart.empty()) {
        const auto d = parseDate(datePart);
        if (!d) {
            return std::nullopt;
        }
        date = *d;
    }
    std::array<char, 96> buffer{};
    if (timePart.empty()) {
        std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", date.y, date.m, date.d);
        return std::string(buffer.data());
    }
    const auto t = parseTime(timePart);
    if (!t) {
        return std::nullopt;
    }
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d %02d:%02d:%02d", date.y, date.m, date.d, t->h,
                  t->m, t->s);
    return std::string(buffer.data());
}

} // namespace platform::db::sql
