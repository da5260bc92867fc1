#include "platform/db/WorkgroupFile.h"

#include "Sha256.h"
#include "platform/db/JetErrors.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>

namespace platform::db {
namespace {

constexpr std::string_view header = "GK-WORKGROUP 1";
constexpr std::size_t saltBytes = 16;

std::span<const std::uint8_t> bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string toHex(std::span<const std::uint8_t> data) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(data.size() * 2);
    for (const std::uint8_t b : data) {
        out += digits[b >> 4];
        out += digits[b & 0x0f];
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> fromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        return -1;
    };
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = nibble(hex[i]);
        const int lo = nibble(hex[i + 1]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        out.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    return out;
}

bool sameUser(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// Constant time, so the comparison tells nothing about how much of a guess was right.
bool sameDigest(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    if (a.size() != b.size()) {
        return false;
    }
    std::uint8_t diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        diff |= static_cast<std::uint8_t>(a[i] ^ b[i]);
    }
    return diff == 0;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        parts.push_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) {
            return parts;
        }
        start = tab + 1;
    }
}

std::vector<std::uint8_t> randomSalt() {
    std::random_device device;
    std::vector<std::uint8_t> salt(saltBytes);
    for (auto& b : salt) {
        b = static_cast<std::uint8_t>(device());
    }
    return salt;
}

[[noreturn]] void missingFile() {
    throw jet::makeError(jet::WorkgroupFileMissing, "DAO.DBEngine");
}

} // namespace

void WorkgroupFile::write(const std::string& path, const std::vector<WorkgroupAccount>& accounts,
                          std::uint32_t iterations) {
    if (iterations == 0) {
        throw std::runtime_error("The iteration count must be positive.");
    }
    std::ostringstream text;
    text << header << '\n';
    for (const WorkgroupAccount& account : accounts) {
        if (account.user.empty() || account.user.find_first_of("\t\r\n") != std::string::npos) {
            throw std::runtime_error("Invalid user name in the workgroup file: '" + account.user + "'.");
        }
        const std::vector<std::uint8_t> salt = randomSalt();
        const Sha256Digest hash = pbkdf2Sha256(bytes(account.password), salt, iterations);
        text << account.user << '\t' << iterations << '\t' << toHex(salt) << '\t' << toHex(hash) << '\n';
    }
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text.str();
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            throw std::runtime_error("Cannot write the workgroup file '" + path + "'.");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        throw std::runtime_error("Cannot write the workgroup file '" + path + "': " + ec.message());
    }
}

bool WorkgroupFile::verify(const std::string& path, std::string_view user, std::string_view password) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        missingFile();
    }
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line) || line != header) {
        missingFile();
    }
    while (std::getline(in, line)) {
        const std::vector<std::string_view> parts = splitTabs(line);
        if (parts.size() != 4) {
            missingFile();
        }
        if (!sameUser(parts[0], user)) {
            continue;
        }
        std::uint32_t iterations = 0;
        for (const char c : parts[1]) {
            if (c < '0' || c > '9' || iterations > 100'000'000) {
                missingFile();
            }
            iterations = iterations * 10 + static_cast<std::uint32_t>(c - '0');
        }
        const auto salt = fromHex(parts[2]);
        const auto hash = fromHex(parts[3]);
        if (iterations == 0 || !salt || !hash) {
            missingFile();
        }
        return sameDigest(pbkdf2Sha256(bytes(password), *salt, iterations), *hash);
    }
    return false;
}

} // namespace platform::db
