#pragma once

#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace sqlitetest {

struct Closer {
    void operator()(sqlite3* db) const noexcept;
};
using Connection = std::unique_ptr<sqlite3, Closer>;

/// A fresh in-memory database with the Jet collation and functions, double-quoted strings refused.
[[nodiscard]] Connection openWithJetExtensions();

/// Runs native SQL; the error text, empty on success.
[[nodiscard]] std::string execNative(sqlite3* db, const std::string& sql);

/// The rows of one statement as the case files write them, or the error as a Jet number.
struct RunResult {
    std::vector<std::string> rows;
    int errorNumber = 0;
    std::string errorText;
};
[[nodiscard]] RunResult run(sqlite3* db, const std::string& sql);

/// The lines of EXPLAIN QUERY PLAN for a statement.
[[nodiscard]] std::vector<std::string> queryPlan(sqlite3* db, const std::string& sql);

} // namespace sqlitetest
