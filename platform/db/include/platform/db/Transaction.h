#pragma once

namespace platform::db {

/// Keeps one transaction of `Session` open for as long as it lives: begun by the constructor, kept by
/// commit(), rolled back by the destructor otherwise, so that an early return or an exception drops
/// what was written since. The destructor never throws: a failed rollback is swallowed, the session
/// then ends the transaction itself (SQLite rolls back what no one committed).
///
/// A session takes part through three functions found beside it by argument-dependent lookup:
/// `beginTransaction(session)`, `commitTransaction(session)` and `rollbackTransaction(session)`. The
/// native connection (sqlite/Connection.h) and the engine's database (Dao.h) provide them.
template <typename Session> class Transaction {
public:
    /// Begins the transaction; throws what the session throws when it cannot.
    explicit Transaction(Session& session) : m_session(&session) { beginTransaction(session); }

    ~Transaction() {
        if (m_session == nullptr) {
            return;
        }
        try {
            rollbackTransaction(*m_session);
        } catch (...) {
            // Nothing of the transaction was committed; the session drops it when it ends.
        }
    }

    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    Transaction(Transaction&&) = delete;
    Transaction& operator=(Transaction&&) = delete;

    /// Keeps what was written. When the commit fails the destructor still rolls back.
    void commit() {
        commitTransaction(*m_session);
        m_session = nullptr;
    }

    /// Drops what was written now rather than at the end of the scope; throws what the session throws.
    void rollback() {
        Session* session = m_session;
        m_session = nullptr;
        rollbackTransaction(*session);
    }

    /// True until commit() or rollback() ended the transaction.
    [[nodiscard]] bool active() const noexcept { return m_session != nullptr; }

private:
    Session* m_session;
};

} // namespace platform::db
