#include "JetFunctions.h"

#include "JetLikeMatcher.h"
#include "SqliteExtensions.h"
#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/VbConvert.h"
#include "platform/db/JetErrors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>
#include <vector>

namespace platform::db::sql {
namespace {

// ---- reading arguments ----------------------------------------------------------------------

bool isNull(sqlite3_value* v) {
    return sqlite3_value_type(v) == SQLITE_NULL;
}

std::string_view rawText(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p == nullptr ? std::string_view{}
                        : std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v)));
}

/// A value as Jet turns it into text: numbers as CStr writes them.
std::string textOf(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        return std::to_string(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
        return platform::CStr(sqlite3_value_double(v), ".");
    case SQLITE_NULL:
        return {};
    default:
        return std::string(rawText(v));
    }
}

/// A value as a number; nothing for text that is not a number.
std::optional<double> numberOf(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        return static_cast<double>(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
        return sqlite3_value_double(v);
    case SQLITE_TEXT:
        // A decimal point whatever the locale; beyond a Double it throws Overflow (see guarded).
        return platform::parseNumber(rawText(v), ".");
    default:
        return std::nullopt;
    }
}

bool isNumeric(sqlite3_value* v) {
    const int t = sqlite3_value_type(v);
    return t == SQLITE_INTEGER || t == SQLITE_FLOAT;
}

void resultText(sqlite3_context* ctx, const std::string& s) {
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

/// Fails the statement with error `number`: the number travels in the result code, the text in the
/// message (the code must follow the message, which resets it).
void fail(sqlite3_context* ctx, std::int32_t number, const std::string& text) {
    sqlite3_result_error(ctx, text.data(), static_cast<int>(text.size()));
    sqlite3_result_error_code(ctx, jetFunctionErrorCode(number));
}

void fail(sqlite3_context* ctx, std::int32_t number) {
    fail(ctx, number, jet::errorText(number));
}

/// A number rounded half to even as VB's CLng and the integer operators do; nothing when it does
/// not convert.
std::optional<std::int64_t> roundedInteger(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_INTEGER) {
        return sqlite3_value_int64(v);
    }
    const std::optional<double> d = numberOf(v);
    if (!d || !std::isfinite(*d) || std::fabs(*d) > 9.2e18) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(std::nearbyint(*d));
}

