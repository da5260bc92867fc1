#include "DaoTestSupport.h"

#include <cstdio>
#include <fstream>
#include <sys/wait.h>

using daotest::errorNumber;
using namespace platform::db;

namespace {

// Runs the tool through the shell with `input` on its standard input; returns its exit code.
int runTool(const std::string& arguments, const std::string& input, std::string& errors,
            const daotest::TempFolder& dir) {
    const std::string inputFile = dir.file("stdin.txt");
    const std::string errorFile = dir.file("stderr.txt");
    std::ofstream(inputFile) << input;
    const std::string command = std::string("'") + GK_WORKGROUP_TOOL + "' " + arguments + " < '" + inputFile +
                                "' 2> '" + errorFile + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(errorFile);
    errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(WorkgroupTool, WritesAccountsWithPasswordsFromArgumentsOrStandardInput) {
    const daotest::TempFolder dir;
    const std::string path = dir.file("GK2007.LG");
    std::string errors;
    ASSERT_EQ(runTool("'" + path + "' GK2007PRG - Admin ''", "from-stdin-secret\n", errors, dir), 0)
        << errors;
    DBEngine engine;
    engine.setSystemDB(path);
    EXPECT_EQ(errorNumber(
                  [&] { static_cast<void>(engine.createWorkspace("w", "GK2007PRG", "from-stdin-secret")); }),
              0);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(engine.createWorkspace("w", "admin", "")); }), 0);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(engine.createWorkspace("w", "GK2007PRG", "-")); }),
              jet::BadAccount);
}

TEST(WorkgroupTool, BadArgumentsFailWithoutWritingAndWithoutEchoingThePassword) {
    const daotest::TempFolder dir;
    const std::string path = dir.file("GK2007.LG");
    std::string errors;
    EXPECT_EQ(runTool("'" + path + "' onlyuser", "", errors, dir), 2);
    EXPECT_NE(errors.find("usage"), std::string::npos);
    EXPECT_NE(runTool("'" + path + "' 'bad\tuser' very-secret-word", "", errors, dir), 0);
    EXPECT_EQ(errors.find("very-secret-word"), std::string::npos) << errors;
    EXPECT_NE(runTool("'" + path + "' user -", "", errors, dir), 0); // no line on standard input
    EXPECT_FALSE(std::filesystem::exists(path));
}
