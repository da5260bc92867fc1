#include "objects/Connection.h"

#include "common/Enums.h"
#include "common/ProgramAccount.h"
#include "common/ProgrammSettings.h"
#include "common/SqlHelper.h"
#include "common/cls_Language.h"
#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/db/JetErrors.h"

#include <exception>

namespace orvik::objects {
namespace {

constexpr const char* MainDatabaseFile = "Graukant.MDB";
constexpr const char* FilterDatabaseFile = "Filter.mdb";
constexpr const char* PrintDatabaseFile = "print.mdb";

/// The user must learn which file failed; the engine's texts name it, other failures get it added.
std::string namingFile(const std::string& description, const std::string& file) {
    if (file.empty() || description.find(file) != std::string::npos) {
        return description;
    }
    return description + " (" + file + ")";
}

} // namespace

Connection::Connection(platform::db::DBEngine engine) : m_engine(std::move(engine)) {}

Connection::~Connection() {
    Close();
}

std::int32_t Connection::Language() const {
    return m_language ? m_language->Language()
                      : static_cast<std::int32_t>(orvik::common::ProgrammSettings().CurrentLanguage());
}

void Connection::Open(bool /*bAutoLogin*/) {
    if (m_loggedIn) {
        return;
    }
    std::string file;
    try {
        const orvik::common::ProgrammSettings settings;
        const auto installType = settings.InstallTyp();
        const bool exclusive = installType == orvik::common::InstallType::Min;
        // A database left from an earlier attempt would lock its own file against this one.
        Close();
        m_workspace = orvik::common::SqlHelper::CreateWorkspace(
            m_engine, "User", std::string(orvik::common::ProgramUser),
            platform::Variant(std::string(orvik::common::ProgramPassword)), "");
        const auto folder = settings.Datenbankpfad();
        file = folder + MainDatabaseFile;
        m_database = orvik::common::SqlHelper::OpenDatabase(*m_workspace, file, exclusive, true);
        file = (exclusive ? folder : settings.FilterDbPath()) + FilterDatabaseFile;
        m_filterDatabase = orvik::common::SqlHelper::OpenDatabase(*m_workspace, file, exclusive, true);
    } catch (const platform::CallError& e) {
        Close();
        reportFailure(e.number(), namingFile(e.description(), file));
        return;
    } catch (const std::exception& e) {
        Close();
        reportFailure(platform::err::InvalidProcedureCall, namingFile(e.what(), file));
        return;
    }
    m_loggedIn = m_database != nullptr;
}

void Connection::Close() noexcept {
    m_loggedIn = false;
    for (auto* held : {&m_database, &m_filterDatabase}) {
        try {
            if (*held) {
                (*held)->close();
            }
        } catch (...) {
            // Closing a database that is gone already is no failure.
        }
        held->reset();
    }
}

std::shared_ptr<platform::db::Database> Connection::OpenPrintDatabase(const std::string& folder) {
    if (!m_workspace) {
        throw platform::db::jet::makeError(platform::db::jet::ObjectInvalid, "Connection");
    }
    auto db = orvik::common::SqlHelper::OpenDatabase(*m_workspace, folder + PrintDatabaseFile, false, false);
    // Copied from its template at every print and replaced whole: nothing in it must outlive a crash.
    db->skipSync();
    return db;
}

void Connection::reportFailure(std::int32_t number, const std::string& description) {
    Error.raise(std::make_shared<const objects::Error>(number, "Connection", "connectDB", description));
}

} // namespace orvik::objects
