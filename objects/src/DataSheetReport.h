#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvik::objects {

class Report;
class ReportTable;

/// The sub-reports of the data sheet, in the order they are opened and pointed.
inline constexpr std::array<std::string_view, 5> DataSheetSubreports = {
    "Normen", "Analyse", "eigenschaften.rpt", "Normenvergleich", "Lieferfirmen"};

/// The file name of the scratch print database in its folder.
inline constexpr std::string_view PrintDatabaseName = "print.mdb";

/// Opens the data-sheet report file and points every table of the main report and of each
/// sub-report (in the order above) at `printDbFolder` + print.mdb, calling `setLogon` with each table
/// once it points there. Throws platform::CallError for a missing or unreadable report file and for a
/// missing sub-report, after the ones before it were pointed. The caller owns the report.
[[nodiscard]] std::shared_ptr<Report> openDataSheetReport(const std::string& reportFilePath,
                                                          const std::string& printDbFolder,
                                                          const std::function<void(ReportTable&)>& setLogon);

} // namespace orvik::objects
