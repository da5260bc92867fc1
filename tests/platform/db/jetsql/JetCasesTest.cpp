// Runs each @query of the conformance case files as a test of its own, named after the file and the
// query's number there: on a fresh in-memory database with the Jet extensions, after the @setup blocks
// and queries before it, through the translator, the rows or the error compared with the file.

#include "JetCaseFile.h"
#include "SqliteTestSupport.h"
#include "platform/CallError.h"
#include "sql/JetSql.h"

#include <cctype>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::filesystem::path casesFolder() {
    if (const char* fromEnvironment = std::getenv("JET_CASES_DIR");
        fromEnvironment != nullptr && *fromEnvironment) {
        return fromEnvironment;
    }
    return JET_CASES_SOURCE_DIR;
}

/// One @query of a case file: the file and the query's number in it, from 1; number 0 with the reason
/// when the file cannot be read.
struct CaseRef {
    std::filesystem::path file;
    std::size_t number = 0;
    std::string unreadable;
};

void PrintTo(const CaseRef& ref, std::ostream* os) {
    *os << ref.file.filename().string() << " @query " << ref.number;
}

std::vector<CaseRef> allCases() {
    std::vector<CaseRef> cases;
    for (const std::filesystem::path& path : jetcases::caseFilesIn(casesFolder())) {
        try {
            const std::size_t count = jetcases::readCaseFile(path).queries.size();
            for (std::size_t number = 1; number <= count; ++number) {
                cases.push_back({path, number, {}});
            }
        } catch (const std::exception& e) {
            cases.push_back({path, 0, e.what()});
        }
    }
    return cases;
}

/// The file's stem and the query's number, as in like_07.
std::string testName(const testing::TestParamInfo<CaseRef>& info) {
    std::string name = info.param.file.stem().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    if (info.param.number == 0) {
        return name + "_unreadable";
    }
    const std::string number = std::to_string(info.param.number);
    return name + "_" + std::string(number.size() < 2 ? 2 - number.size() : 0, '0') + number;
}

std::string joinedRows(const std::vector<std::string>& rows) {
    std::string out;
    for (const std::string& r : rows) {
        out += "  " + r + "\n";
    }
    return out.empty() ? "  (no rows)\n" : out;
}

std::string placeOf(const jetcases::CaseFile& file, const jetcases::CaseQuery& q) {
    return file.path.filename().string() + ":" + std::to_string(q.line);
}

/// Runs the @setup blocks before a query.
void runSetup(sqlitetest::Connection& db, const jetcases::CaseFile& file, const jetcases::CaseQuery& q) {
    if (!q.setup.empty()) {
        const std::string failure = sqlitetest::execNative(db, q.setup);
        ASSERT_TRUE(failure.empty()) << placeOf(file, q) << ": @setup failed: " << failure;
    }
}

/// Runs a query before the one under test with its @setup, whatever it gives: it leaves the database as
/// the queries after it expect it.
void runBefore(sqlitetest::Connection& db, const jetcases::CaseFile& file, const jetcases::CaseQuery& q) {
    ASSERT_NO_FATAL_FAILURE(runSetup(db, file, q));
    std::string translated;
    try {
        translated = platform::db::translateStatement(q.query);
    } catch (const platform::CallError&) {
        return;
    }
    (void)sqlitetest::run(db, translated);
}

/// Checks one query against its @expect or @expect-error block.
void check(sqlitetest::Connection& db, const jetcases::CaseFile& file, const jetcases::CaseQuery& q) {
    const std::string where = placeOf(file, q);
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
        return;
    }
    const sqlitetest::RunResult result = sqlitetest::run(db, translated);
    const std::string context = where + "\nJet:    " + q.query + "\nSQLite: " + translated;
    if (q.expectedError) {
        EXPECT_EQ(result.errorNumber, *q.expectedError)
            << context << "\nerror text: " << result.errorText << "\nrows:\n"
            << joinedRows(result.rows);
        return;
    }
    if (result.errorNumber != 0) {
        ADD_FAILURE() << context << "\nunexpected error " << result.errorNumber << ": " << result.errorText;
        return;
    }
    EXPECT_EQ(result.rows, q.expectedRows) << context << "\nexpected:\n"
                                           << joinedRows(q.expectedRows) << "actual:\n"
                                           << joinedRows(result.rows);
}

class JetCase : public testing::TestWithParam<CaseRef> {};

TEST_P(JetCase, GivesTheExpectedRowsOrError) {
    const CaseRef& ref = GetParam();
    ASSERT_TRUE(ref.unreadable.empty()) << ref.unreadable;
    const jetcases::CaseFile file = jetcases::readCaseFile(ref.file);
    ASSERT_LE(ref.number, file.queries.size()) << ref.file << " has changed since the tests were listed";
    const jetcases::CaseQuery& q = file.queries[ref.number - 1];
    // Failures name the line of the case file, so that an editor jumps to the query.
    const std::string path = ref.file.string();
    const testing::ScopedTrace at(path.c_str(), q.line, "@query " + std::to_string(ref.number));
    sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
    for (std::size_t i = 0; i + 1 < ref.number; ++i) {
        ASSERT_NO_FATAL_FAILURE(runBefore(db, file, file.queries[i]));
    }
    ASSERT_NO_FATAL_FAILURE(runSetup(db, file, q));
    check(db, file, q);
}

INSTANTIATE_TEST_SUITE_P(Cases, JetCase, testing::ValuesIn(allCases()), testName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(JetCase);

} // namespace
