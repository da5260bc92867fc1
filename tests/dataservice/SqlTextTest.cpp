// How values become statement text, and the version text of the library.

#include "SqlText.h"

#include "common/VersionText.h"
#include "dataservice/InfoManager.h"
#include "platform/CallError.h"

#include <gtest/gtest.h>

namespace {

using namespace orvik::dataservice;
namespace VersionText = orvik::common::VersionText;

TEST(SqlTextTest, NumbersCarryADecimalPointAndFifteenSignificantDigits) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {12.0, "12"},
        {10.8, "10.8"},
        {0.1 * 1.03, "0.103"},
        {0.5 + 0.1 * 0.5, "0.55"},
        {-0.5, "-0.5"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.0, "0"},
        {16.2, "16.2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SqlText::decimal(c.value), c.text) << c.value;
    }
}

TEST(SqlTextTest, IdTextsMustBeWholeNumbers) {
    EXPECT_EQ(SqlText::id("42"), "42");
    EXPECT_EQ(SqlText::id(" -7 "), "-7");
    EXPECT_EQ(SqlText::id("+007"), "7");
    for (const char* bad : {"", " ", "4 2", "42a", "0x10", "1e3", "99999999999999999999", "- 1", "1--"}) {
        EXPECT_THROW((void)SqlText::id(bad), platform::CallError) << bad;
    }
}

TEST(SqlTextTest, TextLiteralsAreQuoted) {
    EXPECT_EQ(SqlText::text("O'K"), "'O''K'");
}

TEST(VersionTextTest, MajorMinorAndRevisionArePadded) {
    EXPECT_EQ(VersionText::format(5, 1, 3), "5.01.0003");
    EXPECT_EQ(VersionText::format(0, 1, 3), ".01.0003");
    EXPECT_EQ(VersionText::format(12, 10, 1234), "12.10.1234");
}

TEST(VersionTextTest, TheLibraryReportsTheVersionItWasBuiltWith) {
    EXPECT_EQ(InfoManager().Version(),
              VersionText::format(GK_TEST_VERSION_MAJOR, GK_TEST_VERSION_MINOR, GK_TEST_VERSION_REVISION));
}

} // namespace
