#include "SideFile.h"

#include <cstdio>

namespace platform {
namespace {

constexpr std::size_t kNameMax = 255;
constexpr std::size_t kHashMark = 9; // "~" and eight hex digits

bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::filesystem::path resolvedFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_symlink(file, ec)) {
        const auto target = std::filesystem::weakly_canonical(file, ec);
        if (!ec) {
            return target;
        }
    }
    return file;
}

std::uint64_t stableHash(std::string_view text) noexcept {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

std::string sideFilePrefix(const std::filesystem::path& file, std::size_t suffixBytes) {
    const std::string name = file.filename().string();
    const std::size_t room = kNameMax - 1 - suffixBytes;
    if (name.size() <= room) {
        return "." + name;
    }
    std::size_t kept = room - kHashMark;
    while (kept > 0 && continuesCharacter(name[kept])) {
        --kept;
    }
    char mark[kHashMark + 1];
    std::snprintf(mark, sizeof mark, "~%08x", static_cast<unsigned>(stableHash(name) & 0xffffffffU));
    return "." + name.substr(0, kept) + mark;
}

} // namespace platform
