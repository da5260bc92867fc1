#include "JetLikeMatcher.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>
#include <vector>

namespace platform::db::sql {
namespace {

std::vector<UChar32> codePoints(std::string_view s) {
    std::vector<UChar32> out;
    out.reserve(s.size());
    const auto* bytes = reinterpret_cast<const uint8_t*>(s.data());
    const auto length = static_cast<int32_t>(s.size());
    int32_t i = 0;
    while (i < length) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        out.push_back(c < 0 ? 0xFFFD : c);
    }
    return out;
}

UChar32 fold(UChar32 c) {
    if (c < 0x80) { // the common case without a call into ICU
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    }
    return u_foldCase(c, U_FOLD_CASE_DEFAULT);
}

struct SetItem {
    UChar32 low;
    UChar32 high; // == low for a single character
};

struct Element {
    enum class Kind { Literal, AnyOne, Digit, Star, Set } kind = Kind::Literal;
    UChar32 c = 0;
    bool negated = false;
    std::vector<SetItem> items;
};

int compareByCollator(const UCollator* collator, UChar32 a, UChar32 b) {
    UChar ua[2];
    UChar ub[2];
    int32_t la = 0;
    int32_t lb = 0;
    UBool error = false;
    U16_APPEND(ua, la, 2, a, error);
    U16_APPEND(ub, lb, 2, b, error);
    if (collator == nullptr || error) {
        return fold(a) < fold(b) ? -1 : (fold(a) > fold(b) ? 1 : 0);
    }
    const UCollationResult r = ucol_strcoll(collator, ua, la, ub, lb);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

bool compilePattern(const std::vector<UChar32>& p, std::vector<Element>& out) {
    for (std::size_t i = 0; i < p.size(); ++i) {
        Element e;
        const UChar32 c = p[i];
        if (c == '*') {
            if (!out.empty() && out.back().kind == Element::Kind::Star) {
                continue;
            }
            e.kind = Element::Kind::Star;
        } else if (c == '?') {
            e.kind = Element::Kind::AnyOne;
        } else if (c == '#') {
            e.kind = Element::Kind::Digit;
        } else if (c == '[') {
            std::size_t j = i + 1;
            e.kind = Element::Kind::Set;
            if (j < p.size() && p[j] == '!') {
                e.negated = true;
                ++j;
            }
            while (j < p.size() && p[j] != ']') {
                SetItem item{p[j], p[j]};
                if (j + 2 < p.size() && p[j + 1] == '-' && p[j + 2] != ']') {
                    item.high = p[j + 2];
                    j += 2;
                }
                e.items.push_back(item);
                ++j;
            }
            if (j >= p.size()) {
                return false; // no closing bracket
            }
            i = j;
            if (e.items.empty() && !e.negated) {
                continue; // [] matches the empty text between two characters
            }
        } else {
            e.c = fold(c);
        }
        out.push_back(std::move(e));
    }
    return true;
}

bool matchesOne(const Element& e, UChar32 c, const UCollator* collator) {
    switch (e.kind) {
    case Element::Kind::Literal:
        return fold(c) == e.c;
    case Element::Kind::AnyOne:
        return true;
    case Element::Kind::Digit:
        return c >= '0' && c <= '9';
    case Element::Kind::Set: {
        bool in = false;
        for (const SetItem& item : e.items) {
            if (item.low == item.high ? fold(c) == fold(item.low)
                                      : compareByCollator(collator, item.low, c) <= 0 &&
                                            compareByCollator(collator, c, item.high) <= 0) {
                in = true;
                break;
            }
        }
        return in != e.negated;
    }
    case Element::Kind::Star:
        return false;
    }
    return false;
}

// Case folding maps letters only, and never a character onto an ASCII digit, sign or punctuation
// mark: such a literal matches its own byte and nothing else, in valid and broken UTF-8 alike.
bool matchesOnlyItself(const Element& e) {
    return e.kind == Element::Kind::Literal && e.c < 0x80 && !(e.c >= 'a' && e.c <= 'z');
}

// The runs of such literals between the other elements: every matching text holds each of them as
// it stands, so a text without one is rejected by a byte search before the matcher decodes it.
std::vector<std::string> exactRuns(const std::vector<Element>& elements) {
    std::vector<std::string> runs;
    std::string run;
    for (const Element& e : elements) {
        if (matchesOnlyItself(e)) {
            run += static_cast<char>(e.c);
            continue;
        }
        if (!run.empty()) {
            runs.push_back(std::move(run));
            run.clear();
        }
    }
    if (!run.empty()) {
        runs.push_back(std::move(run));
    }
    return runs;
}

} // namespace

struct JetLikePattern::Elements {
    std::vector<Element> list;
    std::vector<std::string> exactRuns;
};

JetLikePattern::JetLikePattern(std::unique_ptr<Elements> elements) : m_elements(std::move(elements)) {}
JetLikePattern::~JetLikePattern() = default;

std::unique_ptr<JetLikePattern> JetLikePattern::compile(std::string_view pattern) {
    auto elements = std::make_unique<Elements>();
    if (!compilePattern(codePoints(pattern), elements->list)) {
        return nullptr;
    }
    elements->exactRuns = exactRuns(elements->list);
    return std::unique_ptr<JetLikePattern>(new JetLikePattern(std::move(elements)));
}

bool JetLikePattern::matches(std::string_view text, const UCollator* collator) const {
    for (const std::string& run : m_elements->exactRuns) {
        if (text.find(run) == std::string_view::npos) {
            return false;
        }
    }
    const std::vector<Element>& elements = m_elements->list;
    // The text is decoded as it is read, positions are byte offsets: nothing is allocated per row.
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    // Greedy matching that returns to the last star on a mismatch: linear in practice, never exponential.
    int32_t si = 0;
    std::size_t pi = 0;
    std::size_t starElement = SIZE_MAX;
    int32_t starText = 0;
    while (si < length) {
        if (pi < elements.size() && elements[pi].kind == Element::Kind::Star) {
            starElement = pi++;
            starText = si;
            continue;
        }
        int32_t next = si;
        UChar32 c = 0;
        U8_NEXT(bytes, next, length, c);
        if (pi < elements.size() && matchesOne(elements[pi], c < 0 ? 0xFFFD : c, collator)) {
            ++pi;
            si = next;
        } else if (starElement != SIZE_MAX) {
            pi = starElement + 1;
            UChar32 skipped = 0;
            U8_NEXT(bytes, starText, length, skipped); // one character further than the last try
            si = starText;
        } else {
            return false;
        }
    }
    while (pi < elements.size() && elements[pi].kind == Element::Kind::Star) {
        ++pi;
    }
    return pi == elements.size();
}

std::size_t JetLikePattern::literalCount() const {
    return static_cast<std::size_t>(
        std::count_if(m_elements->list.begin(), m_elements->list.end(),
                      [](const Element& e) { return e.kind == Element::Kind::Literal; }));
}

LikeResult matchJetLike(std::string_view text, std::string_view pattern, const UCollator* collator) {
    const std::unique_ptr<JetLikePattern> compiled = JetLikePattern::compile(pattern);
    if (!compiled) {
        return LikeResult::BadPattern;
    }
    return compiled->matches(text, collator) ? LikeResult::Match : LikeResult::NoMatch;
}

} // namespace platform::db::sql
