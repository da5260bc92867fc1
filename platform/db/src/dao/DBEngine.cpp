#include "Opening.h"
#include "Sqlite.h"
#include "platform/db/Dao.h"
#include "platform/db/JetErrors.h"
#include "platform/db/WorkgroupFile.h"

namespace platform::db {

std::shared_ptr<Workspace> DBEngine::createWorkspace(const std::string& name, const std::string& user,
                                                     const std::string& password) const {
    // The password is only ever compared, never put into a text.
    const bool valid = m_systemDB.empty() ? equalsNoCase(user, "Admin") && password.empty()
                                          : WorkgroupFile::verify(m_systemDB, user, password);
    if (!valid) {
        throw jet::makeError(jet::BadAccount, "DAO.DBEngine");
    }
    return makeWorkspace(name, user);
}

} // namespace platform::db
