#pragma once

// The common part of every record set kind: columns and field access, the edit buffer of
// AddNew/Edit/Update, and the checks every call makes. The kinds supply navigation and rows.

#include "ColumnInfo.h"
#include "Connection.h"
#include "platform/db/Dao.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::db {

using Row = std::vector<Variant>;

inline constexpr std::string_view recordsetSource = "DAO.Recordset";

enum class FindDirection { First, Next, Previous, Last };

class Recordset::Impl {
public:
    Impl(std::shared_ptr<Database> owner, std::shared_ptr<Connection> connection, RecordsetType type);
    virtual ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    [[nodiscard]] RecordsetType type() const { return m_type; }

    [[nodiscard]] virtual bool bof() const = 0;
    [[nodiscard]] virtual bool eof() const = 0;
    virtual void moveFirst() = 0;
    virtual void moveNext() = 0;
    virtual void movePrevious() = 0;
    virtual void moveLast() = 0;
    [[nodiscard]] virtual std::int32_t recordCount() = 0;
    [[nodiscard]] virtual std::int32_t absolutePosition() = 0;
    virtual void setAbsolutePosition(std::int32_t position) = 0;
    virtual bool countInBackground() { return false; }
    [[nodiscard]] virtual bool countReady() const { return true; }

    virtual void setIndex(std::string_view indexName);
    virtual void seek(std::string_view comparison, const std::vector<Variant>& keys);
    virtual void find(FindDirection direction, std::string_view criteria);
    [[nodiscard]] bool noMatch() const;

    [[nodiscard]] std::int32_t fieldCount() const;
    [[nodiscard]] std::string fieldName(std::int32_t index) const;
    [[nodiscard]] Variant field(std::int32_t index) const;
    [[nodiscard]] Variant field(std::string_view name) const;
    [[nodiscard]] FieldView fieldView(std::int32_t index) const;
    [[nodiscard]] FieldView fieldView(std::string_view name) const;
    void setField(std::string_view name, Variant value);

    void addNew();
    void edit();
    void update();
    void cancelUpdate();
    void deleteCurrent();

    void close();
    [[nodiscard]] bool isOpen() const;

protected:
    enum class EditMode { None, Edit, AddNew };

    /// The current record's values; nullptr without a current record. Deleted rows are current too.
    [[nodiscard]] virtual const Row* currentRow() const = 0;
    /// One value of the current record in place; throws as a field read without a current record
    /// does. The default views it in currentRow().
    [[nodiscard]] virtual FieldView currentView(std::size_t index) const;
    [[nodiscard]] virtual bool currentDeleted() const = 0;
    /// The rowid of the current record in the base table; nullopt when it cannot be found (deleted
    /// by someone else).
    [[nodiscard]] virtual std::optional<std::int64_t> currentRowid() = 0;
    [[nodiscard]] virtual bool updatable() const = 0;
    virtual void afterUpdate(EditMode mode, std::int64_t rowid, Row row) = 0;
    virtual void afterDelete() = 0;
    /// Frees what the kind holds (statements, cached rows) when the record set is closed.
    virtual void release() {}

    [[nodiscard]] sqlite3* db() const;
    void checkOpen() const;
    /// Moving away from the record drops a pending AddNew or Edit, as DAO does.
    void dropEdit();
    void setNoMatch(bool value) { m_noMatch = value; }
    [[nodiscard]] int columnIndex(std::string_view name) const;
    /// Reads the columns of this record set from `stmt`, starting at `firstColumn`.
    [[nodiscard]] Row readRow(sqlite3_stmt* stmt, int firstColumn) const;
    /// Reads the base-table columns of one row back after it was written; other columns keep
    /// the values of `row`.
    [[nodiscard]] Row readBack(std::int64_t rowid, Row row) const;
    [[nodiscard]] const std::shared_ptr<Connection>& connection() const { return m_connection; }

    std::vector<ColumnInfo> m_columns;
    std::string m_baseTable; // the table edits go to; empty when nothing is updatable

private:
    [[nodiscard]] const Row& requireCurrent() const;
    /// 3027 for an edit this record set does not allow.
    [[nodiscard]] platform::CallError readOnlyError() const;
    /// The column of a field position; 3265 when out of range.
    [[nodiscard]] std::size_t fieldIndex(std::int32_t index) const;

    std::shared_ptr<Database> m_owner; // keeps the database alive while the record set lives
    std::shared_ptr<Connection> m_connection;
    RecordsetType m_type;
    bool m_open = true;
    bool m_noMatch = false;
    EditMode m_editMode = EditMode::None;
    Row m_buffer;
    std::vector<bool> m_changed;
};

} // namespace platform::db