bool equalsNamed(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (u_tolower(static_cast<unsigned char>(a[i])) != u_tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// ---- code point helpers -------------------------------------------------------------------

std::size_t codePointCount(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

/// Byte offset of the code point at `index` (0-based); the text's size when past its end.
std::size_t byteOffset(std::string_view s, std::size_t index) {
    std::size_t cp = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (cp == index) {
                return i;
            }
            ++cp;
        }
    }
    return s.size();
}

std::u16string toUtf16(std::string_view s) {
    std::u16string out(s.size() + 1, u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()), &length,
                         s.data(), static_cast<int32_t>(s.size()), 0xFFFD, nullptr, &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return out;
}

std::string toUtf8(const std::u16string& s) {
    std::string out(s.size() * 3 + 1, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length,
                       reinterpret_cast<const UChar*>(s.data()), static_cast<int32_t>(s.size()), 0xFFFD,
                       nullptr, &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return out;
}

std::string changeCase(std::string_view s, bool upper) {
    const std::u16string in = toUtf16(s);
    std::u16string out(in.size() * 3 + 4, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const auto fn = upper ? &u_strToUpper : &u_strToLower;
    const int32_t length =
        fn(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
           reinterpret_cast<const UChar*>(in.data()), static_cast<int32_t>(in.size()), "", &status);
    if (U_FAILURE(status)) {
        return std::string(s);
    }
    out.resize(static_cast<std::size_t>(length));
    return toUtf8(out);
}

std::vector<UChar32> foldedCodePoints(std::string_view s, bool fold) {
    std::vector<UChar32> out;
    const auto* bytes = reinterpret_cast<const uint8_t*>(s.data());
    const auto length = static_cast<int32_t>(s.size());
    int32_t i = 0;
    while (i < length) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        out.push_back(fold ? u_foldCase(c, U_FOLD_CASE_DEFAULT) : c);
    }
    return out;
}

// ---- the functions ------------------------------------------------------------------------

void jetConcat(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    // A Null side counts as the empty text; only when every side is Null is the result Null.
    std::string out;
    bool allNull = true;
    for (int i = 0; i < argc; ++i) {
        allNull = allNull && isNull(argv[i]);
        out += textOf(argv[i]);
    }
    if (allNull) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, out);
}

/// One side of Jet's + while a chain of them is folded from the left.
struct AddValue {
    int type = SQLITE_NULL; // SQLITE_INTEGER, SQLITE_FLOAT or SQLITE_TEXT
    std::int64_t integer = 0;
    double real = 0;
    std::string text;

    [[nodiscard]] std::optional<double> number() const {
        switch (type) {
        case SQLITE_INTEGER:
            return static_cast<double>(integer);
        case SQLITE_FLOAT:
            return real;
        case SQLITE_TEXT:
            return platform::parseNumber(text, ".");
        default:
            return std::nullopt;
        }
    }
};

AddValue addValueOf(sqlite3_value* v) {
    AddValue value;
    value.type = sqlite3_value_type(v);
    if (value.type == SQLITE_INTEGER) {
        value.integer = sqlite3_value_int64(v);
    } else if (value.type == SQLITE_FLOAT) {
        value.real = sqlite3_value_double(v);
    } else if (value.type == SQLITE_TEXT) {
        value.text = rawText(v);
    }
    return value;
}

/// a + b as Jet adds: two texts concatenate, integers add exactly while they fit, else as doubles.
bool addInto(AddValue& a, const AddValue& b) {
    if (a.type == SQLITE_TEXT && b.type == SQLITE_TEXT) {
        a.text += b.text;
        return true;
    }
    // Into a temporary: an overflowing sum must leave the operand whole for the double below.
    std::int64_t exact = 0;
    if (a.type == SQLITE_INTEGER && b.type == SQLITE_INTEGER &&
        !__builtin_add_overflow(a.integer, b.integer, &exact)) {
        a.integer = exact;
        return true;
    }
    const std::optional<double> x = a.number();
    const std::optional<double> y = b.number();
    if (!x || !y) {
        return false;
    }
    a.type = SQLITE_FLOAT;
    a.real = *x + *y;
    a.text.clear();
    return true;
}

void jetAdd(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    // A chain a + b + c ... comes as one call, folded from the left; Null anywhere makes it Null.
    if (argc == 0) {
        sqlite3_result_null(ctx);
        return;
    }
    for (int i = 0; i < argc; ++i) {
        if (isNull(argv[i])) {
            sqlite3_result_null(ctx);
            return;
        }
    }
    AddValue sum = addValueOf(argv[0]);
    for (int i = 1; i < argc; ++i) {
        if (!addInto(sum, addValueOf(argv[i]))) {
            fail(ctx, jet::TypeMismatchInCriteria);
            return;
        }
    }
    if (sum.type == SQLITE_TEXT) {
        resultText(ctx, sum.text);
    } else if (sum.type == SQLITE_INTEGER) {
        sqlite3_result_int64(ctx, sum.integer);
    } else {
        sqlite3_result_double(ctx, sum.real);
    }
}

template <bool Modulo> void jetIntegerOp(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::optional<std::int64_t> a = roundedInteger(argv[0]);
    const std::optional<std::int64_t> b = roundedInteger(argv[1]);
    if (!a || !b) {
        fail(ctx, jet::TypeMismatchInCriteria);
        return;
    }
    if (*b == 0) {
        fail(ctx, err::DivisionByZero);
        return;
    }
    if (*b == -1) { // INT64_MIN / -1 and INT64_MIN % -1 overflow in C++; the quotient does in Jet too
        if (!Modulo && *a == std::numeric_limits<std::int64_t>::min()) {
            fail(ctx, err::Overflow);
            return;
        }
        sqlite3_result_int64(ctx, Modulo ? 0 : -*a);
        return;
    }
    sqlite3_result_int64(ctx, Modulo ? *a % *b : *a / *b);
}

void jetPow(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::optional<double> a = numberOf(argv[0]);
    const std::optional<double> b = numberOf(argv[1]);
    if (!a || !b) {
        fail(ctx, jet::TypeMismatchInCriteria);
        return;
    }
    sqlite3_result_double(ctx, std::pow(*a, *b));
}

void destroyPattern(void* p) {
    delete static_cast<JetLikePattern*>(p);
}

/// jet_like(value, pattern), and SQLite's like(pattern, value) behind `value LIKE pattern`. A constant
/// pattern is compiled once per statement and kept with it.
template <int ValueArg, int PatternArg> void jetLike(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_value* value = argv[ValueArg];
    sqlite3_value* pattern = argv[PatternArg];
    if (isNull(value) || isNull(pattern)) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* collator = static_cast<const UCollator*>(sqlite3_user_data(ctx));
    auto* compiled = static_cast<JetLikePattern*>(sqlite3_get_auxdata(ctx, PatternArg));
    if (compiled == nullptr) {
        std::unique_ptr<JetLikePattern> fresh = JetLikePattern::compile(textOf(pattern));
        if (!fresh) {
            fail(ctx, err::InvalidPatternString);
            return;
        }
        compiled = fresh.get();
        sqlite3_set_auxdata(ctx, PatternArg, fresh.release(), &destroyPattern); // frees it at once on failure
        if (sqlite3_get_auxdata(ctx, PatternArg) != compiled) {
            // Not kept (out of memory): SQLite has already destroyed it; compile for this row only.
            fresh = JetLikePattern::compile(textOf(pattern));
            sqlite3_result_int(ctx, fresh->matches(textOf(value), collator) ? 1 : 0);
            return;
        }
    }
    if (sqlite3_value_type(value) == SQLITE_TEXT) { // read in place: no copy per row
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        const std::string_view view(text != nullptr ? text : "",
                                    static_cast<std::size_t>(sqlite3_value_bytes(value)));
        sqlite3_result_int(ctx, compiled->matches(view, collator) ? 1 : 0);
        return;
    }
    sqlite3_result_int(ctx, compiled->matches(textOf(value), collator) ? 1 : 0);
}

/// A count argument of Mid/Left/Right; fails the call (and gives nothing) when it is Null or negative.
std::optional<std::int64_t> countArgument(sqlite3_context* ctx, sqlite3_value* v, std::int64_t minimum) {
    if (isNull(v)) {
        fail(ctx, err::InvalidUseOfNull);
        return std::nullopt;
    }
    const std::optional<std::int64_t> n = roundedInteger(v);
    if (!n) {
        fail(ctx, jet::TypeMismatchInCriteria);
        return std::nullopt;
    }
    if (*n < minimum) {
        fail(ctx, err::InvalidProcedureCall);
        return std::nullopt;
    }
    return n;
}

void jetMid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const auto start = countArgument(ctx, argv[1], 1);
    if (!start) {
        return;
    }
    std::optional<std::int64_t> length;
    if (argc == 3) {
        length = countArgument(ctx, argv[2], 0);
        if (!length) {
            return;
        }
    }
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string s = textOf(argv[0]);
    const std::size_t from = byteOffset(s, static_cast<std::size_t>(*start - 1));
    // Both counts are at most about 9.2E18, so their sum cannot overflow unsigned 64 bits.
    const std::size_t to =
        length ? byteOffset(s, static_cast<std::size_t>(*start - 1) + static_cast<std::size_t>(*length))
               : s.size();
    resultText(ctx, s.substr(from, to - from));
}

