#pragma once

// Splits one fuzzer input into texts: the parts between zero bytes, missing parts empty.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline std::vector<std::string> parts(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::vector<std::string> out(count);
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0; i < count; ++i) {
        const auto end = i + 1 == count ? std::string_view::npos : rest.find('\0');
        out[i] = std::string(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return out;
}

/// A finding: says what went wrong and stops, so libFuzzer keeps the input.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

} // namespace fuzz
