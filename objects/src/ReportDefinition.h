#pragma once

#include "objects/Report.h"

#include <memory>
#include <string>
#include <vector>

namespace orvik::objects {

/// A column of a table section or a part of a supplier block: the print field, its caption key
/// and, for supplier parts, the flag that shows it.
struct ReportColumn {
    std::string field;
    std::string caption;
    std::string flag;
};

/// One entry of the main report's body, in the order shown.
struct ReportBodyEntry {
    enum class Kind { Identification, Text, SubReport };
    Kind kind = Kind::Text;
    std::string flag;
    std::string caption;
    std::string field;
    /// Identification: caption key of the symbols line; sub-report: its name.
    std::string ref;
};

/// What a report file says of the main report or of one sub-report.
struct Report::Definition {
    std::string name;
    /// Sub-reports: standards, composition, properties, table or suppliers.
    std::string layout;
    std::string flag;
    std::string caption;
    /// Table layout: the print table and its order column.
    std::string source;
    std::string order;
    /// Properties layout: caption key of "at" before a state's temperature.
    std::string at;
    std::vector<std::string> tables;
    std::vector<ReportColumn> columns;
    std::vector<ReportColumn> parts;
    // The main report only.
    std::string headTitle, headMaterial, headCountry;
    std::string footPage, footOf, footDate;
    std::vector<ReportBodyEntry> body;
    std::vector<std::shared_ptr<const Definition>> subreports;
};

/// Lays out the data sheet of a main report whose tables were pointed at a print database.
[[nodiscard]] ReportDocument layOutDataSheet(const Report& report, const std::string& printDate);

} // namespace orvik::objects