template <bool FromLeft> void jetSide(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto n = countArgument(ctx, argv[1], 0);
    if (!n) {
        return;
    }
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string s = textOf(argv[0]);
    const std::size_t total = codePointCount(s);
    const auto count = static_cast<std::size_t>(std::min<std::int64_t>(*n, static_cast<std::int64_t>(total)));
    if (FromLeft) {
        resultText(ctx, s.substr(0, byteOffset(s, count)));
    } else {
        resultText(ctx, s.substr(byteOffset(s, total - count)));
    }
}

void jetLen(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int64(ctx, static_cast<std::int64_t>(codePointCount(textOf(argv[0]))));
}

template <bool Upper> void jetCase(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, changeCase(textOf(argv[0]), Upper));
}

template <bool Leading, bool Trailing> void jetTrim(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string s = textOf(argv[0]);
    std::string_view kept = s;
    if (Leading) {
        kept = platform::trimLeadingBlanks(kept);
    }
    if (Trailing) {
        kept = platform::trimTrailingBlanks(kept);
    }
    resultText(ctx, std::string(kept));
}

void jetInStr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    // InStr(text, sought) or InStr(start, text, sought[, compare]); compare 0 is binary, the default
    // compares text without regard to case as a query does.
    int first = 0;
    std::int64_t start = 1;
    if (argc >= 3) {
        const auto s = countArgument(ctx, argv[0], 1);
        if (!s) {
            return;
        }
        start = *s;
        first = 1;
    }
    bool binary = false;
    if (argc == 4 && !isNull(argv[3])) {
        binary = roundedInteger(argv[3]).value_or(1) == 0;
    }
    if (isNull(argv[first]) || isNull(argv[first + 1])) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::vector<UChar32> text = foldedCodePoints(textOf(argv[first]), !binary);
    const std::vector<UChar32> sought = foldedCodePoints(textOf(argv[first + 1]), !binary);
    const auto from = static_cast<std::size_t>(start - 1);
    if (from > text.size()) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    if (sought.empty()) {
        sqlite3_result_int64(ctx, start);
        return;
    }
    for (std::size_t i = from; i + sought.size() <= text.size(); ++i) {
        if (std::equal(sought.begin(), sought.end(), text.begin() + static_cast<std::ptrdiff_t>(i))) {
            sqlite3_result_int64(ctx, static_cast<std::int64_t>(i + 1));
            return;
        }
    }
    sqlite3_result_int(ctx, 0);
}

