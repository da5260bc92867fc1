#include "DaoTestSupport.h"
#include "dao/Sha256.h"
#include "platform/db/WorkgroupFile.h"
#include "test_support/Files.h"

#include <fstream>
#include <sstream>

using daotest::errorNumber;
using namespace platform::db;
using platform::Variant;

namespace {

std::string hex(const Sha256Digest& d) {
    std::ostringstream out;
    for (const auto b : d) {
        out << "0123456789abcdef"[b >> 4] << "0123456789abcdef"[b & 15];
    }
    return out.str();
}

std::span<const std::uint8_t> bytes(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

constexpr const char* secret = "Pass-Word_2007:xyz!";

} // namespace

TEST(Sha256, MatchesPublishedVectors) {
    EXPECT_EQ(hex(sha256(bytes(""))), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hex(sha256(bytes("abc"))), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hex(sha256(bytes("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"))),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(hex(sha256(bytes(std::string(1000, 'a')))),
              "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3");
    EXPECT_EQ(hex(hmacSha256(bytes("key"), bytes("The quick brown fox jumps over the lazy dog"))),
              "f7bc83f430538424b13298e6aa6fb143ef4d59a14946175997479dbc2d1a3cd8");
    EXPECT_EQ(hex(pbkdf2Sha256(bytes("passwd"), bytes("salt"), 1)),
              "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc");
    EXPECT_EQ(hex(pbkdf2Sha256(bytes("password"), bytes("salt"), 4096)),
              "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
}

TEST(Workgroup, AccountsLogOnOnlyWithTheirPassword) {
    const daotest::TempFolder dir;
    const std::string path = dir.file("GK2007.LG");
    WorkgroupFile::write(path, {{"GK2007PRG", secret}, {"other", ""}}, 64);
    DBEngine engine;
    engine.setSystemDB(path);
    struct Case {
        const char* user;
        std::string password;
        int number;
    };
    const Case cases[] = {
        {"GK2007PRG", secret, 0},
        {"gk2007prg", secret, 0},                              // user names ignore case
        {"GK2007PRG", "pass-word_2007:xyz!", jet::BadAccount}, // passwords do not
        {"GK2007PRG", "", jet::BadAccount},
        {"GK2007PRG", std::string(secret) + " ", jet::BadAccount},
        {"nobody", secret, jet::BadAccount},
        {"other", "", 0},
        {"other", "x", jet::BadAccount},
        {"Admin", "", jet::BadAccount}, // the default account exists only without a workgroup file
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.user) + "/" + c.password);
        EXPECT_EQ(errorNumber([&] { static_cast<void>(engine.createWorkspace("w", c.user, c.password)); }),
                  c.number);
    }
    const auto ws = engine.createWorkspace("User", "GK2007PRG", secret);
    EXPECT_EQ(ws->name(), "User");
    EXPECT_EQ(ws->userName(), "GK2007PRG");
}

TEST(Workgroup, NeitherFileNorErrorTextHoldsThePassword) {
    const daotest::TempFolder dir;
    const std::string path = dir.file("GK2007.LG");
    WorkgroupFile::write(path, {{"GK2007PRG", secret}});
    EXPECT_EQ(test_support::readBytes(path).find(secret), std::string::npos);
    DBEngine engine;
    engine.setSystemDB(path);
    try {
        static_cast<void>(engine.createWorkspace("w", "GK2007PRG", std::string(secret) + "x"));
        FAIL();
    } catch (const platform::CallError& e) {
        EXPECT_EQ(e.description(), "Not a valid account name or password.");
        EXPECT_EQ(e.description().find(secret), std::string::npos);
    }
    // Two files for the same account differ: the salt is random.
    const std::string again = dir.file("again.LG");
    WorkgroupFile::write(again, {{"GK2007PRG", secret}});
    EXPECT_NE(test_support::readBytes(path), test_support::readBytes(again));
}

TEST(Workgroup, MissingOrForeignFileFailsWith3028) {
    const daotest::TempFolder dir;
    const std::string garbage = dir.file("garbage.LG");
    std::ofstream(garbage) << "GK-WORKGROUP 1\nuser\tnot-a-number\tzz\tzz\n";
    const std::string foreign = dir.file("system.mdw");
    std::ofstream(foreign) << std::string("\0\1\0\0Standard Jet DB\0", 20);
    for (const std::string& path : {dir.file("missing.LG"), garbage, foreign, dir.path().string()}) {
        SCOPED_TRACE(path);
        DBEngine engine;
        engine.setSystemDB(path);
        EXPECT_EQ(errorNumber([&] { static_cast<void>(engine.createWorkspace("w", "user", "")); }),
                  jet::WorkgroupFileMissing);
    }
}

TEST(Workgroup, WithoutWorkgroupFileOnlyTheDefaultAccountLogsOn) {
    const DBEngine engine;
    EXPECT_EQ(errorNumber([&] { static_cast<void>(engine.createWorkspace("w", "admin", "")); }), 0);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(engine.createWorkspace("w", "Admin", "x")); }),
              jet::BadAccount);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(engine.createWorkspace("w", "GK2007PRG", secret)); }),
              jet::BadAccount);
}

TEST(Workgroup, WriterRejectsUnusableUserNamesAndKeepsTheOldFile) {
    const daotest::TempFolder dir;
    const std::string path = dir.file("GK2007.LG");
    WorkgroupFile::write(path, {{"first", "a"}});
    const std::string before = test_support::readBytes(path);
    for (const char* user : {"", "tab\there", "line\nbreak"}) {
        try {
            WorkgroupFile::write(path, {{"ok", "a"}, {user, secret}});
            ADD_FAILURE() << user;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).find(secret), std::string::npos);
        }
    }
    EXPECT_EQ(test_support::readBytes(path), before);
}
