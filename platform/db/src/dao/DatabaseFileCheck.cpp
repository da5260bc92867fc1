#include "DatabaseFileCheck.h"

#include "Sqlite.h"
#include "platform/db/JetErrors.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace platform::db {
namespace {

constexpr std::size_t HeaderSize = 100;

std::uint32_t bigEndian(const std::array<unsigned char, HeaderSize>& header, std::size_t at,
                        std::size_t bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
        value = (value << 8) | header[at + i];
    }
    return value;
}

/// Whether the 100-byte header describes a file of this size: a page size SQLite writes, the fixed
/// payload fractions, whole pages, and at least as many pages as the header counts.
bool headerFitsSize(const std::array<unsigned char, HeaderSize>& header, std::uintmax_t fileSize) {
    std::uint32_t pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1) {
        pageSize = 65536;
    }
    const bool powerOfTwo = pageSize >= 512 && pageSize <= 65536 && (pageSize & (pageSize - 1)) == 0;
    if (!powerOfTwo || header[21] != 64 || header[22] != 32 || header[23] != 32) {
        return false;
    }
    if (fileSize < pageSize || fileSize % pageSize != 0) {
        return false;
    }
    // The page count is trustworthy only when the change counter agrees with its version field.
    const std::uint32_t pages = bigEndian(header, 28, 4);
    const bool countValid = pages != 0 && bigEndian(header, 24, 4) == bigEndian(header, 92, 4);
    return !countValid || static_cast<std::uintmax_t>(pages) * pageSize <= fileSize;
}

bool hasLeftOverJournal(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path + "-journal", ec);
    return !ec && size > 0;
}

[[noreturn]] void throwInterruptedWrite(const std::string& path, std::string_view source) {
    throw CallError(jet::CannotOpenDatabase, std::string(source),
                    "Cannot open database '" + path + "'. A write to it was interrupted and its journal '" +
                        path +
                        "-journal' is still beside it. Ask whoever installed the databases to "
                        "finish or undo that write; if no write to them was under way (the journal "
                        "came with a copy), remove the file '" +
                        path + "-journal' and start again.");
}

} // namespace

void checkDatabaseFile(const std::string& path, std::string_view source) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status) || std::filesystem::is_directory(status)) {
        throw jet::makeError(jet::FileNotFound, source, path);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw jet::makeError(jet::CannotOpenFile, source, path);
    }
    std::array<unsigned char, HeaderSize> header{};
    in.read(reinterpret_cast<char*>(header.data()), header.size());
    const auto read = static_cast<std::size_t>(in.gcount());
    static constexpr char sqliteHeader[] = "SQLite format 3"; // with its terminating zero: 16 bytes
    if (read < sizeof sqliteHeader || std::memcmp(header.data(), sqliteHeader, sizeof sqliteHeader) != 0) {
        throw jet::makeError(jet::UnrecognizedFormat, source, path);
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (read == header.size() && !ec && headerFitsSize(header, size)) {
        return;
    }
    // An interrupted write explains a file that does not fit its header: SQLite rolls it back with
    // the journal when it may write, and the schema read tells when it may not.
    if (hasLeftOverJournal(path)) {
        return;
    }
    throw jet::makeError(jet::UnrecognizedFormat, source, path);
}

void checkSchemaReadable(sqlite3* db, const std::string& path, std::string_view source) {
    // Reading every schema row walks the schema's pages and parses each definition.
    sqlite3_stmt* raw = nullptr;
    int rc =
        sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master WHERE sql IS NOT NULL", -1, &raw, nullptr);
    const StatementPtr stmt(raw);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt.get());
    }
    if (rc == SQLITE_ROW) {
        return;
    }
    const int primary = rc & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        throw jet::makeError(jet::FileInUse, source, path);
    }
    if (rc == SQLITE_READONLY_ROLLBACK || (primary == SQLITE_READONLY && hasLeftOverJournal(path))) {
        throwInterruptedWrite(path, source);
    }
    throw jet::makeError(jet::UnrecognizedFormat, source, path);
}

} // namespace platform::db