void jetVal(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        fail(ctx, err::InvalidUseOfNull);
        return;
    }
    if (isNumeric(argv[0])) {
        sqlite3_result_double(ctx, sqlite3_value_double(argv[0]));
        return;
    }
    sqlite3_result_double(ctx, platform::Val(textOf(argv[0])));
}

void jetCStr(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        fail(ctx, err::InvalidUseOfNull);
        return;
    }
    resultText(ctx, textOf(argv[0]));
}

template <std::int64_t Low, std::int64_t High>
void jetCInteger(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        fail(ctx, err::InvalidUseOfNull);
        return;
    }
    const std::optional<double> d = numberOf(argv[0]);
    if (!d) {
        fail(ctx, jet::TypeMismatchInCriteria);
        return;
    }
    const double r = std::nearbyint(*d); // half to even, as CLng and CInt round
    if (!(r >= static_cast<double>(Low) && r <= static_cast<double>(High))) {
        fail(ctx, err::Overflow);
        return;
    }
    sqlite3_result_int64(ctx, static_cast<std::int64_t>(r));
}

void jetCDbl(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        fail(ctx, err::InvalidUseOfNull);
        return;
    }
    const std::optional<double> d = numberOf(argv[0]);
    if (!d) {
        fail(ctx, jet::TypeMismatchInCriteria);
        return;
    }
    sqlite3_result_double(ctx, *d);
}

template <bool Floor> void jetIntFix(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
        sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
        return;
    }
    const std::optional<double> d = numberOf(argv[0]);
    if (!d) {
        fail(ctx, jet::TypeMismatchInCriteria);
        return;
    }
    sqlite3_result_double(ctx, Floor ? std::floor(*d) : std::trunc(*d));
}

void jetRound(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::optional<double> d = numberOf(argv[0]);
    std::int64_t places = 0;
    if (argc == 2) {
        const auto p = countArgument(ctx, argv[1], 0);
        if (!p) {
            return;
        }
        places = std::min<std::int64_t>(*p, 15);
    }
    if (!d) {
        fail(ctx, jet::TypeMismatchInCriteria);
        return;
    }
    const double scale = std::pow(10.0, static_cast<double>(places));
    sqlite3_result_double(ctx, std::nearbyint(*d * scale) / scale); // VB's Round: half to even
}

void jetSgn(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::optional<double> d = numberOf(argv[0]);
    if (!d) {
        fail(ctx, jet::TypeMismatchInCriteria);
        return;
    }
    sqlite3_result_int(ctx, *d > 0 ? 1 : (*d < 0 ? -1 : 0));
}

