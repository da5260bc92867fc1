#pragma once

// What the tests of the searches, property bags and print data share: a scratch database for rows
// made up by a test and the fixture files of this folder.

#include "ObjectsTestSupport.h"
#include "ServiceTestSupport.h"
#include "test_support/Files.h"

#include <string>

namespace propstest {

using servicetest::TempFolder;
using test_support::readBytes;

/// A fixture file of this folder.
[[nodiscard]] std::string fixture(const std::string& name);

/// An empty database in a folder of its own, to select literal rows from.
class ScratchDatabase {
public:
    /// `script` makes the tables and rows a test needs.
    explicit ScratchDatabase(const std::string& script = "CREATE TABLE tabLeer (id INTEGER);");
    /// Opens a snapshot over a Jet SELECT, positioned on its first row.
    [[nodiscard]] servicetest::RecordsetPtr rows(const std::string& select);
    [[nodiscard]] const servicetest::DatabasePtr& database() const { return m_db; }
    [[nodiscard]] std::string file(const std::string& name) const { return m_dir.file(name); }

private:
    TempFolder m_dir;
    servicetest::Opener m_opener;
    servicetest::DatabasePtr m_db;
};

} // namespace propstest
