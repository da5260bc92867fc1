#pragma once

// Reading the columns of a record set's current row as the object model's records take them.
// Every reader throws the database layer's CallError for a column the row does not have.

#include "common/Helper.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvik::objects::rows {

/// Not nothing and not at both its beginning and its end.
[[nodiscard]] inline bool hasRows(const platform::db::Recordset* rs) {
    return rs != nullptr && !(rs->bof() && rs->eof());
}
[[nodiscard]] inline bool hasRows(const std::shared_ptr<platform::db::Recordset>& rs) {
    return hasRows(rs.get());
}

/// The column's text trimmed; Null reads as the empty text.
[[nodiscard]] inline std::string text(const platform::db::Recordset& rs, std::string_view column) {
    return orvik::common::Helper::CVarStr(rs.field(column));
}

/// The column's value as text (an id), or `nullText` for Null.
[[nodiscard]] inline std::string idText(const platform::db::Recordset& rs, std::string_view column,
                                        std::string_view nullText) {
    const auto value = rs.field(column);
    return value.isNull() ? std::string(nullText) : platform::CStr(value);
}

/// The column as a whole number, or `nullValue` for Null.
[[nodiscard]] inline std::int32_t number(const platform::db::Recordset& rs, std::string_view column,
                                         std::int32_t nullValue = 0) {
    const auto value = rs.field(column);
    return value.isNull() ? nullValue : platform::CLng(value);
}

/// The column as a truth value; Null (which a yes/no field of the old engine never held) is false.
[[nodiscard]] inline bool flag(const platform::db::Recordset& rs, std::string_view column) {
    const auto value = rs.field(column);
    if (value.isNull()) {
        return false;
    }
    return value.type() == platform::Variant::Type::Boolean ? value.asBoolean()
                                                            : platform::CDbl(value) != 0.0;
}

/// Gives each row from the current one to its end to `entry`; a row whose entry fails is left out,
/// a failure to move on ends the walk (moving again could fail the same way for ever).
inline void eachRowSkippingFailures(platform::db::Recordset& rs,
                                    const std::function<void(const platform::db::Recordset&)>& entry) {
    try {
        for (; !rs.eof(); rs.moveNext()) {
            try {
                entry(rs);
            } catch (const std::exception&) {
            }
        }
    } catch (const std::exception&) {
    }
}

} // namespace orvik::objects::rows
