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
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace orvik::objects {

namespace {

using common::Helper;
using platform::db::Recordset;

constexpr const char* Modul = "PropertySearch";

std::string withoutAt(std::string filter) {
    std::erase(filter, '@');
    return filter;
}

/// The matrix ids of one condition's set, in the order the query gives them, read forward only:
/// tens of thousands of rows are read once and need not be kept. The query's one column is taken
/// by position, so that no row looks its name up again.
std::vector<std::string> matrixIds(Recordset& rs) {
    std::vector<std::string> ids;
    for (; !rs.eof(); rs.moveNext()) {
        ids.push_back(platform::CStr(rs.field(0)));
    }
    return ids;
}

// The smallest set of matrix ids drives the cross test, the first of equal size; an empty one ends
// the search at once (nullptr).
const std::vector<std::string>* drivingSet(const std::vector<std::vector<std::string>>& sets) {
    const std::vector<std::string>* chosen = nullptr;
    for (const auto& set : sets) {
        if (set.empty()) {
            return nullptr;
        }
        if (chosen == nullptr || set.size() < chosen->size()) {
            chosen = &set;
        }
    }
    return chosen;
}

/// The matrices of the driving set that every other set holds, in the driving set's order.
std::vector<std::string> matricesInAll(const std::vector<std::vector<std::string>>& sets,
                                       const std::vector<std::string>& drive) {
    std::vector<std::unordered_set<std::string_view>> others;
    for (const auto& set : sets) {
        if (&set != &drive) {
            others.emplace_back(set.begin(), set.end());
        }
    }
    std::vector<std::string> hits;
    for (const auto& id : drive) {
        if (std::all_of(others.begin(), others.end(),
                        [&](const auto& other) { return other.contains(id); })) {
            hits.push_back(id);
        }
    }
    return hits;
}

/// The occurrences of every matrix that meets every condition, in one statement; each row names its
/// matrix so that the hits can be grouped by it. Its columns are those of HitColumn.
std::string hitStatement(const std::vector<std::string>& conditions, std::int32_t country) {
    std::string sql =
        "SELECT zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix, "
        "zuoStahl_Eigenschaftsmatrix.ID_Stahl, zuoStahl_Eigenschaftsmatrix.Id_StahlbezVorkommen, "
        "zuoStahl_Eigenschaftsmatrix.Id_Land, zuoStahl_Eigenschaftsmatrix.Bezeichnung, "
        "zuoStahl_Eigenschaftsmatrix.Werkstoffnummer, tabStahlbez.Id_Stahlbez, "
        "tabStahlbezVorkommen.IndexSort, "
        "tabStahlbez.Kennung "
        "FROM tabStahlbez INNER JOIN (zuoStahl_Eigenschaftsmatrix INNER JOIN tabStahlbezVorkommen ON "
        "zuoStahl_Eigenschaftsmatrix.Id_StahlbezVorkommen = tabStahlbezVorkommen.Id_StahlbezVorkommen) ON "
        "tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez WHERE ";
    for (const auto& condition : conditions) {
        sql += "(zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix IN (SELECT "
               "tabEigenschaftswerte.ID_Eigenschaftswertmatrix FROM tabEigenschaftswerte WHERE " +
               condition + ")) AND ";
    }
    sql.resize(sql.size() - std::string_view(" AND ").size());
    if (country != 0) {
        sql += " AND (zuoStahl_Eigenschaftsmatrix.ID_Land = " + std::to_string(country) + ")";
    }
    return sql + ";";
}

/// The columns of the hit statement, in its order: tens of thousands of rows are read by position.
enum HitColumn : std::int32_t {
    HitMatrix,
    HitSteel,
    HitOccurrence,
    HitCountry,
    HitDesignation,
    HitMaterialNumber,
    HitLabel,
    HitOrder,
    HitKind,
};

std::shared_ptr<MaterialItem> hit(const Recordset& rs) {
    auto item = std::make_shared<MaterialItem>();
    item->ID_Steel = platform::CStr(rs.field(HitSteel));
    item->ID_Label = platform::CStr(rs.field(HitLabel));
    item->Designation = Helper::CVarStr(rs.field(HitDesignation));
    item->MaterialNo = Helper::CVarStr(rs.field(HitMaterialNumber));
    item->DesignationType = Helper::CVarStr(rs.field(HitKind));
    item->IdCountry = platform::CLng(rs.field(HitCountry));
    item->IdDesigCountry = platform::CStr(rs.field(HitOccurrence));
    item->Order = platform::CLng(rs.field(HitOrder));
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
    const auto raise = [this](std::int32_t number, const std::string& description) {
        Error.raise(std::make_shared<const objects::Error>(number, Modul, "MaterialItems", description));
    };
    if (!m_connection || !m_connection->Database()) {
        raise(platform::err::ObjectNotSet, "The property search has no open connection");
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
    // Every failure is told once, through Error, and leaves no hit: a failed query was told by its
    // manager, anything else is told here.
    try {
        const auto& db = m_connection->Database();
        const auto run = [&](const std::string& sql, platform::db::RecordsetType type) {
            auto rs = manager.ExecuteRecordset(db, sql, type);
            if (!rs || failed) {
                throw platform::CallError(platform::err::InvalidProcedureCall, Modul,
                                          "The property search failed; its query was reported");
            }
            return rs;
        };
        std::vector<std::string> conditions;
        std::vector<std::vector<std::string>> sets;
        for (const auto& filter : m_sqlFilters) {
            conditions.push_back(withoutAt(filter));
            const auto rs = run("SELECT DISTINCT tabEigenschaftswerte.ID_Eigenschaftswertmatrix AS Id "
                                "FROM tabEigenschaftswerte WHERE " +
                                    conditions.back() + ";",
                                platform::db::RecordsetType::ForwardOnly);
            sets.push_back(matrixIds(*rs));
        }
        const auto* drive = drivingSet(sets);
        if (drive == nullptr) {
            return items;
        }
        const auto hits = matricesInAll(sets, *drive);
        if (hits.empty()) {
            return items;
        }
        // One statement for the occurrences of every hit, grouped by matrix here, then added matrix by
        // matrix in the driving set's order: a query per hit costs more than the search itself.
        std::unordered_map<std::string, std::vector<std::shared_ptr<MaterialItem>>> byMatrix;
        const auto rows = run(hitStatement(conditions, country), platform::db::RecordsetType::ForwardOnly);
        for (; !rows->eof(); rows->moveNext()) {
            byMatrix[platform::CStr(rows->field(HitMatrix))].push_back(hit(*rows));
        }
        rows->close();
        for (const auto& id : hits) {
            const auto found = byMatrix.find(id);
            if (found == byMatrix.end()) {
                continue;
            }
            for (auto& item : found->second) {
                items->Add(std::move(item));
            }
        }
    } catch (const platform::CallError& e) {
        if (!failed) {
            raise(e.number(), e.description());
        }
        return std::make_shared<objects::MaterialItems>();
    } catch (const std::exception& e) {
        raise(platform::err::InvalidProcedureCall, e.what());
        return std::make_shared<objects::MaterialItems>();
    }
    return items;
}

std::shared_ptr<objects::PropertyBags> PropertySearch::PropertyBags(std::string_view steel,
                                                                    std::int32_t country) {
    auto bags = loadPropertyBags(m_connection, steel, country, xmlFilter(m_xmlFilters), Modul,
                                 "getPropertyBags", [this](const ErrorPtr& error) { Error.raise(error); });
    for (const auto& unreadable : bags->Unreadable()) {
        Error.raise(unreadable.error);
    }
    return bags;
}

} // namespace orvik::objects
