#include "DataSheetReport.h"

#include "common/Helper.h"
#include "objects/Report.h"

namespace orvik::objects {

namespace {

// The data driver the report reads Jet databases through.
constexpr const char* JetDriver = "crdb_dao.dll";

void pointAtPrintDatabase(ReportDatabase& database, const std::string& location,
                          const std::function<void(ReportTable&)>& setLogon) {
    for (std::int32_t i = 1; i <= database.TablesCount(); ++i) {
        auto& table = database.Tables(i);
        table.ConnectionProperties().DeleteAll();
        table.DllName = JetDriver;
        table.Location = location;
        if (setLogon) {
            setLogon(table);
        }
    }
}

} // namespace

std::shared_ptr<Report> openDataSheetReport(const std::string& reportFilePath,
                                            const std::string& printDbFolder,
                                            const std::function<void(ReportTable&)>& setLogon) {
    auto report = ReportApplication().OpenReport(reportFilePath, 1);
    const auto location = common::Helper::Backslash(printDbFolder) + std::string(PrintDatabaseName);
    pointAtPrintDatabase(report->Database(), location, setLogon);
    for (const auto name : DataSheetSubreports) {
        pointAtPrintDatabase(report->OpenSubreport(name)->Database(), location, setLogon);
    }
    return report;
}

} // namespace orvik::objects