/// Format with a numeric mask of `0` (digit, padded), `#` (digit if any), `.`, `,` (thousands) and `%`,
/// literal characters before and after; the named masks Fixed, Standard, Percent and General Number.
std::string formatNumber(double value, std::string mask) {
    if (equalsNamed(mask, "General Number")) {
        return platform::CStr(value, ".");
    }
    if (equalsNamed(mask, "Fixed")) {
        mask = "0.00";
    } else if (equalsNamed(mask, "Standard")) {
        mask = "#,##0.00";
    } else if (equalsNamed(mask, "Percent")) {
        mask = "0.00%";
    }
    if (const std::size_t section = mask.find(';'); section != std::string::npos) {
        mask.resize(section); // one section serves all signs
    }
    const std::size_t firstPlace = mask.find_first_of("0#");
    if (firstPlace == std::string::npos) {
        return mask;
    }
    const std::size_t lastPlace = mask.find_last_of("0#.,");
    const std::string prefix = mask.substr(0, firstPlace);
    const std::string body = mask.substr(firstPlace, lastPlace - firstPlace + 1);
    std::string suffix = mask.substr(lastPlace + 1);
    if (mask.find('%') != std::string::npos) {
        value *= 100;
    }
    const std::size_t point = body.find('.');
    const std::string integerMask = body.substr(0, point);
    const std::string fractionMask = point == std::string::npos ? std::string() : body.substr(point + 1);
    const bool grouping = integerMask.find(',') != std::string::npos;
    std::size_t minInteger = 0;
    for (const char c : integerMask) {
        minInteger += c == '0' ? 1 : 0;
    }
    std::size_t fractionPlaces = 0;
    std::size_t minFraction = 0;
    for (const char c : fractionMask) {
        if (c == '0' || c == '#') {
            ++fractionPlaces;
            minFraction = c == '0' ? fractionPlaces : minFraction;
        }
    }
    // Format rounds half away from zero, unlike CLng.
    const double scale = std::pow(10.0, static_cast<double>(fractionPlaces));
    const double rounded = std::round(std::fabs(value) * scale);
    if (!(rounded < 1e18)) {
        return platform::CStr(value, "."); // beyond what a digit mask can spell out exactly (or not a number)
    }
    const bool negative = value < 0 && rounded != 0;
    std::string digits = std::to_string(static_cast<unsigned long long>(rounded));
    if (digits.size() <= fractionPlaces) {
        digits.insert(0, fractionPlaces - digits.size() + 1, '0');
    }
    std::string integerPart = digits.substr(0, digits.size() - fractionPlaces);
    std::string fractionPart = digits.substr(digits.size() - fractionPlaces);
    while (fractionPart.size() > minFraction && fractionPart.back() == '0') {
        fractionPart.pop_back();
    }
    if (integerPart == "0" && minInteger == 0) {
        integerPart.clear();
    }
    if (integerPart.size() < minInteger) {
        integerPart.insert(0, minInteger - integerPart.size(), '0');
    }
    if (grouping) {
        for (auto i = static_cast<std::ptrdiff_t>(integerPart.size()) - 3; i > 0; i -= 3) {
            integerPart.insert(static_cast<std::size_t>(i), ",");
        }
    }
    std::string out = (negative ? "-" : "") + prefix + integerPart;
    if (point != std::string::npos && (!fractionPart.empty() || fractionMask.empty())) {
        out += "." + fractionPart;
    }
    return out + suffix;
}

void jetFormat(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string mask = argc == 2 && !isNull(argv[1]) ? textOf(argv[1]) : std::string();
    const std::optional<double> d = numberOf(argv[0]);
    if (mask.empty() || !d) {
        resultText(ctx, textOf(argv[0])); // no mask, or a text that is no number: as it stands
        return;
    }
    resultText(ctx, formatNumber(*d, mask));
}

// ---- registration -------------------------------------------------------------------------

using Function = void (*)(sqlite3_context*, int, sqlite3_value**);

struct Registration {
    const char* name;
    int args; // -1: any number
    Function function;
};

constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;

