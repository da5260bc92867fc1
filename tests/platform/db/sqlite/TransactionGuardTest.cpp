#include "platform/db/Transaction.h"
#include "platform/db/sqlite/Connection.h"
#include "platform/db/sqlite/Error.h"
#include "platform/db/sqlite/Statement.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::db::sqlite::Connection;
using platform::db::sqlite::OpenMode;
using platform::db::sqlite::Statement;
using platform::db::sqlite::Transaction;

std::int64_t rows(Connection& db) {
    Statement s(db, "SELECT count(*) FROM t");
    return s.step() ? s.columnInt64(0) : -1;
}

class NativeTransaction : public ::testing::Test {
protected:
    void SetUp() override { m_db.exec("CREATE TABLE t (v UNIQUE)"); }
    Connection m_db{":memory:", OpenMode::Create};
};

TEST_F(NativeTransaction, KeepsWhatWasWrittenWhenCommitted) {
    {
        Transaction transaction(m_db);
        EXPECT_TRUE(m_db.inTransaction());
        m_db.exec("INSERT INTO t VALUES (1)");
        transaction.commit();
        EXPECT_FALSE(transaction.active());
    }
    EXPECT_FALSE(m_db.inTransaction());
    EXPECT_EQ(rows(m_db), 1);
}

TEST_F(NativeTransaction, DropsWhatWasWrittenWhenLeftUncommitted) {
    {
        const Transaction transaction(m_db);
        m_db.exec("INSERT INTO t VALUES (1)");
    }
    EXPECT_FALSE(m_db.inTransaction());
    EXPECT_EQ(rows(m_db), 0);
}

TEST_F(NativeTransaction, DropsWhatWasWrittenWhenAnExceptionLeavesTheScope) {
    EXPECT_THROW(
        {
            const Transaction transaction(m_db);
            m_db.exec("INSERT INTO t VALUES (1)");
            m_db.exec("INSERT INTO t VALUES (1)"); // refused: the value is unique
        },
        platform::db::sqlite::Error);
    EXPECT_FALSE(m_db.inTransaction());
    EXPECT_EQ(rows(m_db), 0);
}

TEST_F(NativeTransaction, RollsBackEarlyOnRequest) {
    Transaction transaction(m_db);
    m_db.exec("INSERT INTO t VALUES (1)");
    transaction.rollback();
    EXPECT_FALSE(transaction.active());
    EXPECT_FALSE(m_db.inTransaction());
    m_db.exec("INSERT INTO t VALUES (2)"); // outside any transaction: the destructor must not undo it
    EXPECT_EQ(rows(m_db), 1);
}

TEST_F(NativeTransaction, BeginsNoSecondTransactionInsideTheFirst) {
    const Transaction outer(m_db);
    EXPECT_THROW(Transaction{m_db}, platform::db::sqlite::Error);
    EXPECT_TRUE(m_db.inTransaction());
}

// A session that records the calls and fails where told, for what the guard does around failures.
struct Session {
    std::vector<std::string> calls;
    bool failCommit = false;
    bool failRollback = false;
};

void beginTransaction(Session& s) {
    s.calls.push_back("begin");
}
void commitTransaction(Session& s) {
    s.calls.push_back("commit");
    if (s.failCommit) {
        throw std::runtime_error("commit failed");
    }
}
void rollbackTransaction(Session& s) {
    s.calls.push_back("rollback");
    if (s.failRollback) {
        throw std::runtime_error("rollback failed");
    }
}

TEST(TransactionGuard, CallsTheSessionOncePerEnd) {
    struct Case {
        const char* name;
        bool commit;
        bool failCommit;
        bool failRollback;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"committed", true, false, false, {"begin", "commit"}},
        {"left", false, false, false, {"begin", "rollback"}},
        {"a failed commit is rolled back", true, true, false, {"begin", "commit", "rollback"}},
        {"a failed rollback is swallowed", false, false, true, {"begin", "rollback"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session{{}, c.failCommit, c.failRollback};
        try {
            platform::db::Transaction transaction(session);
            if (c.commit) {
                transaction.commit();
            }
        } catch (const std::runtime_error&) {
            EXPECT_TRUE(c.failCommit);
        }
        EXPECT_EQ(session.calls, c.calls);
    }
}

} // namespace
