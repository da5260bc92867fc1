#pragma once

// Texts a user may type or paste that break naive quoting, parsing or buffers: every entry point
// that takes user text is run against all of them.

#include <string>
#include <vector>

namespace test_support {

struct Hostile {
    const char* name;
    std::string text;
    /// Plain text that can match no designation, symbol or id: any row it finds came from a
    /// statement that does something else.
    bool matchesNothing;
};

inline std::vector<Hostile> hostileTexts() {
    return {
        {"single quote", "'", true},
        {"double quote", "\"", true},
        {"quoted injection", "x' OR 'a'='a", true},
        {"double-quoted injection", "x\" OR \"a\"=\"a", true},
        {"statement after a semicolon", "1; DELETE FROM Stahl", true},
        {"comment marks", "1 -- x /* y */", true},
        {"unbalanced brackets", "[[x]", true},
        {"open set", "[!", true},
        {"closing bracket", "]x]", true},
        {"wildcards in odd places", "?*#[a-]*", false},
        {"a star alone", "*", false},
        {"percent and underscore", "%_%", true},
        {"one megabyte", std::string(1 << 20, 'x'), true},
        {"NUL bytes", std::string("1\0' OR 1=1", 10), true},
        {"invalid UTF-8", "\xff\xfe\xc3(\x80", true},
        {"grouped number", "1.234,5", true},
        {"two separators", "1,2,3.4.5", true},
        {"huge number", "1E+999", true},
        {"blank", "   ", true},
        {"empty", "", true},
        {"line breaks", "a\r\nb", true},
        {"date literal", "#1/1/2000#", true},
    };
}

} // namespace test_support
