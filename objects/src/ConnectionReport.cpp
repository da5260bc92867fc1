// The logon a table of the data-sheet report reads the print database under.

#include "common/ProgramAccount.h"
#include "common/ProgrammSettings.h"
#include "objects/Connection.h"
#include "objects/ReportTable.h"

namespace orvik::objects {

void Connection::SetReportConnection(ReportTable& table) const {
    table.ConnectionProperties().Add("System Database Path",
                                     common::ProgrammSettings().ApplicationPath() + "GK2007.LG");
    table.ConnectionProperties().Add("Session UserID", std::string(common::ProgramUser));
    table.ConnectionProperties().Add("Session Password", std::string(common::ProgramPassword));
}

} // namespace orvik::objects
