#include "Connection.h"
#include "DatabaseFileCheck.h"
#include "Opening.h"
#include "QueryRecordset.h"
#include "TableRecordset.h"
#include "platform/db/Dao.h"
#include "platform/db/JetErrors.h"
#include "sql/SqliteExtensions.h"

#include <cctype>

namespace platform::db {
namespace {

constexpr std::string_view source = "DAO.Database";
constexpr std::string_view workspaceSource = "DAO.Workspace";

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n;");
    return text.substr(first, last == std::string_view::npos ? 0 : last - first + 1);
}

bool isStatement(std::string_view text) {
    if (text.empty() || text.front() == '(') {
        return true;
    }
    if (text.front() == '[') {
        return false;
    }
    std::size_t end = 0;
    while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    const std::string_view word = text.substr(0, end);
    for (const char* keyword : {"SELECT", "TRANSFORM", "PARAMETERS", "WITH", "VALUES"}) {
        if (equalsNoCase(word, keyword)) {
            return true;
        }
    }
    return text.find_first_of(" \t\r\n") != std::string_view::npos;
}

struct SchemaObject {
    std::string name;
    std::string type;
};

std::optional<SchemaObject> findTableOrView(sqlite3* db, std::string_view name) {
    const StatementPtr stmt =
        prepareOne(db,
                   "SELECT name, type FROM sqlite_master WHERE type IN ('table', 'view') "
                   "AND name = ? COLLATE NOCASE",
                   source, SqlContext::Statement);
    sqlite3_bind_text(stmt.get(), 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_ROW) {
        return SchemaObject{reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)),
                            reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 1))};
    }
    if (rc != SQLITE_DONE) {
        throwSqliteError(db, rc, source, SqlContext::Statement);
    }
    return std::nullopt;
}

} // namespace

class Database::Impl {
public:
    Impl(std::shared_ptr<Workspace> owner, std::shared_ptr<Connection> shared)
        : workspace(std::move(owner)), connection(std::move(shared)) {}

    std::shared_ptr<Workspace> workspace; // keeps the workspace alive while the database lives
    std::shared_ptr<Connection> connection;
    std::int32_t recordsAffected = 0;
};

std::shared_ptr<Database> openDatabaseFile(std::shared_ptr<Workspace> workspace, const std::string& path,
                                           bool exclusive, bool readOnly) {
    checkDatabaseFile(path, workspaceSource);
    std::optional<FileLock> lock = FileLock::tryAcquire(path, exclusive);
    if (!lock) {
        throw jet::makeError(jet::FileInUse, workspaceSource, path);
    }
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, connectionOpenFlags(readOnly), nullptr);
    ConnectionPtr db(raw);
    if (rc != SQLITE_OK) {
        throw jet::makeError((rc & 0xff) == SQLITE_NOTADB ? jet::UnrecognizedFormat : jet::CannotOpenFile,
                             workspaceSource, path);
    }
    registerJetExtensions(db.get());
    checkSchemaReadable(db.get(), path, workspaceSource);
    const bool actuallyReadOnly = readOnly || sqlite3_db_readonly(db.get(), "main") == 1;
    applyConnectionSettings(db.get(), actuallyReadOnly);
    auto connection =
        std::make_shared<Connection>(std::move(db), std::move(lock), path, actuallyReadOnly, exclusive);
    return std::make_shared<Database>(
        std::make_unique<Database::Impl>(std::move(workspace), std::move(connection)));
}

