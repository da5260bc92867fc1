// Jet's Like against the index range the translator derives from a pattern: every text that matches
// must lie inside the range, and the compiled pattern must agree with the one-off matcher.
// Input: text, zero byte, pattern.

#include "FuzzInput.h"
#include "sql/SqliteExtensions.h"
#include "sql/JetLikeMatcher.h"
#include "sql/JetLikePrefix.h"

#include <memory>
#include <sqlite3.h>

namespace {

struct Closer {
    void operator()(sqlite3* db) const noexcept { sqlite3_close(db); }
};

/// SQLite with the Jet functions: the matcher and the JETTEXT collation as statements use them.
class Checker {
public:
    Checker() {
        sqlite3* raw = nullptr;
        sqlite3_open(":memory:", &raw);
        m_db.reset(raw);
        platform::db::registerJetExtensions(raw);
        sqlite3_prepare_v2(raw,
                           "SELECT jet_like(?1, ?2), ?1 >= ?3 COLLATE JETTEXT AND ?1 < ?4 COLLATE JETTEXT",
                           -1, &m_stmt, nullptr);
    }
    ~Checker() { sqlite3_finalize(m_stmt); }
    Checker(const Checker&) = delete;
    Checker& operator=(const Checker&) = delete;

    void check(const std::string& text, const std::string& pattern) {
        const auto range = platform::db::sql::likePrefixRange(pattern);
        bind(1, text);
        bind(2, pattern);
        bind(3, range ? range->low : std::string());
        bind(4, range ? range->high : std::string());
        if (sqlite3_step(m_stmt) == SQLITE_ROW && sqlite3_column_type(m_stmt, 0) == SQLITE_INTEGER &&
            sqlite3_column_int64(m_stmt, 0) != 0 && range && sqlite3_column_int64(m_stmt, 1) == 0) {
            fuzz::fail("a matching text lies outside the index range of its pattern");
        }
        sqlite3_reset(m_stmt);
    }

private:
    void bind(int index, const std::string& value) {
        sqlite3_bind_text(m_stmt, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    std::unique_ptr<sqlite3, Closer> m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Checker checker;
    const auto texts = fuzz::parts(data, size, 2);
    const std::string& text = texts[0];
    const std::string& pattern = texts[1];
    checker.check(text, pattern);

    using platform::db::sql::LikeResult;
    const LikeResult once = platform::db::sql::matchJetLike(text, pattern, nullptr);
    const auto compiled = platform::db::sql::JetLikePattern::compile(pattern);
    if ((compiled == nullptr) != (once == LikeResult::BadPattern)) {
        fuzz::fail("compile and matchJetLike disagree on a bad pattern");
    }
    if (compiled && compiled->matches(text, nullptr) != (once == LikeResult::Match)) {
        fuzz::fail("the compiled pattern and matchJetLike disagree");
    }
    return 0;
}
