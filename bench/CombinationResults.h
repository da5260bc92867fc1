#pragma once

// The four results the combination cases intersect: 10,000 designation occurrences each of the
// generated filter database, each starting 1,000 occurrences after the one before, so that all four
// meet in 7,000.

#include <cstdint>
#include <memory>

namespace platform::db {
class Database;
class Recordset;
} // namespace platform::db

namespace orvik::objects {
class MaterialItems;
}

namespace bench {

constexpr std::int64_t kEntries = 10'000;
constexpr std::int64_t kShift = 1'000; // each result starts this many occurrences after the one before
constexpr std::int64_t kCombined = kEntries - 3 * kShift;

/// The occurrences from `first` on, as a designation or composition search hands them out.
[[nodiscard]] std::shared_ptr<platform::db::Recordset> result(platform::db::Database& db, std::int64_t first);
/// The same rows as the property search hands them out.
[[nodiscard]] std::shared_ptr<orvik::objects::MaterialItems> propertyResult(platform::db::Recordset& rs);

} // namespace bench