/// Runs the registration's function so that a failure thrown inside it, such as the overflow of a
/// number read from text, fails the statement instead of escaping into SQLite.
void guarded(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const auto* registration = static_cast<const Registration*>(sqlite3_user_data(ctx));
    try {
        registration->function(ctx, argc, argv);
    } catch (const CallError& e) {
        if (e.number() == platform::err::Overflow) {
            fail(ctx, err::Overflow);
        } else {
            sqlite3_result_error(ctx, e.description().c_str(), -1);
        }
    } catch (const std::bad_alloc&) {
        sqlite3_result_error_nomem(ctx);
    } catch (const std::exception& e) {
        sqlite3_result_error(ctx, e.what(), -1);
    }
}

void registerOne(sqlite3* db, const char* name, int args, Function f, void* data, void (*destroy)(void*)) {
    const int rc = sqlite3_create_function_v2(db, name, args, kFlags, data, f, nullptr, nullptr, destroy);
    if (rc != SQLITE_OK) {
        throw CallError(jet::ReservedError, "platform.db",
                        std::string("Cannot register function ") + name + ": " + sqlite3_errstr(rc));
    }
}

struct CollatorDeleter {
    void operator()(UCollator* c) const noexcept { ucol_close(c); }
};

void destroyCollator(void* p) {
    ucol_close(static_cast<UCollator*>(p));
}

std::unique_ptr<UCollator, CollatorDeleter> openCaseInsensitiveCollator() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCollator, CollatorDeleter> c(ucol_open("", &status));
    if (U_FAILURE(status)) {
        throw CallError(jet::ReservedError, "platform.db",
                        std::string("ICU collator unavailable: ") + u_errorName(status));
    }
    ucol_setStrength(c.get(), UCOL_SECONDARY);
    return c;
}

} // namespace

void registerJetFunctions(sqlite3* connection) {
    static constexpr Registration kPlain[] = {
        {"jet_concat", -1, &jetConcat},
        {"jet_add", -1, &jetAdd},
        {"jet_intdiv", 2, &jetIntegerOp<false>},
        {"jet_mod", 2, &jetIntegerOp<true>},
        {"jet_pow", 2, &jetPow},
        {"jet_mid", 2, &jetMid},
        {"jet_mid", 3, &jetMid},
        {"jet_left", 2, &jetSide<true>},
        {"jet_right", 2, &jetSide<false>},
        {"jet_len", 1, &jetLen},
        {"jet_ucase", 1, &jetCase<true>},
        {"jet_lcase", 1, &jetCase<false>},
        {"jet_trim", 1, &jetTrim<true, true>},
        {"jet_ltrim", 1, &jetTrim<true, false>},
        {"jet_rtrim", 1, &jetTrim<false, true>},
        {"jet_instr", 2, &jetInStr},
        {"jet_instr", 3, &jetInStr},
        {"jet_instr", 4, &jetInStr},
        {"jet_val", 1, &jetVal},
        {"jet_cstr", 1, &jetCStr},
        {"jet_clng", 1,
         &jetCInteger<std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()>},
        {"jet_cint", 1,
         &jetCInteger<std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()>},
        {"jet_cdbl", 1, &jetCDbl},
        {"jet_format", 1, &jetFormat},
        {"jet_format", 2, &jetFormat},
        {"jet_int", 1, &jetIntFix<true>},
        {"jet_fix", 1, &jetIntFix<false>},
        {"jet_round", 1, &jetRound},
        {"jet_round", 2, &jetRound},
        {"jet_sgn", 1, &jetSgn},
    };
    for (const Registration& r : kPlain) {
        // The table is static: its entries outlive every connection.
        registerOne(connection, r.name, r.args, &guarded, const_cast<Registration*>(&r), nullptr);
    }
    // Each like function owns its collator (for [a-z] ranges); the connection closes it. SQLite
    // calls the destructor itself when a registration fails, so it owns the collator at once.
    // Translated statements call jet_like; LIKE written natively on these connections has Jet's
    // wildcards too (only the three-argument form with ESCAPE stays SQLite's).
    registerOne(connection, "jet_like", 2, &jetLike<0, 1>, openCaseInsensitiveCollator().release(),
                &destroyCollator);
    registerOne(connection, "like", 2, &jetLike<1, 0>, openCaseInsensitiveCollator().release(),
                &destroyCollator);
}

} // namespace platform::db::sql
