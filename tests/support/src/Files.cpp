#include "test_support/Files.h"

#include <fstream>
#include <iterator>
#include <random>

namespace test_support {

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string randomBytes(std::size_t count, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::string out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        out += static_cast<char>(generator() & 0xff);
    }
    return out;
}

} // namespace test_support
