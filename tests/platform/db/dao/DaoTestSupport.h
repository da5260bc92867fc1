#pragma once

// A temporary folder with a database file built from SQLite's SQL, and the workspace that opens it.

#include "platform/db/Dao.h"
#include "platform/db/JetErrors.h"
#include "test_support/Errors.h"
#include "test_support/Files.h"
#include "test_support/FixtureDatabases.h"
#include "test_support/TempFolder.h"
#include "test_support/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>

namespace daotest {

using test_support::TempFolder;

using test_support::errorNumber;
using test_support::randomBytes;
using test_support::readBytes;
using test_support::writeBytes;

/// A fixture with one database file and a workspace of the default account.
class DatabaseFixture : public ::testing::Test {
protected:
    /// A new database file from `sql`, replacing any before it.
    void build(const std::string& sql) { test_support::buildScratchDatabase(m_path, {sql}); }
    /// Runs `sql` on the database file built before.
    void add(const std::string& sql) { test_support::runScript(m_path, sql); }
    std::shared_ptr<platform::db::Database> open(bool readOnly = false, bool exclusive = false) {
        return workspace()->openDatabase(m_path, exclusive, readOnly);
    }
    std::shared_ptr<platform::db::Workspace> workspace() {
        if (!m_workspace) {
            m_workspace = m_engine.createWorkspace("Test", "Admin", "");
        }
        return m_workspace;
    }

    TempFolder m_dir;
    std::string m_path = m_dir.file("test.mdb");
    platform::db::DBEngine m_engine;
    std::shared_ptr<platform::db::Workspace> m_workspace;
};

} // namespace daotest

namespace platform {
// Readable values in failure messages.
inline void PrintTo(const Variant& v, std::ostream* os) {
    switch (v.type()) {
    case Variant::Type::Empty:
        *os << "<empty>";
        return;
    case Variant::Type::Null:
        *os << "<null>";
        return;
    case Variant::Type::Integer:
        *os << v.asInteger();
        return;
    case Variant::Type::Double:
        *os << v.asDouble() << " (double)";
        return;
    case Variant::Type::Text:
        *os << '"' << v.asText() << '"';
        return;
    case Variant::Type::Boolean:
        *os << (v.asBoolean() ? "True" : "False");
        return;
    case Variant::Type::Date: {
        const Date& d = v.asDate();
        *os << "#" << d.year << "-" << d.month << "-" << d.day << " " << d.hour << ":" << d.minute << ":"
            << d.second << "#";
        return;
    }
    }
}
} // namespace platform
