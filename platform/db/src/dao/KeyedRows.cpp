#include "KeyedRows.h"

#include "RecordsetImpl.h"
#include "platform/db/JetErrors.h"
#include "sql/SqliteExtensions.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <sys/stat.h>
#include <unordered_set>

namespace platform::db {

namespace {

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string withoutClosingSemicolon(std::string_view sql) {
    while (!sql.empty() && (sql.back() == ';' || std::isspace(static_cast<unsigned char>(sql.back())))) {
        sql.remove_suffix(1);
    }
    return std::string(sql);
}

/// Prepares `sql` with `parameters` bound; nothing when it does not prepare.
StatementPtr prepareBound(sqlite3* db, const std::string& sql, const std::vector<Variant>& parameters) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return nullptr;
    }
    StatementPtr stmt(raw);
    for (std::size_t k = 0; k < parameters.size(); ++k) {
        bindVariant(stmt.get(), static_cast<int>(k) + 1, parameters[k]);
    }
    return stmt;
}

/// The steps of SQLite's plan for `sql` on `db` (EXPLAIN QUERY PLAN), with its values bound, since
/// the plan may depend on them; nothing when it does not prepare.
std::optional<std::vector<std::string>> planOf(sqlite3* db, const std::string& sql,
                                               const std::vector<Variant>& parameters) {
    const StatementPtr stmt = prepareBound(db, "EXPLAIN QUERY PLAN " + sql, parameters);
    if (!stmt) {
        return std::nullopt;
    }
    std::vector<std::string> plan;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const auto* detail = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 3));
        plan.emplace_back(detail != nullptr ? detail : "");
    }
    return rc == SQLITE_DONE ? std::optional(std::move(plan)) : std::nullopt;
}

/// True when the plan reads one table once, each of its rows at most once, optionally sorted or
/// without duplicates: one scan or search of a table, and nothing else but a sort. A join has a step
/// per table, a union, subquery or materialised view steps of their own.
bool readsOneTable(const std::vector<std::string>& plan) {
    int reads = 0;
    for (const std::string& step : plan) {
        if (startsWith(step, "SCAN ") || startsWith(step, "SEARCH ")) {
            if (contains(step, "VIRTUAL TABLE") || contains(step, "CONSTANT ROW") ||
                contains(step, "SUBQUERY") || contains(step, "(subquery")) {
                return false;
            }
            ++reads;
        } else if (!startsWith(step, "USE TEMP B-TREE FOR ") ||
                   !(contains(step, "ORDER BY") || contains(step, "DISTINCT"))) {
            return false;
        }
    }
    return reads == 1;
}

/// True when the plan sorts the rows: rows of the same sort values may then come in another order
/// from another statement or connection, which sorts other bytes in other amounts of memory.
bool sorts(const std::vector<std::string>& plan) {
    return std::any_of(plan.begin(), plan.end(),
                       [](const std::string& step) { return contains(step, "ORDER BY"); });
}

/// The plan without its word for an index read alone: a statement that asks for the key only reads
/// the same index in the same order without the table.
std::vector<std::string> withoutCovering(std::vector<std::string> plan) {
    for (std::string& step : plan) {
        if (const std::size_t at = step.find("COVERING "); at != std::string::npos) {
            step.erase(at, 9);
        }
    }
    return plan;
}

/// The name of `table`'s rowid among its columns: its only primary-key column, declared INTEGER,
/// with no index of its own (a table without rowids, or a descending key, has one).
std::optional<std::string> rowidColumn(sqlite3* db, const std::string& table) {
    std::string key;
    const StatementPtr info =
        prepareOne(db, "SELECT name, type FROM pragma_table_info(?1, 'main') WHERE pk > 0", recordsetSource,
                   SqlContext::Statement);
    sqlite3_bind_text(info.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    int keys = 0;
    while (sqlite3_step(info.get()) == SQLITE_ROW) {
        ++keys;
        const auto* declared = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1));
        if (declared != nullptr && equalsNoCase(declared, "INTEGER")) {
            key = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0));
        }
    }
    if (keys != 1 || key.empty()) {
        return std::nullopt;
    }
    const StatementPtr index =
        prepareOne(db, "SELECT 1 FROM pragma_index_list(?1, 'main') WHERE origin = 'pk'", recordsetSource,
                   SqlContext::Statement);
    sqlite3_bind_text(index.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(index.get()) == SQLITE_ROW) {
        return std::nullopt;
    }
    return key;
}

/// True when every column is a column of one table of the main database; `stmt`'s columns are
/// `columns`.
bool fromOneTable(sqlite3_stmt* stmt, const std::vector<ColumnInfo>& columns) {
    const std::string& table = columns.front().originTable;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnInfo& c = columns[i];
        const char* schema = sqlite3_column_database_name(stmt, static_cast<int>(i));
        if (c.originTable.empty() || c.originColumn.empty() || !equalsNoCase(c.originTable, table) ||
            schema == nullptr || std::string_view(schema) != "main") {
            return false;
        }
    }
    return true;
}

