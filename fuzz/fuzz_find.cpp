// FindFirst on any criteria text against the rows a WHERE clause of the same criteria selects: the
// record set's own matcher (with its fast path for `field = value` terms) must find the first row
// the statement finds, or fail with an error. The matcher compares the values of a row as values,
// without the type affinity of the columns they came from, so the statement reads its columns the
// same way: `s = 5` finds the text '5' through a column's affinity, not through FindFirst (Jet
// refuses both as a type mismatch).

#include "FuzzInput.h"
#include "platform/CallError.h"
#include "platform/db/Dao.h"
#include "sql/SqliteExtensions.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <string>

namespace {

using platform::db::Database;
using platform::db::RecordsetType;

/// A database file of a few rows of the shapes criteria meet: numbers, texts in several cases, Null.
std::string databaseFile() {
    std::string folder = (std::filesystem::temp_directory_path() / "gk-fuzz-find-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        std::abort();
    }
    const std::string file = folder + "/find.mdb";
    sqlite3* raw = nullptr;
    sqlite3_open(file.c_str(), &raw);
    platform::db::registerJetExtensions(raw);
    sqlite3_exec(
        raw,
        "CREATE TABLE t(id INTEGER PRIMARY KEY, a INTEGER, s TEXT COLLATE JETTEXT, x REAL);"
        "INSERT INTO t VALUES(1, 5, 'X5CrNi18-10', 1.5), (2, NULL, '1.4301', NULL), (3, -7, NULL, 0),"
        "(4, 12, 'x5crni18-10', -2.25), (5, 0, '', 1e300), (6, 5, 'Ä*?#[', 5), (7, 1, '5', 5.0);",
        nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    return file;
}

std::shared_ptr<Database> database() {
    static platform::db::DBEngine engine;
    static const auto workspace = engine.createWorkspace("Fuzz", "Admin", "");
    static const auto db = workspace->openDatabase(databaseFile(), false, true);
    return db;
}

/// The id of the first row the statement selects; nullopt for none, an error when it fails.
std::optional<platform::Variant> firstBySql(const std::string& criteria) {
    const auto rs = database()->openRecordset("SELECT id FROM (SELECT id, (+a COLLATE JETTEXT) AS a, (+s "
                                              "COLLATE JETTEXT) AS s, (+x COLLATE JETTEXT) AS x "
                                              "FROM t) AS t WHERE " +
                                                  criteria + " ORDER BY id",
                                              RecordsetType::Snapshot);
    if (rs->eof()) {
        return std::nullopt;
    }
    return rs->field("id");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string criteria(reinterpret_cast<const char*>(data), size);
    static const auto rs =
        database()->openRecordset("SELECT id, a, s, x FROM t ORDER BY id", RecordsetType::Snapshot);
    std::optional<platform::Variant> found;
    try {
        rs->moveFirst();
        rs->findFirst(criteria);
        if (!rs->noMatch()) {
            found = rs->field("id");
        }
    } catch (const platform::CallError&) {
        return 0;
    }
    std::optional<platform::Variant> expected;
    try {
        expected = firstBySql(criteria);
    } catch (const platform::CallError&) {
        return 0; // a criteria need not be a valid WHERE clause, nor the other way round
    }
    if (found != expected) {
        fuzz::fail("FindFirst and the WHERE clause of the same criteria found different rows");
    }
    return 0;
}
