// A pattern's literal digits and marks are searched in the text as bytes before the matcher runs.
// The search must never reject a text that the matcher would accept: each pattern is compared with
// the same pattern whose such characters stand in one-character sets, which the search leaves alone.

#include "SqliteTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string sqlText(const std::string& s) {
    std::string out = "'";
    for (const char c : s) {
        out += c == '\'' ? std::string("''") : std::string(1, c);
    }
    return out + "'";
}

bool isByteSearched(char c) {
    const auto u = static_cast<unsigned char>(c);
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return u < 0x80 && !letter && std::string_view("*?#[]!").find(c) == std::string_view::npos;
}

// The pattern with every literal digit and mark outside a set written as a set of itself: it
// matches the same texts, through the matcher alone.
std::string withoutByteSearch(const std::string& pattern) {
    std::string out;
    bool inSet = false;
    for (const char c : pattern) {
        if (inSet || !isByteSearched(c)) {
            inSet = (inSet && c != ']') || (!inSet && c == '[');
            out += c;
            continue;
        }
        out += std::string("[") + c + "]";
    }
    return out;
}

struct Expected {
    const char* text;
    const char* pattern;
    bool matches;
};

} // namespace

TEST(JetLikeLiterals, RejectNoTextTheMatcherAccepts) {
    sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
    // Case, accents, ß and the characters that fold onto ASCII letters (Kelvin sign, long s),
    // full-width digits and dashes that are not '-', broken UTF-8 before the digits, numbers.
    const std::vector<std::string> texts = {
        "X5CrNi18-10", "x6cr12-3",    "X6CR12-3", "GX12Cr12-1", "cr12–3",
        "Straße 12-1", "STRASSE12-1", "ß12-",     "１２-",      "\u212A12-",
        "\u017F12-",   "é12-",        "É12-",     "1.4301",     "1,4301",
        "a*b",         "a?c",         "[x]",      "12-",        "",
        "x12",         "#1",          "a]b",      "12-12-1",    " 12-"};
    const std::vector<std::string> patterns = {
        "*cr12-*",    "*CR12-*",   "*12-*",  "*k12-*", "*s12-*", "*ß12-*", "*é12-*", "*1.4301", "1?4301",
        "*1[.,]4301", "*a[*]b*",   "*[?]c",  "[[]x]",  "#12-*",  "*12?*",  "*2-1*",  "*-*",     "12-",
        "*x*12*",     "*[!a]12-*", "*?12-*", "*1#-*",  "*12-1",  "* 12-*", "*]*",    "#2-12-#", "*[#]1"};
    std::string sql = "WITH t(s) AS (VALUES (CAST(X'FF31322D' AS TEXT)), (12), (1.4301)";
    for (const std::string& text : texts) {
        sql += ", (" + sqlText(text) + ")";
    }
    sql += "), p(pattern, plain) AS (VALUES ";
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        sql += (i == 0 ? "(" : ", (") + sqlText(patterns[i]) + ", " +
               sqlText(withoutByteSearch(patterns[i])) + ")";
    }
    sql += ") SELECT pattern || ' / ' || plain || ' on ' || s FROM p, t "
           "WHERE jet_like(s, pattern) IS NOT jet_like(s, plain)";
    const sqlitetest::RunResult differing = sqlitetest::run(db, sql);
    EXPECT_EQ(differing.errorText, "");
    EXPECT_EQ(differing.rows, std::vector<std::string>{});

    // And by hand, that the comparison above has matches to lose.
    const Expected expected[] = {
        {"X6CR12-3", "*cr12-*", true},  {"GX12Cr12-1", "*CR12-*", true}, {"\u212A12-", "*k12-*", true},
        {"\u017F12-", "*s12-*", true},  {"ß12-", "*ß12-*", true},        {"É12-", "*é12-*", true},
        {"1,4301", "*1[.,]4301", true}, {"12-12-1", "#2-12-#", true},    {"１２-", "*12-*", false},
        {"cr12–3", "*cr12-*", false},   {"1.4301", "*1,4301", false},
    };
    for (const Expected& e : expected) {
        const sqlitetest::RunResult r =
            sqlitetest::run(db, "SELECT jet_like(" + sqlText(e.text) + ", " + sqlText(e.pattern) + ")");
        EXPECT_EQ(r.rows, std::vector<std::string>{e.matches ? "1" : "0"}) << e.text << " Like " << e.pattern;
    }
}
