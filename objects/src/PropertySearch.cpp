#include "objects/PropertySearch.h"

#include "PropertyBagLoader.h"
#include "common/Helper.h"
#include "dataservice/PropertySearchManager.h"
#include "objects/Connection.h"
#include "objects/MaterialItems.h"
#include "objects/PropertyBags.h"
#include "platform/CallError.h"
#include "platform/VbConvert.h"

#include <algorithm>
#include <exception>

namespace orvik::objects {

namespace {

using common::Helper;
using platform::db::Recordset;
using RecordsetPtr = std::shared_ptr<Recordset>;

constexpr const char* Modul = "PropertySearch";

std::string withoutAt(std::string filter) {
    std::erase(filter, '@');
    return filter;
}

bool isEmpty(const Recordset& rs) {
    return rs.bof() && rs.eof();
}

// The smallest set of matrix ids drives the cross test; an empty one ends the search at once.
std::size_t drivingSet(const std::vector<RecordsetPtr>& sets) {
    std::size_t chosen = 0;
    std::int32_t smallest = 0;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        auto& set = *sets[i];
        if (isEmpty(set)) {
            return i;
        }
        set.moveLast();
        const auto count = set.recordCount();
        if (i == 0 || count < smallest) {
            chosen = i;
            smallest = count;
        }
        set.moveFirst();
    }
    return chosen;
}

std::string hitStatement(const std::string& matrix, std::int32_t country) {
    std::string sql =
        "SELECT zuoStahl_Eigenschaftsmatrix.ID_Stahl, zuoStahl_Eigenschaftsmatrix.Id_StahlbezVorkommen, "
        "zuoStahl_Eigenschaftsmatrix.Id_Land, zuoStahl_Eigenschaftsmatrix.Bezeichnung, "
        "zuoStahl_Eigenschaftsmatrix.Werkstoffnummer, tabStahlbez.Id_Stahlbez, "
        "tabStahlbezVorkommen.IndexSort, "
        "tabStahlbez.Kennung "
        "FROM tabStahlbez INNER JOIN (zuoStahl_Eigenschaftsmatrix INNER JOIN tabStahlbezVorkommen ON "
        "zuoStahl_Eigenschaftsmatrix.Id_StahlbezVorkommen = tabStahlbezVorkommen.Id_StahlbezVorkommen) ON "
        "tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez "
        "WHERE (zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix=" +
        matrix + ") ";
    if (country != 0) {
        sql += "AND (zuoStahl_Eigenschaftsmatrix.ID_Land = " + std::to_string(country) + ")";
    }
    return sql + ";";
}

std::shared_ptr<MaterialItem> hit(const Recordset& rs) {
    auto item = std::make_shared<MaterialItem>();
    item->ID_Steel = platform::CStr(rs.field("ID_Stahl"));
    item->ID_Label = platform::CStr(rs.field("Id_Stahlbez"));
    item->Designation = Helper::CVarStr(rs.field("Bezeichnung"));
    item->MaterialNo = Helper::CVarStr(rs.field("Werkstoffnummer"));
    item->DesignationType = Helper::CVarStr(rs.field("Kennung"));
    item->IdCountry = platform::CLng(rs.field("Id_Land"));
    item->IdDesigCountry = platform::CStr(rs.field("Id_StahlbezVorkommen"));
    item->Order = platform::CLng(rs.field("IndexSort"));
    return item;
}

// The values of a matrix meet the search when they meet any one of the conditions.
std::string xmlFilter(const std::vector<std::string>& filters) {
    std::string joined;
    for (const auto& filter : filters) {
        joined += (joined.empty() ? "(" : " or (") + filter + ")";
    }
    return joined;
}

} // namespace

std::shared_ptr<objects::MaterialItems> PropertySearch::MaterialItems(std::int32_t country) {
    auto items = std::make_shared<objects::MaterialItems>();
    if (!m_connection || !m_connection->Database()) {
        Error.raise(std::make_shared<const objects::Error>(91, Modul, "MaterialItems",
                                                           "The property search has no open connection"));
        return items;
    }
    if (m_sqlFilters.empty()) {
        return items;
    }
    dataservice::PropertySearchManager manager;
    bool failed = false;
    const auto relay = manager.ManagerException.subscribe([&](const dataservice::ExceptionPtr& ex) {
        failed = true;
        Error.raise(std::make_shared<const objects::Error>(ex->Number(), ex->Modul(), ex->Procedure(),
                                                           ex->Description()));
    });
    const auto& db = m_connection->Database();
    const auto run = [&](const std::string& sql, platform::db::RecordsetType type) {
        auto rs = manager.ExecuteRecordset(db, sql, type);
        if (!rs || failed) {
            throw platform::CallError(platform::err::InvalidProcedureCall, Modul,
                                      "The property search failed; its query was reported");
        }
        return rs;
    };
    std::vector<RecordsetPtr> sets;
    for (const auto& filter : m_sqlFilters) {
        sets.push_back(run("SELECT DISTINCT tabEigenschaftswerte.ID_Eigenschaftswertmatrix AS Id "
                           "FROM tabEigenschaftswerte WHERE " +
                               withoutAt(filter) + ";",
                           platform::db::RecordsetType::Snapshot));
    }
    const auto driving = drivingSet(sets);
    auto& drive = *sets[driving];
    if (isEmpty(drive)) {
        return items;
    }
    for (drive.moveFirst(); !drive.eof(); drive.moveNext()) {
        const auto id = platform::CStr(drive.field("Id"));
        const bool inAll = std::all_of(sets.begin(), sets.end(), [&](const RecordsetPtr& set) {
            if (set.get() == &drive) {
                return true;
            }
            set->findFirst("(Id=" + id + ")");
            return !set->noMatch();
        });
        if (!inAll) {
            continue;
        }
        const auto rows = run(hitStatement(id, country), platform::db::RecordsetType::ForwardOnly);
        for (; !rows->eof(); rows->moveNext()) {
            items->Add(hit(*rows));
        }
        rows->close();
    }
    return items;
}

std::shared_ptr<objects::PropertyBags> PropertySearch::PropertyBags(std::string_view steel,
                                                                    std::int32_t country) {
    return loadPropertyBags(m_connection, steel, country, xmlFilter(m_xmlFilters), Modul, "getPropertyBags",
                            [this](const ErrorPtr& error) { Error.raise(error); });
}

} // namespace orvik::objects
