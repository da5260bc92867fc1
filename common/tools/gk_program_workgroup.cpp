// Writes the program's workgroup file with the program's own account: gk_program_workgroup OUTPUT
// The account comes from the same constants the libraries log on with, so the two never disagree and
// the password never appears on a command line or in a build log.

#include "common/ProgramAccount.h"
#include "platform/db/WorkgroupFile.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gk_program_workgroup OUTPUT\n";
        return 2;
    }
    try {
        platform::db::WorkgroupFile::write(argv[1], {{std::string(orvik::common::ProgramUser),
                                                      std::string(orvik::common::ProgramPassword)}});
    } catch (const std::exception& e) {
        std::cerr << "gk_program_workgroup: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
