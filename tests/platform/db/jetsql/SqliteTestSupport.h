#pragma once

#include "platform/db/sqlite/Connection.h"

#include <string>
#include <vector>

namespace sqlitetest {

using platform::db::sqlite::Connection;

/// A fresh in-memory database with the Jet collation and functions, double-quoted strings refused.
[[nodiscard]] Connection openWithJetExtensions();

/// Runs native SQL; the error text, empty on success.
[[nodiscard]] std::string execNative(Connection& db, const std::string& sql);

/// The rows of one statement as the case files write them, or the error as a Jet number.
struct RunResult {
    std::vector<std::string> rows;
    int errorNumber = 0;
    std::string errorText;
};
[[nodiscard]] RunResult run(Connection& db, const std::string& sql);

/// The lines of EXPLAIN QUERY PLAN for a statement.
[[nodiscard]] std::vector<std::string> queryPlan(Connection& db, const std::string& sql);

} // namespace sqlitetest
