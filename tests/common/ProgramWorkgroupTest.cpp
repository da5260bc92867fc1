#include "common/ProgramAccount.h"
#include "platform/db/Dao.h"
#include "platform/db/WorkgroupFile.h"
#include "test_support/TestEnvironment.h"

#include <gtest/gtest.h>

// The workgroup file the build writes must let the libraries log on with their own account, and
// nobody with a wrong password.
TEST(ProgramWorkgroup, BuiltFileAcceptsTheProgramAccountOnly) {
    using orvik::common::ProgramPassword;
    using orvik::common::ProgramUser;
    using platform::db::WorkgroupFile;
    EXPECT_TRUE(WorkgroupFile::verify(GK_BUILT_WORKGROUP_FILE, ProgramUser, ProgramPassword));
    EXPECT_TRUE(WorkgroupFile::verify(GK_BUILT_WORKGROUP_FILE, "gk2007prg", ProgramPassword));
    EXPECT_FALSE(WorkgroupFile::verify(GK_BUILT_WORKGROUP_FILE, ProgramUser, "Gk2007-Prg!Wg#19xQZ"));
    EXPECT_FALSE(WorkgroupFile::verify(GK_BUILT_WORKGROUP_FILE, "admin", ProgramPassword));
}

TEST(ProgramWorkgroup, RefusedLogonDoesNotNameThePassword) {
    using orvik::common::ProgramPassword;
    using orvik::common::ProgramUser;
    const test_support::ScopedHome folder;
    const auto other = (folder.path() / "other.LG").string();
    platform::db::WorkgroupFile::write(other, {{std::string(ProgramUser), "another password"}});
    for (const std::string& systemDb : {other, (folder.path() / "missing.LG").string()}) {
        platform::db::DBEngine engine;
        engine.setSystemDB(systemDb);
        try {
            (void)engine.createWorkspace("Language", std::string(ProgramUser), std::string(ProgramPassword));
            ADD_FAILURE() << "logged on with " << systemDb;
        } catch (const platform::CallError& e) {
            EXPECT_EQ(e.description().find(ProgramPassword), std::string::npos) << e.description();
            EXPECT_EQ(e.source().find(ProgramPassword), std::string::npos);
        }
    }
}
