#include "Opening.h"
#include "platform/db/Dao.h"
#include "platform/db/JetErrors.h"

#include <algorithm>

namespace platform::db {

class Workspace::Impl {
public:
    Impl(std::string workspaceName, std::string user)
        : name(std::move(workspaceName)), userName(std::move(user)) {}

    std::string name;
    std::string userName;
    bool open = true;
    std::vector<std::weak_ptr<Database>> databases;
};

std::shared_ptr<Workspace> makeWorkspace(std::string name, std::string user) {
    return std::make_shared<Workspace>(std::make_unique<Workspace::Impl>(std::move(name), std::move(user)));
}

Workspace::Workspace(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

Workspace::~Workspace() = default;

std::shared_ptr<Database> Workspace::openDatabase(const std::string& path, bool exclusive, bool readOnly,
                                                  std::string_view) {
    if (!m_impl->open) {
        throw jet::makeError(jet::ObjectInvalid, "DAO.Workspace");
    }
    std::shared_ptr<Database> database = openDatabaseFile(shared_from_this(), path, exclusive, readOnly);
    auto& list = m_impl->databases;
    list.erase(std::remove_if(list.begin(), list.end(), [](const auto& weak) { return weak.expired(); }),
               list.end());
    list.push_back(database);
    return database;
}

const std::string& Workspace::name() const {
    return m_impl->name;
}

const std::string& Workspace::userName() const {
    return m_impl->userName;
}

void Workspace::close() {
    for (const auto& weak : m_impl->databases) {
        if (const auto database = weak.lock(); database && database->isOpen()) {
            database->close();
        }
    }
    m_impl->databases.clear();
    m_impl->open = false;
}

} // namespace platform::db
