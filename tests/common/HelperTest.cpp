#include "common/Helper.h"

#include "platform/CallError.h"
#include "test_support/Errors.h"
#include "test_support/TestEnvironment.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

using orvik::common::Helper;
using platform::Variant;

namespace {

using test_support::errorNumber;

/// Texts are written with '#' for the decimal separator and '~' for the other mark (digit grouping
/// in this locale), so one table serves both locales.
class HelperInLocale : public ::testing::TestWithParam<std::string> {
protected:
    HelperInLocale() : locale(GetParam(), GetParam() == "," ? "de_DE.UTF-8" : "en_US.UTF-8") {}

    [[nodiscard]] std::string local(std::string text) const {
        const std::string other = GetParam() == "," ? "." : ",";
        for (std::size_t at; (at = text.find('#')) != std::string::npos;) {
            text.replace(at, 1, GetParam());
        }
        for (std::size_t at; (at = text.find('~')) != std::string::npos;) {
            text.replace(at, 1, other);
        }
        return text;
    }

    test_support::ScopedLocale locale;
};

} // namespace

TEST_P(HelperInLocale, GetDecimalStringIsTheUsersSeparator) {
    EXPECT_EQ(Helper::GetDecimalString(), GetParam());
}

TEST_P(HelperInLocale, Str2DblReadsTheUsersNotation) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"", 0},
        {"   ", 0},
        {"12#", 12},
        {"#5", 0.5},
        {"1#05", 1.05},
        {"-1#5", -1.5},
        {"-0#5", -0.5},
        {" 7 ", 7},
        {"-#5", -0.5},
        {"#", 0},
        {" # ", 0},
        {"1#123456789012", 1.123456789012},
        {"3000000000#25", 3000000000.25},
        {"2#5E2", 250},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Helper::Str2Dbl(local(c.text)), c.expected) << local(c.text);
    }
    for (const char* bad : {"abc", "1~5", "1~000#5", "12#5#1", "1 5", "-#", "-", "#-"}) {
        EXPECT_EQ(errorNumber([&] { (void)Helper::Str2Dbl(local(bad)); }), platform::err::TypeMismatch)
            << local(bad);
    }
}

TEST_P(HelperInLocale, FormatDoubleToStringShowsUpToFourDecimals) {
    struct Case {
        Variant value;
        std::int32_t lBack;
        const char* expected;
    };
    const Case cases[] = {
        {Variant::null(), 2, "0#00"},    {Variant(12), 0, "12#0"},        {Variant(12.0), 1, "12#0"},
        {Variant(1.23456), 2, "1#2346"}, {Variant(1.23456), 0, "1#2346"}, {Variant(-0.5), 2, "-0#50"},
        {Variant(1.5), 6, "1#500000"},   {Variant(0.00004), 2, "0#00"},   {Variant(true), 1, "-1#0"},
        {Variant(), 0, "0#0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Helper::FormatDoubleToString(c.value, c.lBack), local(c.expected)) << local(c.expected);
    }
    EXPECT_EQ(Helper::FormatDoubleToString(Variant(local("2#5")), 2), local("2#50"));
    EXPECT_EQ(errorNumber([&] { (void)Helper::FormatDoubleToString(Variant(local("2~5")), 2); }),
              platform::err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { (void)Helper::FormatDoubleToString(Variant(1e15), 2); }),
              platform::err::Overflow);
}

TEST_P(HelperInLocale, CVarStrAndCStrVar) {
    EXPECT_EQ(Helper::CVarStr(Variant::null()), "");
    EXPECT_EQ(Helper::CVarStr(Variant()), "");
    EXPECT_EQ(Helper::CVarStr(Variant(42)), "42");
    EXPECT_EQ(Helper::CVarStr(Variant(1.5)), local("1#5"));
    EXPECT_EQ(Helper::CVarStr(Variant("  X5CrNi18-10  ")), "X5CrNi18-10");
    EXPECT_TRUE(Helper::CStrVar("   ").isNull());
    EXPECT_TRUE(Helper::CStrVar("").isNull());
    EXPECT_EQ(Helper::CStrVar(" 1.4301 "), Variant("1.4301"));
}

INSTANTIATE_TEST_SUITE_P(CommaAndPoint, HelperInLocale, ::testing::Values(",", "."),
                         [](const auto& testParam) { return testParam.param == "," ? "Comma" : "Point"; });

TEST(Helper, CreateExceptionObjectTakesNumberModuleMessageProcedure) {
    const auto e = Helper::CreateExceptionObject(5, "MaterialManager", "Something failed", "GetForSteel");
    EXPECT_EQ(e->Number(), 5);
    EXPECT_EQ(e->Modul(), "MaterialManager");
    EXPECT_EQ(e->Procedure(), "GetForSteel");
    EXPECT_EQ(e->Description(), "Something failed");
}

TEST(Helper, BackslashAddsThePlatformSeparatorOnce) {
    EXPECT_EQ(Helper::Backslash(""), "");
    EXPECT_EQ(Helper::Backslash("/srv/data"), "/srv/data/");
    EXPECT_EQ(Helper::Backslash("/srv/data/"), "/srv/data/");
}

TEST(Helper, FileExistIsTrueOnlyForFiles) {
    const test_support::ScopedHome folder;
    std::ofstream(folder.path() / "a.txt") << "x";
    EXPECT_TRUE(Helper::FileExist((folder.path() / "a.txt").string()));
    EXPECT_FALSE(Helper::FileExist(folder.path().string()));
    EXPECT_FALSE(Helper::FileExist((folder.path() / "b.txt").string()));
    EXPECT_FALSE(Helper::FileExist(""));
}

TEST(Helper, GetDateAsLongOrdersAsTheCalendar) {
    const auto today = Helper::GetDateAsLong();
    EXPECT_GE(today, 20260101);
    EXPECT_GE(today % 100, 1);
    EXPECT_LE(today % 100, 31);
    EXPECT_GE(today / 100 % 100, 1);
    EXPECT_LE(today / 100 % 100, 12);
}
