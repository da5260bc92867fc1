#pragma once

// What the libraries use of DAO, over SQLite. Every object is held by std::shared_ptr; a record set
// keeps its database alive, a database keeps its workspace alive. Failures throw platform::CallError
// with Jet's error number and text (see JetErrors.h).

#include "platform/CallError.h"
#include "platform/Variant.h"
#include "platform/db/Transaction.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform::db {

enum class RecordsetType { Table = 1, Dynaset = 2, Snapshot = 4, ForwardOnly = 8 };

class Database;
class Recordset;

/// One column of the current record: its name as the database reports it and its value.
struct FieldInfo {
    std::string name;
};

/// One field of the current record read in place: the type and value `Recordset::field` gives, a
/// text as a view of the record set's own bytes, so that reading builds no Variant and copies no
/// text. Valid until the record set moves (any move, seek, find or position change), its edit
/// buffer changes (addNew, edit, setField, update, cancelUpdate, deleteCurrent) or it is closed.
/// Each accessor requires the matching type (checked as Variant's are: std::bad_variant_access).
class FieldView {
public:
    using Type = Variant::Type;

    FieldView() = default; // Empty
    static FieldView null() {
        FieldView v;
        v.m_value = NullTag{};
        return v;
    }
    explicit FieldView(std::int64_t value) : m_value(value) {}
    explicit FieldView(double value) : m_value(value) {}
    explicit FieldView(std::string_view value) : m_value(value) {}
    explicit FieldView(bool value) : m_value(value) {}
    explicit FieldView(const Date& value) : m_value(value) {}
    /// A view of a variant's value; its text stays the variant's.
    explicit FieldView(const Variant& value);

    [[nodiscard]] Type type() const noexcept { return static_cast<Type>(m_value.index()); }
    [[nodiscard]] bool isEmpty() const noexcept { return type() == Type::Empty; }
    [[nodiscard]] bool isNull() const noexcept { return type() == Type::Null; }
    [[nodiscard]] std::int64_t asInteger() const { return std::get<std::int64_t>(m_value); }
    [[nodiscard]] double asDouble() const { return std::get<double>(m_value); }
    [[nodiscard]] std::string_view asText() const { return std::get<std::string_view>(m_value); }
    [[nodiscard]] bool asBoolean() const { return std::get<bool>(m_value); }
    [[nodiscard]] const Date& asDate() const { return std::get<Date>(m_value); }
    /// The value as `Recordset::field` gives it (the text copied).
    [[nodiscard]] Variant toVariant() const;

    friend bool operator==(const FieldView&, const FieldView&) = default;

private:
    struct EmptyTag {
        friend bool operator==(EmptyTag, EmptyTag) = default;
    };
    struct NullTag {
        friend bool operator==(NullTag, NullTag) = default;
    };
    // The order of the alternatives matches Variant::Type.
    std::variant<EmptyTag, NullTag, std::int64_t, double, std::string_view, bool, Date> m_value;
};

/// A record set. Navigation, field access, Seek on a table's index, Find on a criteria text, edits.
/// A table record set holds no read transaction open between calls, so other connections can write.
/// A dynaset reads its rows when opened; a snapshot or forward-only set reads them as it moves (its
/// statement runs until the last row was read or the set is closed). Edits: table record sets and
/// dynasets of a writable database; a dynaset writes to the table its first field comes from and
/// finds its rows again by rowid, primary key or all their values. Snapshots and forward-only sets
/// refuse edits with 3027; forward-only sets refuse moving back (3251). Field values: INTEGER ->
/// integer, REAL -> double, TEXT -> text, NULL -> Null; columns declared BOOLEAN/YESNO/BIT -> Boolean
/// (stored -1/0, any non-zero reads True), DATE/DATETIME -> Date from ISO text.
class Recordset {
public:
    class Impl;
    explicit Recordset(std::unique_ptr<Impl> impl);
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    [[nodiscard]] RecordsetType type() const;
    [[nodiscard]] bool bof() const;
    [[nodiscard]] bool eof() const;
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    /// Rows visited so far for a dynaset or snapshot before moveLast (as DAO), all rows after it;
    /// a table record set always knows its full count.
    [[nodiscard]] std::int32_t recordCount() const;
    /// A long snapshot over a database opened read-only: starts counting its rows (and learning where
    /// each lies) on a connection of its own in another thread, so that moveLast and recordCount do
    /// not wait for it once countReady says so. False when that is not possible: another kind of
    /// record set, a database that can be written, rows that no key of one table stands for (a join,
    /// a union, a subquery, an expression), rows sorted as they are read (another connection may order
    /// rows of the same sort values otherwise), another file at the database's path now, or the rows
    /// are counted or being counted already. A count that fails there is done here at moveLast.
    bool countInBackground();
    /// True unless a count started by countInBackground is still running.
    [[nodiscard]] bool countReady() const;
    /// 0-based position of the current record, -1 without one.
    [[nodiscard]] std::int32_t absolutePosition() const;
    void setAbsolutePosition(std::int32_t position);

