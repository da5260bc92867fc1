#pragma once

// SHA-256, HMAC-SHA-256 and PBKDF2 over it, for the workgroup file's password hashes.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace platform::db {

using Sha256Digest = std::array<std::uint8_t, 32>;

class Sha256 {
public:
    Sha256();
    void update(std::span<const std::uint8_t> data);
    [[nodiscard]] Sha256Digest finish();

private:
    void compress(const std::uint8_t* block);

    std::array<std::uint32_t, 8> m_state{};
    std::array<std::uint8_t, 64> m_buffer{};
    std::size_t m_buffered = 0;
    std::uint64_t m_length = 0;
};

[[nodiscard]] Sha256Digest sha256(std::span<const std::uint8_t> data);
[[nodiscard]] Sha256Digest hmacSha256(std::span<const std::uint8_t> key,
                                      std::span<const std::uint8_t> message);
/// One block of PBKDF2-HMAC-SHA-256 output (32 bytes), all this file format needs.
[[nodiscard]] Sha256Digest pbkdf2Sha256(std::span<const std::uint8_t> password,
                                        std::span<const std::uint8_t> salt, std::uint32_t iterations);

} // namespace platform::db
