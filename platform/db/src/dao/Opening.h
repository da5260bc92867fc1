#pragma once

// Factories the DAO objects use among themselves.

#include "platform/db/Dao.h"

namespace platform::db {

[[nodiscard]] std::shared_ptr<Workspace> makeWorkspace(std::string name, std::string user);
[[nodiscard]] std::shared_ptr<Database> openDatabaseFile(std::shared_ptr<Workspace> workspace,
                                                         const std::string& path, bool exclusive,
                                                         bool readOnly);

} // namespace platform::db