Database::Database(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

Database::~Database() {
    m_impl->connection->close();
}

std::shared_ptr<Recordset> Database::openRecordset(std::string_view sourceText, RecordsetType type) {
    sqlite3* db = m_impl->connection->handle(source);
    const std::string_view text = trim(sourceText);
    if (isStatement(text)) {
        if (type == RecordsetType::Table) {
            throw jet::makeError(jet::InvalidOperation, source);
        }
        // Ids written into the text become parameters: the statement of every id is the same.
        const JetStatementCache::Select& select = m_impl->connection->translations().select(text);
        PreparedStatements::Kept kept = m_impl->connection->prepared().take(select.sql);
        StatementPtr stmt = std::move(kept.stmt);
        if (!stmt) {
            stmt = prepareOne(db, select.sql, source, SqlContext::Statement);
        }
        if (sqlite3_column_count(stmt.get()) == 0) {
            throw jet::makeError(jet::InvalidOperation, source);
        }
        for (std::size_t k = 0; k < select.values.size(); ++k) {
            bindVariant(stmt.get(), static_cast<int>(k) + 1, select.values[k]);
        }
        return std::make_shared<Recordset>(std::make_unique<QueryRecordset>(
            shared_from_this(), m_impl->connection, type, std::move(stmt), false, select.sql,
            std::move(kept.columns),
            type == RecordsetType::Snapshot ? select.values : std::vector<Variant>()));
    }
    std::string_view name = text;
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']') {
        name = name.substr(1, name.size() - 2);
    }
    const std::optional<SchemaObject> object = findTableOrView(db, name);
    if (!object) {
        const char* file = sqlite3_db_filename(db, "main");
        throw jet::makeMissingTableError(source, name, file != nullptr ? file : "");
    }
    if (type == RecordsetType::Table) {
        if (object->type != "table") {
            throw jet::makeError(jet::InvalidOperation, source);
        }
        return std::make_shared<Recordset>(
            std::make_unique<TableRecordset>(shared_from_this(), m_impl->connection, object->name));
    }
    const std::string all = " * FROM " + doubleQuotedIdentifier(object->name);
    bool rowidFirst = false;
    StatementPtr stmt;
    if (object->type == "table") {
        sqlite3_stmt* raw = nullptr;
        const std::string withRowid = "SELECT rowid," + all;
        const int rc = sqlite3_prepare_v2(db, withRowid.c_str(), -1, &raw, nullptr);
        StatementPtr candidate(raw);
        if (rc == SQLITE_OK) { // else a table without rowid
            stmt = std::move(candidate);
            rowidFirst = true;
        }
    }
    if (!stmt) {
        stmt = prepareOne(db, "SELECT" + all, source, SqlContext::Statement);
    }
    return std::make_shared<Recordset>(std::make_unique<QueryRecordset>(
        shared_from_this(), m_impl->connection, type, std::move(stmt), rowidFirst, std::string()));
}

void Database::execute(std::string_view statement) {
    sqlite3* db = m_impl->connection->handle(source);
    const std::string_view text = trim(statement);
    const std::string sql = m_impl->connection->translations().statement(text);
    const StatementPtr stmt = prepareOne(db, sql, source, SqlContext::Statement);
    if (sqlite3_column_count(stmt.get()) > 0 && sqlite3_stmt_readonly(stmt.get())) {
        throw jet::makeError(jet::CannotExecuteSelect, source);
    }
    if (!sqlite3_stmt_readonly(stmt.get())) {
        // A kept statement must not outlive a change of the tables it reads (SELECT * would keep
        // the old columns); a write of rows changes nothing for them, but telling the two apart
        // is not worth it.
        m_impl->connection->prepared().clear();
    }
    int rc = sqlite3_step(stmt.get());
    while (rc == SQLITE_ROW) {
        rc = sqlite3_step(stmt.get());
    }
    if (rc != SQLITE_DONE) {
        throwSqliteError(db, rc, source, SqlContext::Edit);
    }
    m_impl->recordsAffected = sqlite3_changes(db);
}

std::int32_t Database::recordsAffected() const {
    return m_impl->recordsAffected;
}

void Database::beginTrans() {
    sqlite3* db = m_impl->connection->handle(source);
    int& depth = m_impl->connection->transactionDepth();
    const std::string sql = depth == 0 ? "BEGIN" : "SAVEPOINT gk_level" + std::to_string(depth);
    execNative(db, sql.c_str(), source);
    ++depth;
}

void Database::commitTrans() {
    sqlite3* db = m_impl->connection->handle(source);
    int& depth = m_impl->connection->transactionDepth();
    if (depth == 0) {
        throw jet::makeError(jet::TransactionNotBegun, source);
    }
    const std::string sql = depth == 1 ? "COMMIT" : "RELEASE gk_level" + std::to_string(depth - 1);
    execNative(db, sql.c_str(), source);
    --depth;
}

void Database::rollback() {
    sqlite3* db = m_impl->connection->handle(source);
    int& depth = m_impl->connection->transactionDepth();
    if (depth == 0) {
        throw jet::makeError(jet::TransactionNotBegun, source);
    }
    const std::string level = "gk_level" + std::to_string(depth - 1);
    const std::string sql = depth == 1 ? "ROLLBACK" : "ROLLBACK TO " + level + "; RELEASE " + level;
    execNative(db, sql.c_str(), source);
    --depth;
}

void Database::skipSync() {
    sqlite3* db = m_impl->connection->handle(source);
    // Refused (a database locked by another writer), the writes are only slower.
    sqlite3_exec(db, "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY", nullptr, nullptr, nullptr);
}

const std::string& Database::name() const {
    return m_impl->connection->path();
}

bool Database::readOnly() const {
    return m_impl->connection->readOnly();
}

bool Database::exclusive() const {
    return m_impl->connection->exclusive();
}

void Database::close() {
    static_cast<void>(m_impl->connection->handle(source));
    m_impl->connection->close();
}

bool Database::isOpen() const {
    return m_impl->connection->isOpen();
}

} // namespace platform::db