/// Which file is open: device and inode.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};

std::optional<FileId> fileAt(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileId{info.st_dev, info.st_ino};
}

/// The file `db` has open, when `path` still names it: the file there before and after SQLite says
/// its file has not moved away from the path.
std::optional<FileId> openFileAt(sqlite3* db, const std::string& path) {
    const std::optional<FileId> before = fileAt(path);
    int moved = 1;
    if (!before || sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK ||
        moved != 0) {
        return std::nullopt;
    }
    return fileAt(path) == before ? before : std::nullopt;
}

/// Reads the key of every row with `query` on `db`, throwing the engine's error; nothing when it does
/// not prepare, is planned otherwise there (its rows could come in another order), gives a row
/// without a key, or `stop` was set on the way.
std::optional<std::vector<std::int64_t>> readKeysWith(sqlite3* db, const KeysQuery& query,
                                                      const std::atomic<bool>* stop) {
    const std::optional<std::vector<std::string>> plan = planOf(db, query.sql, query.parameters);
    if (!plan || *plan != query.plan) {
        return std::nullopt;
    }
    const StatementPtr stmt = prepareBound(db, query.sql, query.parameters);
    if (!stmt) {
        return std::nullopt;
    }
    constexpr std::size_t stopCheck = 4096; // rows between looks at the stop flag
    std::vector<std::int64_t> keys;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        if (sqlite3_column_type(stmt.get(), query.column) != SQLITE_INTEGER) {
            return std::nullopt;
        }
        keys.push_back(sqlite3_column_int64(stmt.get(), query.column));
        if (stop != nullptr && keys.size() % stopCheck == 0 && stop->load(std::memory_order_relaxed)) {
            return std::nullopt;
        }
    }
    if (rc != SQLITE_DONE) {
        throwSqliteError(db, rc, recordsetSource, SqlContext::Statement);
    }
    keys.shrink_to_fit();
    return keys;
}

