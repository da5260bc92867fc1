#include "platform/VbConvert.h"

#include "platform/CallError.h"
#include "test_support/Errors.h"
#include "test_support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <limits>

using platform::UserLocale;
using platform::Variant;

namespace {

const UserLocale Point(".", "en");
const UserLocale Comma(",", "de");

using test_support::errorNumber;

} // namespace

TEST(VbConvert, CIntAndCLngRoundHalfToEven) {
    struct Case {
        double value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},      {-0.5, 0},        {-1.5, -2},
        {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::CLng(Variant(c.value)), c.expected) << c.value;
        EXPECT_EQ(platform::CInt(Variant(c.value)), c.expected) << c.value;
    }
    EXPECT_EQ(platform::CLng(Variant(2147483647.49)), 2147483647);
    EXPECT_EQ(platform::CInt(Variant()), 0);
    EXPECT_EQ(platform::CInt(Variant(true)), -1);
    EXPECT_EQ(platform::CInt(Variant("2,5"), Comma), 2);
    EXPECT_EQ(platform::CLng(Variant(" 3.5 "), Point), 4);
}

TEST(VbConvert, CIntAndCLngFailOnOverflowNullAndNonNumbers) {
    using platform::err::InvalidUseOfNull;
    using platform::err::Overflow;
    using platform::err::TypeMismatch;
    EXPECT_EQ(errorNumber([] { (void)platform::CInt(Variant(32767.5)); }), Overflow);
    EXPECT_EQ(errorNumber([] { (void)platform::CInt(Variant(-32768.51)); }), Overflow);
    EXPECT_EQ(errorNumber([] { (void)platform::CInt(Variant(99999)); }), Overflow);
    EXPECT_EQ(errorNumber([] { (void)platform::CLng(Variant(2147483647.5)); }), Overflow);
    EXPECT_EQ(errorNumber([] { (void)platform::CLng(Variant(std::int64_t{1} << 31)); }), Overflow);
    EXPECT_EQ(errorNumber([] { (void)platform::CLng(Variant(std::numeric_limits<double>::quiet_NaN())); }),
              Overflow);
    EXPECT_EQ(errorNumber([] { (void)platform::CInt(Variant::null()); }), InvalidUseOfNull);
    EXPECT_EQ(errorNumber([] { (void)platform::CInt(Variant("abc"), Point); }), TypeMismatch);
    EXPECT_EQ(errorNumber([] { (void)platform::CInt(Variant(""), Point); }), TypeMismatch);
}

