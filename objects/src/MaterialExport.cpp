#include "BoundManager.h"
#include "SupplierExportFile.h"
#include "dataservice/SupplierManager.h"
#include "objects/Connection.h"
#include "objects/Material.h"
#include "platform/AtomicFile.h"
#include "platform/CallError.h"

namespace orvik::objects {

void Material::ExportSuppliers(const std::string& filename, const std::string& splitter, bool includeHeader) {
    if (!connected("ExportSuppliers")) {
        return;
    }
    std::string content;
    bool queried = false;
    const bool read = trapped("ExportSuppliers", [&] {
        BoundManager<orvik::dataservice::SupplierManager> manager(relay());
        const auto rs = manager->GetForSteelExport(m_connection->Database(), m_steelId, language());
        if (!rs) {
            return; // the query's failure was reported; the old file stays
        }
        queried = true;
        content = SupplierExportFile::Content(*rs, splitter, includeHeader);
        rs->close();
    });
    if (!read || !queried) {
        return;
    }
    if (!platform::AtomicFile::write(filename, content)) {
        RaiseError(platform::err::PathFileAccessError, "ExportSuppliers",
                   "The file '" + filename + "' could not be written.");
    }
}

} // namespace orvik::objects