/// The same on a read-only connection of its own to `path`, for another thread, when that is still
/// the file `file`: without mapping the file, so that the pages it reads once are not kept resident.
/// Nothing on any failure.
std::optional<std::vector<std::int64_t>> readKeysApart(const std::string& path, FileId file,
                                                       const KeysQuery& query,
                                                       const std::atomic<bool>& stop) noexcept {
    try {
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(path.c_str(), &raw, connectionOpenFlags(true), nullptr);
        const ConnectionPtr db(raw);
        if (rc != SQLITE_OK || openFileAt(db.get(), path) != file) {
            return std::nullopt;
        }
        registerJetExtensions(db.get());
        sqlite3_busy_timeout(db.get(), 5000);
        return readKeysWith(db.get(), query, &stop);
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace

std::unique_ptr<KeyedRows> KeyedRows::of(sqlite3* db, sqlite3_stmt* stmt,
                                         const std::vector<ColumnInfo>& columns,
                                         const std::vector<Variant>& parameters) {
    if (columns.empty() || !fromOneTable(stmt, columns)) {
        return nullptr;
    }
    const std::string& table = columns.front().originTable;
    const std::optional<std::string> key = rowidColumn(db, table);
    if (!key) {
        return nullptr;
    }
    const auto keyColumn = static_cast<std::size_t>(
        std::find_if(columns.begin(), columns.end(),
                     [&](const ColumnInfo& c) { return equalsNoCase(c.originColumn, *key); }) -
        columns.begin());
    if (keyColumn == columns.size()) {
        return nullptr;
    }
    std::string statement = withoutClosingSemicolon(sqlite3_sql(stmt));
    const std::optional<std::vector<std::string>> plan = planOf(db, statement, parameters);
    if (!plan || !readsOneTable(*plan)) {
        return nullptr;
    }
    // The key under a name the statement's columns give it alone can be asked for alone: SQLite then
    // reads it from an index that holds the statement's filter and order, without reading each row of
    // the table. Only where that is planned as the statement is: the same table or index read in the
    // same order, no sort.
    std::string keyName = columns[keyColumn].name;
    if (std::count_if(columns.begin(), columns.end(),
                      [&](const ColumnInfo& c) { return equalsNoCase(c.name, keyName); }) != 1) {
        keyName.clear();
    }
    KeysQuery query{statement, static_cast<int>(keyColumn), *plan, parameters};
    if (!keyName.empty() && !sorts(*plan)) {
        std::string keysOnly = "SELECT " + doubleQuotedIdentifier(keyName) + " FROM (" + statement + "\n)";
        if (std::optional<std::vector<std::string>> keysPlan = planOf(db, keysOnly, parameters);
            keysPlan && withoutCovering(*keysPlan) == withoutCovering(*plan)) {
            query = KeysQuery{std::move(keysOnly), 0, std::move(*keysPlan), parameters};
        }
    }
    std::string names;
    for (const ColumnInfo& c : columns) {
        names += (names.empty() ? "" : ", ") + doubleQuotedIdentifier(c.originColumn);
    }
    std::string byKey = "SELECT " + names + " FROM \"main\"." + doubleQuotedIdentifier(table) + " WHERE " +
                        doubleQuotedIdentifier(*key) + " = ?1";
    return std::make_unique<KeyedRows>(columns, std::move(statement), std::move(keyName), std::move(byKey),
                                       std::move(query));
}

KeyedRows::KeyedRows(std::vector<ColumnInfo> columns, std::string statement, std::string keyName,
                     std::string byKeySql, KeysQuery keys)
    : m_columns(std::move(columns)), m_statement(std::move(statement)), m_keyName(std::move(keyName)),
      m_byKeySql(std::move(byKeySql)), m_query(std::move(keys)), m_row(m_columns.size()) {}

KeyedRows::~KeyedRows() {
    stop();
}

bool KeyedRows::read(sqlite3* db) {
    if (m_keys) {
        return true;
    }
    if (m_pending.valid()) {
        std::optional<std::vector<std::int64_t>> keys = m_pending.get();
        m_stop.reset();
        if (keys) {
            m_keys = std::move(keys);
            return true;
        }
        // It failed there: here, where its error reaches the caller.
    }
    m_keys = readKeysWith(db, m_query, nullptr);
    return m_keys.has_value();
}

bool KeyedRows::readInBackground(sqlite3* db, const std::string& path) {
    if (m_keys || m_pending.valid() || sorts(m_query.plan)) {
        return false;
    }
    // Another file at the path now (renamed over it) would give another file's rows.
    const std::optional<FileId> file = openFileAt(db, path);
    if (!file) {
        return false;
    }
    // The record set's statement stays between rows: it holds the file's shared lock, so no writer can
    // change the rows until the other connection has read them.
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_pending = std::async(std::launch::async, [path, file = *file, query = m_query, stop = m_stop] {
        return readKeysApart(path, file, query, *stop);
    });
    return true;
}

bool KeyedRows::ready() const {
    return !m_pending.valid() || m_pending.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void KeyedRows::stop() noexcept {
    if (!m_pending.valid()) {
        return;
    }
    m_stop->store(true, std::memory_order_relaxed);
    m_pending.wait();
    m_pending = {};
    m_stop.reset();
}

const PackedRows& KeyedRows::row(sqlite3* db, std::int64_t ordinal) {
    if (m_rowOrdinal == ordinal) {
        return m_row;
    }
    if (!m_byKey) {
        m_byKey = prepareOne(db, m_byKeySql, recordsetSource, SqlContext::Statement);
    }
    const StatementReset reset(m_byKey.get());
    sqlite3_bind_int64(m_byKey.get(), 1, (*m_keys)[static_cast<std::size_t>(ordinal)]);
    const int rc = sqlite3_step(m_byKey.get());
    if (rc == SQLITE_DONE) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    if (rc != SQLITE_ROW) {
        throwSqliteError(db, rc, recordsetSource, SqlContext::Statement);
    }
    m_rowOrdinal = -1;
    m_row.clear();
    m_row.appendFrom(m_byKey.get(), 0, m_columns);
    m_rowOrdinal = ordinal;
    return m_row;
}

std::optional<std::int64_t> KeyedRows::findFirst(sqlite3* db, const std::string& condition,
                                                 std::int64_t start,
                                                 const std::function<bool(std::int64_t)>& accepts) {
    if (!m_keys || m_keyName.empty()) {
        return std::nullopt;
    }
    const StatementPtr stmt = prepareBound(db,
                                           "SELECT " + doubleQuotedIdentifier(m_keyName) + " FROM (" +
                                               m_statement + "\n) WHERE " + condition,
                                           m_query.parameters);
    if (!stmt) {
        return std::nullopt;
    }
    std::unordered_set<std::int64_t> hits;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        hits.insert(sqlite3_column_int64(stmt.get(), 0));
    }
    if (rc != SQLITE_DONE) {
        throwSqliteError(db, rc, recordsetSource, SqlContext::Statement);
    }
    const std::vector<std::int64_t>& keys = *m_keys;
    for (auto i = static_cast<std::size_t>(std::max<std::int64_t>(start, 0));
         !hits.empty() && i < keys.size(); ++i) {
        if (hits.contains(keys[i]) && accepts(static_cast<std::int64_t>(i))) {
            return static_cast<std::int64_t>(i);
        }
    }
    return -1;
}

} // namespace platform::db