    /// Fields of the current record.
    [[nodiscard]] std::int32_t fieldCount() const;
    [[nodiscard]] std::string fieldName(std::int32_t index) const;
    /// By position from 0; throws 3265 when out of range, 3021 without a current record.
    [[nodiscard]] Variant field(std::int32_t index) const;
    /// By name without regard to case, the first match wins; "table.field" picks a table's field among
    /// fields of the same name. Throws 3265 for an unknown name.
    [[nodiscard]] Variant field(std::string_view name) const;
    /// The same fields read in place (see FieldView for how long a view stays valid); they fail as
    /// field() does.
    [[nodiscard]] FieldView fieldView(std::int32_t index) const;
    [[nodiscard]] FieldView fieldView(std::string_view name) const;
    /// Only between addNew()/edit() and update().
    void setField(std::string_view name, Variant value);

    /// Table record sets: choose an index by name ("PrimaryKey" for the primary key) and seek on it.
    void setIndex(std::string_view indexName);
    /// Comparison is one of "=", "<", "<=", ">", ">="; one key value per index column, leading ones.
    void seek(std::string_view comparison, const std::vector<Variant>& keys);
    /// Dynasets and snapshots: find a record matching a Jet criteria text.
    void findFirst(std::string_view criteria);
    void findNext(std::string_view criteria);
    void findPrevious(std::string_view criteria);
    void findLast(std::string_view criteria);
    /// After seek or a find: true when nothing matched (the position is then undefined as in DAO:
    /// for a find it stays where it was, for a seek there is no current record).
    [[nodiscard]] bool noMatch() const;

    void addNew();
    void edit();
    void update();
    void cancelUpdate();
    void deleteCurrent();

    void close();
    [[nodiscard]] bool isOpen() const;

private:
    std::unique_ptr<Impl> m_impl;
};

/// An open database file. Statements are Jet SQL; the layer translates them for SQLite.
class Database : public std::enable_shared_from_this<Database> {
public:
    class Impl;
    explicit Database(std::unique_ptr<Impl> impl);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    /// A table or stored-query name (without regard to case, optionally in brackets) opens a table
    /// record set (RecordsetType::Table; a stored query fails with 3219) or a dynaset/snapshot over
    /// it; anything else is a Jet SELECT statement (3219 with RecordsetType::Table). An unknown name
    /// fails with 3078.
    [[nodiscard]] std::shared_ptr<Recordset> openRecordset(std::string_view source,
                                                           RecordsetType type = RecordsetType::Dynaset);
    /// Runs one action statement (INSERT, UPDATE, DELETE, CREATE ...) in Jet SQL; a SELECT fails with
    /// 3065, a second statement after the first with 3142.
    void execute(std::string_view statement);
    [[nodiscard]] std::int32_t recordsAffected() const;

    /// Transactions nest; commit or rollback without one fails with 3034; closing rolls back.
    void beginTrans();
    void commitTrans();
    void rollback();

    /// For a scratch database that is made anew from its template whenever it is needed: its writes
    /// no longer wait for the disk, and a transaction keeps its rollback journal in memory. A crash
    /// during a write may leave the file damaged, which the next copy of the template replaces.
    void skipSync();

    [[nodiscard]] const std::string& name() const;
    [[nodiscard]] bool readOnly() const;
    [[nodiscard]] bool exclusive() const;
    void close();
    [[nodiscard]] bool isOpen() const;

private:
    std::unique_ptr<Impl> m_impl;
};

/// The hooks of platform::db::Transaction, so that a Transaction<Database> guards beginTrans.
inline void beginTransaction(Database& database) {
    database.beginTrans();
}
inline void commitTransaction(Database& database) {
    database.commitTrans();
}
inline void rollbackTransaction(Database& database) {
    database.rollback();
}

/// A session of one user of the workgroup file.
class Workspace : public std::enable_shared_from_this<Workspace> {
public:
    class Impl;
    explicit Workspace(std::unique_ptr<Impl> impl);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    /// A missing file fails with 3024, an empty or foreign one (not SQLite) with 3343, a file opened
    /// exclusively elsewhere (or opened at all, when `exclusive`) with 3045; nothing is ever created.
    /// A file that cannot be written opens read-only. `connect` is accepted and ignored.
    [[nodiscard]] std::shared_ptr<Database> openDatabase(const std::string& path, bool exclusive,
                                                         bool readOnly, std::string_view connect = {});
    [[nodiscard]] const std::string& name() const;
    [[nodiscard]] const std::string& userName() const;
    /// Closes the databases opened in it.
    void close();

private:
    std::unique_ptr<Impl> m_impl;
};

/// The engine: where the workgroup file is, and the factory of workspaces.
class DBEngine {
public:
    void setSystemDB(std::string path) { m_systemDB = std::move(path); }
    [[nodiscard]] const std::string& systemDB() const { return m_systemDB; }
    /// Fails with Jet's error 3029 for an unknown user or a wrong password, 3028 without a
    /// readable workgroup file. Without a workgroup file set, only the engine's default account
    /// "Admin" with an empty password logs on.
    [[nodiscard]] std::shared_ptr<Workspace> createWorkspace(const std::string& name, const std::string& user,
                                                             const std::string& password) const;

private:
    std::string m_systemDB;
};

/// A Jet text literal for user text: quoted, inner quotes doubled. User text reaches SQL only so.
[[nodiscard]] std::string quoteText(std::string_view text);

} // namespace platform::db
