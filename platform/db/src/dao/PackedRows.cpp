#include "PackedRows.h"

#include <algorithm>
#include <cstring>
#include <sqlite3.h>

namespace platform::db {
namespace {

enum Tag : char { TagEmpty, TagNull, TagInteger, TagDouble, TagText, TagFalse, TagTrue, TagDate };

void putVarint(std::string& out, std::uint64_t v) {
    while (v >= 0x80) {
        out += static_cast<char>((v & 0x7F) | 0x80);
        v >>= 7;
    }
    out += static_cast<char>(v);
}

std::uint64_t getVarint(const char*& p) {
    std::uint64_t v = 0;
    int shift = 0;
    while (true) {
        const auto byte = static_cast<unsigned char>(*p++);
        v |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            return v;
        }
        shift += 7;
    }
}

// Small negative numbers stay short too.
std::uint64_t zigzag(std::int64_t v) {
    return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}

std::int64_t unzigzag(std::uint64_t v) {
    return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

void putInteger(std::string& out, std::int64_t v) {
    out += TagInteger;
    putVarint(out, zigzag(v));
}

void putDouble(std::string& out, double v) {
    out += TagDouble;
    char bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    out.append(bytes, sizeof v);
}

void putText(std::string& out, std::string_view text) {
    out += TagText;
    putVarint(out, text.size());
    out.append(text);
}

void putView(std::string& out, const FieldView& v) {
    switch (v.type()) {
    case Variant::Type::Empty:
        out += TagEmpty;
        break;
    case Variant::Type::Null:
        out += TagNull;
        break;
    case Variant::Type::Integer:
        putInteger(out, v.asInteger());
        break;
    case Variant::Type::Double:
        putDouble(out, v.asDouble());
        break;
    case Variant::Type::Text:
        putText(out, v.asText());
        break;
    case Variant::Type::Boolean:
        out += v.asBoolean() ? TagTrue : TagFalse;
        break;
    case Variant::Type::Date: {
        const Date& d = v.asDate();
        out += TagDate;
        for (const int part : {d.year, d.month, d.day, d.hour, d.minute, d.second}) {
            putVarint(out, zigzag(part));
        }
        break;
    }
    }
}

/// Reads the value at `p` in place and moves past it.
FieldView getView(const char*& p) {
    const char tag = *p++;
    switch (tag) {
    case TagEmpty:
        return FieldView();
    case TagNull:
        return FieldView::null();
    case TagInteger:
        return FieldView(unzigzag(getVarint(p)));
    case TagDouble: {
        double v = 0;
        std::memcpy(&v, p, sizeof v);
        p += sizeof v;
        return FieldView(v);
    }
    case TagText: {
        const std::size_t size = getVarint(p);
        const char* text = p;
        p += size;
        return FieldView(std::string_view(text, size));
    }
    case TagFalse:
        return FieldView(false);
    case TagTrue:
        return FieldView(true);
    default: {
        int parts[6];
        for (int& part : parts) {
            part = static_cast<int>(unzigzag(getVarint(p)));
        }
        return FieldView(Date{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]});
    }
    }
}

} // namespace

void PackedRows::appendFrom(sqlite3_stmt* stmt, int firstColumn, const std::vector<ColumnInfo>& columns) {
    m_scratch.clear();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        putView(m_scratch, columnView(stmt, firstColumn + static_cast<int>(i), columns[i].kind));
    }
    char* at = reserve(m_scratch.size());
    std::memcpy(at, m_scratch.data(), m_scratch.size());
    commit(at, at + m_scratch.size());
}

void PackedRows::append(const Row& row) {
    m_scratch.clear();
    for (const Variant& v : row) {
        putView(m_scratch, FieldView(v));
    }
    char* at = reserve(m_scratch.size());
    std::memcpy(at, m_scratch.data(), m_scratch.size());
    commit(at, at + m_scratch.size());
}

void PackedRows::replace(std::size_t index, const Row& row) {
    append(row);
    m_positions[index] = m_positions.back();
    m_positions.pop_back();
}

char* PackedRows::reserve(std::size_t bytes) {
    if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < bytes) {
        const std::size_t capacity = std::max(kBlockSize, bytes);
        m_blocks.push_back(Block{std::make_unique_for_overwrite<char[]>(capacity), capacity, 0});
    }
    Block& block = m_blocks.back();
    return block.bytes.get() + block.used;
}

void PackedRows::commit(char* rowStart, char* end) {
    Block& block = m_blocks.back();
    const auto offset = static_cast<std::uint64_t>(rowStart - block.bytes.get());
    m_positions.push_back((static_cast<std::uint64_t>(m_blocks.size() - 1) << 32) | offset);
    block.used = static_cast<std::size_t>(end - block.bytes.get());
}

const char* PackedRows::start(std::size_t index) const {
    const std::uint64_t position = m_positions[index];
    return m_blocks[position >> 32].bytes.get() + (position & 0xFFFFFFFFU);
}

FieldView PackedRows::view(std::size_t index, std::size_t column) const {
    const char* p = start(index);
    for (std::size_t c = 0; c < column; ++c) {
        static_cast<void>(getView(p));
    }
    return getView(p);
}

Variant PackedRows::value(std::size_t index, std::size_t column) const {
    return view(index, column).toVariant();
}

void PackedRows::locate(std::size_t index, std::vector<const char*>& starts) const {
    starts.clear();
    const char* p = start(index);
    for (std::size_t c = 0; c < m_columnCount; ++c) {
        starts.push_back(p);
        static_cast<void>(getView(p));
    }
}

FieldView PackedRows::viewAt(const char* start) {
    return getView(start);
}

Row PackedRows::row(std::size_t index) const {
    const char* p = start(index);
    Row row;
    row.reserve(m_columnCount);
    for (std::size_t c = 0; c < m_columnCount; ++c) {
        row.push_back(getView(p).toVariant());
    }
    return row;
}

void PackedRows::clear() {
    m_positions.clear();
    if (m_blocks.size() > 1) {
        m_blocks.erase(m_blocks.begin() + 1, m_blocks.end());
    }
    if (!m_blocks.empty()) {
        m_blocks.front().used = 0;
    }
}

} // namespace platform::db
