#pragma once

// The workgroup file (GK2007.LG): the accounts a workspace may log on with. A small text file of our
// own: a header line, then one line per account with the user name, the PBKDF2-HMAC-SHA-256 iteration
// count, a random salt and the derived hash (hex), separated by tabs. Passwords are never stored.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::db {

struct WorkgroupAccount {
    std::string user;
    std::string password;
};

class WorkgroupFile {
public:
    static constexpr std::uint32_t defaultIterations = 4096;

    /// Writes the accounts to `path` (through a temporary file, so a failure leaves any old file whole).
    /// Throws std::runtime_error when the file cannot be written or a user name is empty or holds a tab
    /// or line break; the error text never holds a password.
    static void write(const std::string& path, const std::vector<WorkgroupAccount>& accounts,
                      std::uint32_t iterations = defaultIterations);

    /// True when `user` (without regard to case) is an account of the file and `password` is its
    /// password. Throws CallError 3028 when the file is missing or is not a workgroup file.
    [[nodiscard]] static bool verify(const std::string& path, std::string_view user,
                                     std::string_view password);
};

} // namespace platform::db