TEST(VbConvert, ValReadsTheLeadingNumberWithAPoint) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 0},
        {"12abc", 12},
        {"  1 2 3", 123},
        {"1.5", 1.5},
        {"1,5", 1},
        {"-1.5x", -1.5},
        {".5", 0.5},
        {"-.5", -0.5},
        {"1e3", 1000},
        {"1.5D2", 150},
        {"1e", 1},
        {"+7", 7},
        {"&HFF", 255},
        {"&HFFFF", -1},
        {"&H10000", 65536},
        {"&O17", 15},
        {"3.", 3},
        {"\t4\n2", 42},
        {"1.0", 1},
        // Where the database layer's own reading once differed: a carriage return ends the number, D
        // marks an exponent as E does, and "inf" / "nan" are no numbers.
        {"1\r2", 1},
        {"1D2", 100},
        {"1d-1", 0.1},
        {"1 E 2", 100},
        {"inf", 0},
        {"nan", 0},
        {"-inf", 0},
        {"1e+", 1},
        {"1.5.5", 1.5},
        {"--1", 0},
        {"1-2", 1},
        {"&H", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(platform::Val(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(errorNumber([] { (void)platform::Val("1e400"); }), platform::err::Overflow);
    EXPECT_DOUBLE_EQ(platform::Val("1e-400"), 0.0);
}

TEST(VbConvert, ExponentsOfAnyLengthOverflowOrVanishAsTheirSignSays) {
    // Found by fuzzing: an exponent at the limit of a long overflowed the computation of the magnitude.
    const std::string longExponent = "33E+" + std::string(100, '0') + "9223372036854775807";
    EXPECT_EQ(errorNumber([&] { (void)platform::Val(longExponent); }), platform::err::Overflow);
    EXPECT_EQ(errorNumber([] { (void)platform::Val("1e99999999999999999999999"); }), platform::err::Overflow);
    EXPECT_DOUBLE_EQ(platform::Val("1e-99999999999999999999999"), 0.0);
    EXPECT_DOUBLE_EQ(platform::Val("0.000e-9223372036854775808"), 0.0);
    EXPECT_EQ(errorNumber([] { (void)platform::CDbl(Variant("5e99999999999999999999"), Point); }),
              platform::err::Overflow);
}

TEST(VbConvert, CDblReadsTheUsersSeparatorAndRejectsGrouping) {
    struct Case {
        const char* text;
        const UserLocale* locale;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"1,5", &Comma, 1.5},
        {"1.5", &Comma, std::nullopt},
        {"1.5", &Point, 1.5},
        {"1,5", &Point, std::nullopt},
        {"1.000,5", &Comma, std::nullopt},
        {"1,000.5", &Point, std::nullopt},
        {" -0,25 ", &Comma, -0.25},
        {"12,", &Comma, 12.0},
        {",5", &Comma, 0.5},
        {"1,5E3", &Comma, 1500.0},
        {"0,123456789012", &Comma, 0.123456789012},
        {"", &Point, std::nullopt},
        {"-", &Point, std::nullopt},
        {",", &Comma, std::nullopt},
        {"1 5", &Point, std::nullopt},
        {"1e", &Point, std::nullopt},
        {"+3", &Point, 3.0},
        {"12345678901234567", &Point, 12345678901234567.0},
        {"1D2", &Point, 100.0},
        {"1d-1", &Point, 0.1},
        {"inf", &Point, std::nullopt},
        {"-Infinity", &Point, std::nullopt},
        {"nan", &Point, std::nullopt},
        {"1\r", &Point, std::nullopt},
        {"\t7\t", &Point, 7.0},
        {"0x10", &Point, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto parsed = platform::parseNumber(c.text, c.locale->decimalSeparator());
        ASSERT_EQ(parsed.has_value(), c.expected.has_value())
            << c.text << " sep " << c.locale->decimalSeparator();
        if (c.expected) {
            EXPECT_DOUBLE_EQ(*parsed, *c.expected) << c.text;
            EXPECT_DOUBLE_EQ(platform::CDbl(Variant(c.text), *c.locale), *c.expected) << c.text;
        } else {
            EXPECT_EQ(errorNumber([&] { (void)platform::CDbl(Variant(c.text), *c.locale); }),
                      platform::err::TypeMismatch)
                << c.text;
        }
    }
    EXPECT_DOUBLE_EQ(platform::CDbl(Variant(true)), -1.0);
    EXPECT_DOUBLE_EQ(platform::CDbl(Variant(platform::Date{1900, 1, 1, 12, 0, 0})), 2.5);
    EXPECT_EQ(errorNumber([] { (void)platform::CDbl(Variant("1e999"), Point); }), platform::err::Overflow);
}

TEST(VbConvert, CDblWithoutALocaleFollowsTheEnvironment) {
    const test_support::ScopedLocale comma(",", "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(platform::CDbl(Variant("2,75")), 2.75);
    const test_support::ScopedLocale point(".", "en_GB.UTF-8");
    EXPECT_DOUBLE_EQ(platform::CDbl(Variant("2.75")), 2.75);
    EXPECT_EQ(errorNumber([] { (void)platform::CDbl(Variant("2,75")); }), platform::err::TypeMismatch);
}

TEST(VbConvert, CStrOfADoubleShowsFifteenDigitsAndTheSeparator) {
    struct Case {
        double value;
        const char* point;
        const char* comma;
    };
    const Case cases[] = {
        {1.5, "1.5", "1,5"},
        {0.1 + 0.2, "0.3", "0,3"},
        {-0.0, "0", "0"},
        {12.0, "12", "12"},
        {1.0 / 3.0, "0.333333333333333", "0,333333333333333"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {1e15, "1E+15", "1E+15"},
        {1.5e20, "1.5E+20", "1,5E+20"},
        {0.0001, "0.0001", "0,0001"},
        {0.00001, "1E-05", "1E-05"},
        {-2.25e-7, "-2.25E-07", "-2,25E-07"},
        {std::numeric_limits<double>::infinity(), "Inf", "Inf"},
        {-std::numeric_limits<double>::infinity(), "-Inf", "-Inf"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN", "NaN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::CStr(Variant(c.value), Point), c.point);
        EXPECT_EQ(platform::CStr(Variant(c.value), Comma), c.comma);
    }
}

TEST(VbConvert, CStrOfOtherKinds) {
    EXPECT_EQ(platform::CStr(Variant()), "");
    EXPECT_EQ(platform::CStr(Variant(-42)), "-42");
    EXPECT_EQ(platform::CStr(Variant(" x ")), " x ");
    EXPECT_EQ(platform::CStr(Variant(true)), "True");
    EXPECT_EQ(platform::CStr(Variant(platform::Date{2007, 3, 1})), "2007-03-01");
    EXPECT_EQ(platform::CStr(Variant(platform::Date{2007, 3, 1, 8, 5, 9})), "2007-03-01 08:05:09");
    EXPECT_EQ(errorNumber([] { (void)platform::CStr(Variant::null()); }), platform::err::InvalidUseOfNull);
}

TEST(VbConvert, CCurRoundsHalfToEvenAtFourDecimals) {
    struct Case {
        double value;
        std::int64_t tenThousandths;
        const char* comma;
    };
    const Case cases[] = {
        {1.23456, 12346, "1,2346"}, {1.23455, 12346, "1,2346"},
        {1.23465, 12346, "1,2346"}, {12.0, 120000, "12"},
        {-0.5, -5000, "-0,5"},      {0.00004, 0, "0"},
        {0.00005, 0, "0"},          {0.00015, 2, "0,0002"},
        {-1.00005, -10000, "-1"},   {922337203685477.0, 9223372036854770000, "922337203685477"},
    };
    for (const auto& c : cases) {
        const auto currency = platform::CCur(Variant(c.value), Point);
        EXPECT_EQ(currency.tenThousandths, c.tenThousandths) << c.value;
        EXPECT_EQ(platform::CStr(currency, ","), c.comma) << c.value;
    }
    EXPECT_EQ(platform::CCur(Variant(7)).tenThousandths, 70000);
    EXPECT_EQ(errorNumber([] { (void)platform::CCur(Variant(1e15)); }), platform::err::Overflow);
    EXPECT_EQ(errorNumber([] { (void)platform::CCur(Variant(-1e15)); }), platform::err::Overflow);
}
