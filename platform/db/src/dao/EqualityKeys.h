#pragma once

// Keys under which values are equal exactly when a criteria's `=` finds them equal: numbers by value
// (5 and 5.0 alike), texts by the JETTEXT collation (case ignored, accents kept) through ICU sort
// keys. They let Find answer `field = literal` criteria from a hash index instead of a scan.

#include "platform/Variant.h"

#include <memory>
#include <optional>
#include <string>

struct UCollator;

namespace platform::db {

class EqualityKeys {
public:
    EqualityKeys();
    ~EqualityKeys();
    EqualityKeys(const EqualityKeys&) = delete;
    EqualityKeys& operator=(const EqualityKeys&) = delete;

    enum class Outcome { Key, NeverEqual, Unknown };
    struct Result {
        Outcome outcome;
        std::string key;
    };
    /// NeverEqual for Null and Empty; Unknown for what has no key here (yes/no, dates, text that is
    /// not UTF-8), which the caller then compares the slow way.
    [[nodiscard]] Result key(const Variant& value);

private:
    struct CollatorCloser {
        void operator()(UCollator* c) const noexcept;
    };
    std::unique_ptr<UCollator, CollatorCloser> m_collator;
};

} // namespace platform::db
