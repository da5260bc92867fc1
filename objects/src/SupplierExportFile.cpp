#include "SupplierExportFile.h"

#include "common/Helper.h"
#include "platform/TextCase.h"
#include "platform/db/Dao.h"

namespace orvik::objects {
namespace {

bool isExported(const std::string& column) {
    return platform::lowerCase(column) != "lfdnr";
}

} // namespace

std::string SupplierExportFile::Field(std::string_view value, std::string_view splitter) {
    const bool quoted = (!splitter.empty() && value.find(splitter) != std::string_view::npos) ||
                        value.find_first_of("\"\r\n") != std::string_view::npos;
    if (!quoted) {
        return std::string(value);
    }
    std::string result = "\"";
    for (const char c : value) {
        result += c;
        if (c == '"') {
            result += '"';
        }
    }
    return result + "\"";
}

std::string SupplierExportFile::Line(const std::vector<std::string>& fields, std::string_view splitter) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += splitter;
        }
        line += Field(fields[i], splitter);
    }
    return line + "\r\n";
}

std::string SupplierExportFile::Content(platform::db::Recordset& rows, std::string_view splitter,
                                        bool includeHeader) {
    std::vector<std::int32_t> columns;
    std::vector<std::string> header;
    for (std::int32_t i = 0; i < rows.fieldCount(); ++i) {
        const auto name = rows.fieldName(i);
        if (isExported(name)) {
            columns.push_back(i);
            header.push_back(name);
        }
    }
    std::string content = includeHeader ? Line(header, splitter) : std::string();
    for (; !rows.eof(); rows.moveNext()) {
        std::vector<std::string> fields;
        fields.reserve(columns.size());
        for (const auto column : columns) {
            fields.push_back(orvik::common::Helper::CVarStr(rows.field(column)));
        }
        content += Line(fields, splitter);
    }
    return content;
}

} // namespace orvik::objects
