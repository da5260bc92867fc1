#pragma once

// The rows a query record set keeps, packed: each row is a run of bytes (a type tag per value, then
// the integer as a variable-length number, the double or the text's length and bytes) behind a
// small table of where each value starts, so that one value is read without passing the others.
// Rows are found by one 64-bit position per row in blocks that start small (a record set of a few
// rows allocates little) and double up to a huge page. A million rows of a dozen short fields take tens
// of megabytes instead of hundreds as vectors of variants, and are read back a value at a time.

#include "RecordsetImpl.h"

#include <cstddef>
#include <cstdint>
#include <memory>
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
    [[nodiscard]] Row row(std::size_t index) const;
    /// Forgets every row; the largest block is kept for the next ones.
    void clear();

private:
    /// Packs m_views as one more row.
    void appendViews();
    /// Room for `bytes` more in the last block (a new block when it is full).
    [[nodiscard]] char* room(std::size_t bytes);
    [[nodiscard]] const char* start(std::size_t index) const {
        const std::uint64_t position = m_positions[index];
        return m_blocks[position >> 32].bytes.get() + (position & 0xFFFFFFFFU);
    }
    /// The offsets a row stores: every value's but the first, which starts right after them.
    [[nodiscard]] std::size_t offsetCount() const noexcept {
        return m_columnCount > 0 ? m_columnCount - 1 : 0;
    }

    static constexpr std::size_t kFirstBlock = 4 * 1024;
    static constexpr std::size_t kHugePage = 2 * 1024 * 1024;
    static constexpr std::size_t kLargestBlock = kHugePage;
    /// Frees a block as `allocate` took it: from operator new or, huge-page aligned, from malloc.
    struct FreeBytes {
        bool aligned = false;
        void operator()(char* bytes) const noexcept;
    };
    using Bytes = std::unique_ptr<char[], FreeBytes>;
    /// A block of `capacity` bytes; from kHugePage on aligned and advised to the system as wanting
    /// huge pages, so that filling it faults once per huge page. Throws std::bad_alloc.
    [[nodiscard]] static Bytes allocate(std::size_t capacity);
    struct Block {
        Bytes bytes;
        std::size_t capacity = 0;
        std::size_t used = 0;
    };
    std::size_t m_columnCount;
    std::vector<Block> m_blocks;
    std::vector<std::uint64_t> m_positions; // block index << 32 | offset in the block
    std::vector<FieldView> m_views;         // the row being packed
};

} // namespace platform::db
