#pragma once

// Whole files as bytes, for tests that write, damage or compare them.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace test_support {

/// The file's bytes; empty when it cannot be read.
[[nodiscard]] std::string readBytes(const std::filesystem::path& file);
/// Writes `bytes` as the whole file, replacing what was there.
void writeBytes(const std::filesystem::path& file, const std::string& bytes);
/// `count` bytes of noise, the same on every run for the same seed.
[[nodiscard]] std::string randomBytes(std::size_t count, std::uint32_t seed = 20070101);

} // namespace test_support
