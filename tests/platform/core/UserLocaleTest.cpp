#include "platform/UserLocale.h"

#include "test_support/TestEnvironment.h"

#include <gtest/gtest.h>

using platform::UserLocale;
using test_support::ScopedEnv;

TEST(UserLocale, LanguageComesFromTheLocaleNamesWithoutInstalledLocales) {
    struct Case {
        std::optional<std::string> all, messages, lang;
        const char* expected;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, "de_DE.UTF-8", "de"},
        {std::nullopt, "fr_CH.UTF-8", "de_DE.UTF-8", "fr"},
        {"en_US", "fr_FR", "de_DE", "en"},
        {std::nullopt, std::nullopt, "C.UTF-8", ""},
        {std::nullopt, std::nullopt, "POSIX", ""},
        {std::nullopt, std::nullopt, std::nullopt, ""},
        {std::nullopt, std::nullopt, "DE@euro", "de"},
    };
    for (const auto& c : cases) {
        const ScopedEnv all("LC_ALL", c.all);
        const ScopedEnv messages("LC_MESSAGES", c.messages);
        const ScopedEnv lang("LANG", c.lang);
        EXPECT_EQ(UserLocale::currentLanguage(), c.expected) << c.lang.value_or("-");
    }
}

TEST(UserLocale, DecimalSeparatorIsFixedByTheEnvironmentAndReadAtEachCall) {
    const ScopedEnv all("LC_ALL", std::nullopt);
    const ScopedEnv numeric("LC_NUMERIC", std::nullopt);
    const ScopedEnv lang("LANG", "xx_NOT.INSTALLED");
    {
        const ScopedEnv fixed("GK_DECIMAL_SEPARATOR", ",");
        EXPECT_EQ(UserLocale::current().decimalSeparator(), ",");
    }
    EXPECT_EQ(UserLocale::currentDecimalSeparator(), "."); // an unknown locale falls back as C does
    const ScopedEnv c("LC_NUMERIC", "C.UTF-8");
    EXPECT_EQ(UserLocale::currentDecimalSeparator(), ".");
}
