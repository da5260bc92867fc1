#include "PackedRows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sqlite3.h>
#include <sys/mman.h>

namespace platform::db {
namespace {

enum Tag : char { TagEmpty, TagNull, TagInteger, TagDouble, TagText, TagFalse, TagTrue, TagDate };

constexpr std::size_t kVarintMax = 10;      // a 64-bit number, 7 bits a byte
constexpr std::size_t kDateMax = 1 + 6 * 5; // six ints, each at most 33 bits once zigzagged

char* putVarint(char* out, std::uint64_t v) {
    while (v >= 0x80) {
        *out++ = static_cast<char>((v & 0x7F) | 0x80);
        v >>= 7;
    }
    *out++ = static_cast<char>(v);
    return out;
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

/// The most bytes putView can write for the value, known before writing it.
std::size_t worstSize(const FieldView& v) {
    switch (v.type()) {
    case Variant::Type::Integer:
        return 1 + kVarintMax;
    case Variant::Type::Double:
        return 1 + sizeof(double);
    case Variant::Type::Text:
        return 1 + kVarintMax + v.asText().size();
    case Variant::Type::Date:
        return kDateMax;
    default:
        return 1;
    }
}

char* putView(char* out, const FieldView& v) {
    switch (v.type()) {
    case Variant::Type::Empty:
        *out++ = TagEmpty;
        return out;
    case Variant::Type::Null:
        *out++ = TagNull;
        return out;
    case Variant::Type::Integer:
        *out++ = TagInteger;
        return putVarint(out, zigzag(v.asInteger()));
    case Variant::Type::Double: {
        *out++ = TagDouble;
        const double d = v.asDouble();
        std::memcpy(out, &d, sizeof d);
        return out + sizeof d;
    }
    case Variant::Type::Text: {
        const std::string_view text = v.asText();
        *out++ = TagText;
        out = putVarint(out, text.size());
        if (!text.empty()) {
            std::memcpy(out, text.data(), text.size());
        }
        return out + text.size();
    }
    case Variant::Type::Boolean:
        *out++ = v.asBoolean() ? TagTrue : TagFalse;
        return out;
    case Variant::Type::Date: {
        const Date& d = v.asDate();
        *out++ = TagDate;
        for (const int part : {d.year, d.month, d.day, d.hour, d.minute, d.second}) {
            out = putVarint(out, zigzag(part));
        }
        return out;
    }
    }
    return out;
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

// A row's offsets take 1, 2 or 4 bytes each, as its size needs; the row's first byte says which.
void putOffset(char* at, std::size_t width, std::size_t offset) {
    if (width == 1) {
        *at = static_cast<char>(offset);
    } else if (width == 2) {
        const auto v = static_cast<std::uint16_t>(offset);
        std::memcpy(at, &v, sizeof v);
    } else {
        const auto v = static_cast<std::uint32_t>(offset);
        std::memcpy(at, &v, sizeof v);
    }
}

std::size_t getOffset(const char* at, std::size_t width) {
    if (width == 1) {
        return static_cast<unsigned char>(*at);
    }
    if (width == 2) {
        std::uint16_t v = 0;
        std::memcpy(&v, at, sizeof v);
        return v;
    }
    std::uint32_t v = 0;
    std::memcpy(&v, at, sizeof v);
    return v;
}

std::size_t offsetWidth(std::size_t valueBytes) {
    if (valueBytes <= 0xFF) {
        return 1;
    }
    return valueBytes <= 0xFFFF ? 2 : 4;
}

} // namespace

void PackedRows::FreeBytes::operator()(char* bytes) const noexcept {
    if (aligned) {
        std::free(bytes);
    } else {
        ::operator delete(bytes);
    }
}

void PackedRows::appendFrom(sqlite3_stmt* stmt, int firstColumn, const std::vector<ColumnInfo>& columns) {
    m_views.resize(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        m_views[i] = columnView(stmt, firstColumn + static_cast<int>(i), columns[i].kind);
    }
    appendViews();
}

void PackedRows::append(const Row& row) {
    m_views.resize(row.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        m_views[i] = FieldView(row[i]);
    }
    appendViews();
}

void PackedRows::appendViews() {
    // Room for the worst case first, so that the values are written where they stay.
    std::size_t bound = 0;
    for (const FieldView& v : m_views) {
        bound += worstSize(v);
    }
    const std::size_t width = offsetWidth(bound);
    const std::size_t header = 1 + offsetCount() * width;
    char* const row = room(header + bound);
    row[0] = static_cast<char>(width);
    char* const values = row + header;
    char* end = values;
    for (std::size_t c = 0; c < m_views.size(); ++c) {
        if (c > 0) {
            putOffset(row + 1 + (c - 1) * width, width, static_cast<std::size_t>(end - values));
        }
        end = putView(end, m_views[c]);
    }
    Block& block = m_blocks.back();
    const auto offset = static_cast<std::uint64_t>(row - block.bytes.get());
    m_positions.push_back((static_cast<std::uint64_t>(m_blocks.size() - 1) << 32) | offset);
    block.used = static_cast<std::size_t>(end - block.bytes.get());
}

void PackedRows::replace(std::size_t index, const Row& row) {
    append(row);
    m_positions[index] = m_positions.back();
    m_positions.pop_back();
}

char* PackedRows::room(std::size_t bytes) {
    if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < bytes) {
        const std::size_t grown =
            m_blocks.empty() ? kFirstBlock : std::min(kLargestBlock, 2 * m_blocks.back().capacity);
        // A larger block is rounded up to whole huge pages: it costs no more memory once touched.
        std::size_t capacity = std::max(grown, bytes);
        if (capacity >= kHugePage) {
            capacity = (capacity + kHugePage - 1) / kHugePage * kHugePage;
        }
        m_blocks.push_back(Block{allocate(capacity), capacity, 0});
    }
    Block& block = m_blocks.back();
    return block.bytes.get() + block.used;
}

PackedRows::Bytes PackedRows::allocate(std::size_t capacity) {
    if (capacity < kHugePage) {
        return Bytes(static_cast<char*>(::operator new(capacity)), FreeBytes{false});
    }
    // Filled by 4 KiB pages, a million rows would fault tens of thousands of times.
    void* bytes = std::aligned_alloc(kHugePage, capacity);
    if (bytes == nullptr) {
        throw std::bad_alloc();
    }
#ifdef MADV_HUGEPAGE
    static_cast<void>(madvise(bytes, capacity, MADV_HUGEPAGE)); // only advice: without, small pages
#endif
    return Bytes(static_cast<char*>(bytes), FreeBytes{true});
}

FieldView PackedRows::view(std::size_t index, std::size_t column) const {
    const char* row = start(index);
    const auto width = static_cast<std::size_t>(static_cast<unsigned char>(row[0]));
    const char* values = row + 1 + offsetCount() * width;
    const char* p = column == 0 ? values : values + getOffset(row + 1 + (column - 1) * width, width);
    return getView(p);
}

Variant PackedRows::value(std::size_t index, std::size_t column) const {
    return view(index, column).toVariant();
}

Row PackedRows::row(std::size_t index) const {
    const char* row = start(index);
    const auto width = static_cast<std::size_t>(static_cast<unsigned char>(row[0]));
    const char* p = row + 1 + offsetCount() * width;
    Row values;
    values.reserve(m_columnCount);
    for (std::size_t c = 0; c < m_columnCount; ++c) {
        values.push_back(getView(p).toVariant());
    }
    return values;
}

void PackedRows::clear() {
    m_positions.clear();
    if (m_blocks.empty()) {
        return;
    }
    const auto largest =
        std::max_element(m_blocks.begin(), m_blocks.end(),
                         [](const Block& a, const Block& b) { return a.capacity < b.capacity; });
    if (largest != m_blocks.begin()) {
        std::swap(m_blocks.front(), *largest);
    }
    m_blocks.erase(m_blocks.begin() + 1, m_blocks.end());
    m_blocks.front().used = 0;
}

} // namespace platform::db
