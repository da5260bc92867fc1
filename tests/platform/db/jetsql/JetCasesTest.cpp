// Runs every conformance case file: the @setup natively on a fresh in-memory database with the Jet
// extensions, each @query through the translator, the rows or the error compared with the file.

#include "JetCaseFile.h"
#include "SqliteTestSupport.h"
#include "platform/CallError.h"
#include "sql/JetSql.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::filesystem::path casesFolder() {
    if (const char* fromEnvironment = std::getenv("JET_CASES_DIR");
        fromEnvironment != nullptr && *fromEnvironment) {
        return fromEnvironment;
    }
    return JET_CASES_SOURCE_DIR;
}

std::vector<std::filesystem::path> allCaseFiles() {
    return jetcases::caseFilesIn(casesFolder());
}

std::string testName(const testing::TestParamInfo<std::filesystem::path>& info) {
    std::string name = info.param.stem().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

std::string joinedRows(const std::vector<std::string>& rows) {
    std::string out;
    for (const std::string& r : rows) {
        out += "  " + r + "\n";
    }
    return out.empty() ? "  (no rows)\n" : out;
}

class JetCase : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(JetCase, GivesTheExpectedRowsOrError) {
    const jetcases::CaseFile file = jetcases::readCaseFile(GetParam());
    const sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
    for (const jetcases::CaseQuery& q : file.queries) {
        const std::string where = file.path.filename().string() + ":" + std::to_string(q.line);
        if (!q.setup.empty()) {
            const std::string failure = sqlitetest::execNative(db.get(), q.setup);
            ASSERT_TRUE(failure.empty()) << where << ": @setup failed: " << failure;
        }
        std::string translated;
        try {
            translated = platform::db::translateStatement(q.query);
        } catch (const platform::CallError& e) {
            if (q.expectedError) {
                EXPECT_EQ(e.number(), *q.expectedError)
                    << where << "\nJet:  " << q.query << "\nerror: " << e.description();
            } else {
                ADD_FAILURE() << where << "\nJet:  " << q.query << "\nunexpected error " << e.number() << ": "
                              << e.description();
            }
            continue;
        }
        const sqlitetest::RunResult result = sqlitetest::run(db.get(), translated);
        const std::string context = where + "\nJet:    " + q.query + "\nSQLite: " + translated;
        if (q.expectedError) {
            EXPECT_EQ(result.errorNumber, *q.expectedError)
                << context << "\nerror text: " << result.errorText << "\nrows:\n"
                << joinedRows(result.rows);
            continue;
        }
        if (result.errorNumber != 0) {
            ADD_FAILURE() << context << "\nunexpected error " << result.errorNumber << ": "
                          << result.errorText;
            continue;
        }
        EXPECT_EQ(result.rows, q.expectedRows) << context << "\nexpected:\n"
                                               << joinedRows(q.expectedRows) << "actual:\n"
                                               << joinedRows(result.rows);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, JetCase, testing::ValuesIn(allCaseFiles()), testName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(JetCase);

} // namespace
