#include "PropertyBagLoader.h"

#include "PropertyBagHeader.h"
#include "common/Enums.h"
#include "common/Helper.h"
#include "dataservice/PropertyManager.h"
#include "objects/Connection.h"
#include "objects/PropertyBags.h"
#include "objects/XmlPropertyBagBuilder.h"
#include "platform/CallError.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <exception>

namespace orvik::objects {
namespace {

/// The kind of a table as a message names it: one matrix holds a table of each kind.
std::string kindName(std::int32_t kind) {
    switch (static_cast<common::PropertyTypes>(kind)) {
    case common::PropertyTypes::Mechanical:
        return "mechanical properties";
    case common::PropertyTypes::Physical:
        return "physical properties";
    case common::PropertyTypes::HeatTreatment:
        return "heat treatment";
    case common::PropertyTypes::Notes:
        return "notes";
    case common::PropertyTypes::Welding:
        return "welding";
    }
    return "table of kind " + std::to_string(kind);
}

} // namespace

std::shared_ptr<PropertyBags> loadPropertyBags(const std::shared_ptr<Connection>& connection,
                                               std::string_view steel, std::int32_t country,
                                               const std::string& xmlFilter, const std::string& modul,
                                               const std::string& procedure,
                                               const std::function<void(const ErrorPtr&)>& report) {
    auto bags = std::make_shared<PropertyBags>();
    bags->Init(connection);
    const auto fail = [&](std::int32_t number, const std::string& description) {
        report(std::make_shared<const Error>(number, modul, procedure, description));
    };
    if (!connection || !connection->Database()) {
        fail(platform::err::ObjectNotSet, "There is no open connection to read property tables from");
        return bags;
    }
    dataservice::PropertyManager manager;
    bool reported = false;
    const auto relay = manager.ManagerException.subscribe([&](const dataservice::ExceptionPtr& ex) {
        reported = true;
        report(std::make_shared<const Error>(ex->Number(), ex->Modul(), ex->Procedure(), ex->Description()));
    });
    try {
        const auto& db = connection->Database();
        const auto languageNumber = connection->Language();
        const auto language = static_cast<common::Language>(languageNumber);
        const auto kinds = manager.GetPropertyTypeList(db, languageNumber);
        const auto standards = manager.GetPropertyStandardBySteelId(db, steel, country, languageNumber);
        if (!kinds || !standards) {
            // The manager told why; a second report would tell the same failure twice.
            if (!reported) {
                fail(platform::err::InvalidProcedureCall,
                     "The property tables of steel " + std::string(steel) + " cannot be read");
            }
            return bags;
        }
        const XmlPropertyBagBuilder builder;
        for (; !standards->eof() && !(kinds->bof() && kinds->eof()); standards->moveNext()) {
            const auto matrix = common::Helper::CVarStr(standards->field("Matrix"));
            for (kinds->moveFirst(); !kinds->eof(); kinds->moveNext()) {
                const auto kind = platform::CLng(kinds->field("id"));
                const auto text = manager.GetPropertiesForMatrixAndType(db, matrix, kind, languageNumber);
                if (reported) {
                    // The manager told why; the next standards and kinds would fail the same way.
                    return bags;
                }
                try {
                    auto bag = builder.CreatePropertyBag(language, *kinds, *standards, text, xmlFilter);
                    if (bag && bag->Properties->Count() > 0) {
                        bags->Add(std::move(bag));
                    }
                } catch (const platform::CallError& e) {
                    // One unreadable matrix costs only its own table; it stays unreadable, so it is
                    // the caller's to tell once, with where it lies.
                    auto header = std::make_shared<PropertyBag>();
                    fillPropertyBagHeader(*header, *kinds, *standards, true);
                    bags->AddUnreadable(
                        std::move(header),
                        std::make_shared<const Error>(
                            e.number(), modul, procedure,
                            e.description() + " (steel " + std::string(steel) + ", " + kindName(kind) +
                                ", table tabEigenschaftsMatrix of the database '" + db->name() + "')"));
                }
            }
        }
    } catch (const platform::CallError& e) {
        if (!reported) {
            fail(e.number(), e.description());
        }
    } catch (const std::exception& e) {
        fail(platform::err::InvalidProcedureCall, e.what());
    }
    return bags;
}

} // namespace orvik::objects
