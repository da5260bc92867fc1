// The catalogues of error numbers: each number, name and text has one entry, so that a number
// always means one error and its text is written once.

#include "platform/db/JetErrors.h"

#include "platform/CallError.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

TEST(ErrorCatalogue, NumbersAndTextsAreUniqueAcrossEngineAndRuntime) {
    std::set<std::int32_t> numbers;
    std::set<std::string_view> texts;
    std::set<std::string_view> names; // each catalogue its own namespace: one name per catalogue
    const auto check = [&](std::int32_t number, std::string_view name, std::string_view text) {
        EXPECT_TRUE(numbers.insert(number).second) << "number " << number << " twice";
        EXPECT_TRUE(names.insert(name).second) << "name " << name << " twice";
        EXPECT_TRUE(texts.insert(text).second) << "text of " << name << " twice";
        EXPECT_FALSE(text.empty()) << name;
    };
    for (const auto& e : platform::db::jet::catalogue()) {
        check(e.number, e.name, e.text);
    }
    names.clear();
    for (const auto& e : platform::err::catalogue()) {
        check(e.number, e.name, e.text);
    }
}

TEST(ErrorCatalogue, TextsFillTheirArgumentsAndUnknownNumbersAreReserved) {
    using namespace platform::db;
    EXPECT_EQ(jet::errorText(jet::FileNotFound, "a.mdb"), "Could not find file 'a.mdb'.");
    EXPECT_EQ(jet::errorText(platform::err::Overflow), "Overflow");
    EXPECT_EQ(jet::errorText(4711), "Reserved error (4711); there is no message for this error.");
    EXPECT_EQ(jet::makeExpressionError(jet::ExpressionFault::Comma, "DAO.Database", "a, b").description(),
              "Syntax error (comma) in query expression 'a, b'.");
    EXPECT_EQ(jet::makeCriteriaError(jet::ExpressionFault::ExtraParenthesis, "DAO.Recordset").description(),
              "Extra ) in expression.");
}
