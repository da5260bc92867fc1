#include "common/ProgramAccount.h"
#include "platform/db/WorkgroupFile.h"

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
