// Writes a workgroup file: gk_workgroup OUTPUT USER PASSWORD [USER PASSWORD ...]
// A PASSWORD of "-" is read from one line of standard input. Passwords are never printed.

#include "platform/db/WorkgroupFile.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 4 || (argc - 2) % 2 != 0) {
        std::cerr << "usage: gk_workgroup OUTPUT USER PASSWORD [USER PASSWORD ...]\n"
                     "       a PASSWORD of - is read from one line of standard input\n";
        return 2;
    }
    std::vector<platform::db::WorkgroupAccount> accounts;
    for (int i = 2; i + 1 < argc; i += 2) {
        platform::db::WorkgroupAccount account{argv[i], argv[i + 1]};
        if (account.password == "-") {
            if (!std::getline(std::cin, account.password)) {
                std::cerr << "gk_workgroup: no password on standard input for user " << account.user << "\n";
                return 1;
            }
            if (!account.password.empty() && account.password.back() == '\r') {
                account.password.pop_back();
            }
        }
        accounts.push_back(std::move(account));
    }
    try {
        platform::db::WorkgroupFile::write(argv[1], accounts);
    } catch (const std::exception& e) {
        std::cerr << "gk_workgroup: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
