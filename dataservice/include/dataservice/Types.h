#pragma once

#include <memory>

namespace platform::db {
class Database;
class Recordset;
} // namespace platform::db

namespace orvik::common {
class Exception;
} // namespace orvik::common

namespace orvik::dataservice {

/// The error record a failing query reports, as the common library makes it.
using ExceptionPtr = std::shared_ptr<const orvik::common::Exception>;

/// The open database a caller hands to a query; the caller owns it and keeps it open.
using DatabasePtr = std::shared_ptr<platform::db::Database>;
/// A query's result; the caller owns it from then on. Null after a failure.
using RecordsetPtr = std::shared_ptr<platform::db::Recordset>;

} // namespace orvik::dataservice
