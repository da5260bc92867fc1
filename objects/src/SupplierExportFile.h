#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::objects {

/// The text of the supplier address file, a data source for mail merges: the fields of a line
/// joined by the separator, no separator after the last; a field that holds the separator, a quote,
/// a carriage return or a line feed is put in quotes with its quotes doubled, any other field stays
/// as it is. UTF-8 with CRLF line ends. The running number of the address (a column named "lfdnr"
/// in any case) is no field of the file.
class SupplierExportFile {
public:
    [[nodiscard]] static std::string Field(std::string_view value, std::string_view splitter);
    [[nodiscard]] static std::string Line(const std::vector<std::string>& fields, std::string_view splitter);
    /// The whole file from the rows from the current one to the end, optionally after a header line
    /// of the column names. Throws the database layer's CallError when a row cannot be read.
    [[nodiscard]] static std::string Content(platform::db::Recordset& rows, std::string_view splitter,
                                             bool includeHeader);
};

} // namespace orvik::objects
