#pragma once

#include "objects/Error.h"
#include "platform/Event.h"
#include "platform/db/Dao.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orvik::common {
class cls_Language;
} // namespace orvik::common

namespace orvik::objects {

class ReportTable;

/// The open materials databases of a run: one workspace under the program's workgroup user, the main
/// database Graukant.MDB and the filter database Filter.mdb, both read-only, exclusive only for a
/// single-user installation. Owned by the `Application`; every reader of the object model asks it
/// for the database at each call. Releasing it closes the databases.
///
/// Nothing it does throws except OpenPrintDatabase: a failure to open is reported once through
/// `Error` (Modul "Connection", Procedure "connectDB", the engine's number and a text naming the
/// file), after which nothing of that attempt stays open, so the next Open can succeed.
class Connection {
public:
    /// `engine` carries the workgroup file that the program set at start-up.
    explicit Connection(platform::db::DBEngine engine);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    /// True between a successful Open and Close (or a reported connection error).
    [[nodiscard]] bool LoggedIn() const noexcept { return m_loggedIn; }

    /// Raised inside the failing Open, before it returns.
    platform::Event<const ErrorPtr&> Error;

    // For the object model's own use.

    void setLoggedIn(bool loggedIn) noexcept { m_loggedIn = loggedIn; }
    /// The main database; nullptr when none is held.
    [[nodiscard]] const std::shared_ptr<platform::db::Database>& Database() const noexcept {
        return m_database;
    }
    void setDatabase(std::shared_ptr<platform::db::Database> database) { m_database = std::move(database); }
    /// The filter database; nullptr when none is held.
    [[nodiscard]] const std::shared_ptr<platform::db::Database>& FilterDatabase() const noexcept {
        return m_filterDatabase;
    }
    void SetLanguage(std::shared_ptr<orvik::common::cls_Language> language) {
        m_language = std::move(language);
    }
    /// The language of the run, the number of the `Language` enumeration: that of the text service
    /// set here, which the program switches; ProgrammSettings.CurrentLanguage before one is set. Every
    /// reader of the object model asks here, so that the tables follow a switch even where the
    /// settings cannot keep it.
    [[nodiscard]] std::int32_t Language() const;
    void Connect(bool bAutoLogin) { Open(bAutoLogin); }
    /// Opens the workspace and both databases from the settings (Datenbankpfad, FilterDbPath,
    /// InstallTyp); does nothing while logged in. `bAutoLogin` does not change the opening.
    void Open(bool bAutoLogin);
    /// Closes both databases; never reports. The workspace stays.
    void Close() noexcept;
    /// Opens `folder` + "print.mdb" in the workspace, shared and writable, for the caller to own and
    /// close. Throws the engine's CallError; 3420 before any Open made a workspace.
    [[nodiscard]] std::shared_ptr<platform::db::Database> OpenPrintDatabase(const std::string& folder);
    /// Sets the program's workgroup logon on a table of the data-sheet report: the workgroup file
    /// GK2007.LG of the program folder, the program's user and password.
    void SetReportConnection(ReportTable& table) const;

private:
    void reportFailure(std::int32_t number, const std::string& description);

    platform::db::DBEngine m_engine;
    bool m_loggedIn = false;
    std::shared_ptr<platform::db::Workspace> m_workspace;
    std::shared_ptr<platform::db::Database> m_database;
    std::shared_ptr<platform::db::Database> m_filterDatabase;
    std::shared_ptr<orvik::common::cls_Language> m_language;
};

} // namespace orvik::objects
