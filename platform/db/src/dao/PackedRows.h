#pragma once

// The rows a query record set keeps, packed: each row is a run of bytes (a type tag per value, then
// the integer as a variable-length number, the double or the text's length and bytes) in blocks of
// 64 KiB, found by one 64-bit position per row. A million rows of a dozen short fields take tens of
// megabytes instead of hundreds as vectors of variants, and are read back a value at a time.

#include "RecordsetImpl.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace platform::db {

class PackedRows {
public:
    explicit PackedRows(std::size_t columnCount = 0) : m_columnCount(columnCount) {}

    /// Adds the statement's current row, the columns from `firstColumn` on read as `columns` say.
    void appendFrom(sqlite3_stmt* stmt, int firstColumn, const std::vector<ColumnInfo>& columns);
    void append(const Row& row);
    /// Gives row `index` new values (the old bytes stay unused until clear).
    void replace(std::size_t index, const Row& row);

    [[nodiscard]] std::size_t size() const noexcept { return m_positions.size(); }
    [[nodiscard]] Variant value(std::size_t index, std::size_t column) const;
    /// The value in place: a text views the stored bytes (valid until the rows are cleared).
    [[nodiscard]] FieldView view(std::size_t index, std::size_t column) const;
    /// Where each value of row `index` starts, for reading several of its values by viewAt.
    void locate(std::size_t index, std::vector<const char*>& starts) const;
    /// The value that starts at a place `locate` gave, in place (valid until the rows are cleared).
    [[nodiscard]] static FieldView viewAt(const char* start);
    [[nodiscard]] Row row(std::size_t index) const;
    /// Forgets every row; the first block is kept for the next ones.
    void clear();

private:
    /// Room for `bytes` more in the last block (a new block when it is full).
    char* reserve(std::size_t bytes);
    void commit(char* rowStart, char* end);
    [[nodiscard]] const char* start(std::size_t index) const;

    static constexpr std::size_t kBlockSize = 64 * 1024;
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t capacity = 0;
        std::size_t used = 0;
    };
    std::size_t m_columnCount;
    std::vector<Block> m_blocks;
    std::vector<std::uint64_t> m_positions; // block index << 32 | offset in the block
    std::string m_scratch;                  // one row being encoded
};

} // namespace platform::db
