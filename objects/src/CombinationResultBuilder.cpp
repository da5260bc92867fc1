#include "objects/CombinationResultBuilder.h"

#include "common/Helper.h"
#include "objects/MaterialItems.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <exception>
#include <string>

namespace orvik::objects {

namespace {

using RecordsetPtr = CombinationResultBuilder::RecordsetPtr;

bool isEmpty(const platform::db::Recordset& set) {
    return set.bof() && set.eof();
}

// The number of rows, learnt by a move to the last one; the set is left on its first row.
std::int32_t rowCount(platform::db::Recordset& set) {
    if (isEmpty(set)) {
        return 0;
    }
    set.moveLast();
    const auto count = set.recordCount();
    set.moveFirst();
    return count;
}

bool contains(platform::db::Recordset& set, const std::string& occurrence) {
    set.findFirst("(Id_StahlbezVorkommen=" + occurrence + ")");
    return !set.noMatch();
}

bool inAll(const std::vector<RecordsetPtr>& sets, const std::string& occurrence,
           const platform::db::Recordset* except = nullptr) {
    for (const auto& set : sets) {
        if (set.get() != except && !contains(*set, occurrence)) {
            return false;
        }
    }
    return true;
}

} // namespace

CombinationResultBuilder::CombinationResultBuilder() = default;

void CombinationResultBuilder::include(Kind kind, bool value) {
    if (m_include[kind] == value) {
        return;
    }
    m_include[kind] = value;
    m_changed = true;
    m_list->Clear();
}

bool CombinationResultBuilder::possible(Kind kind) const {
    try {
        return m_available[kind] && m_sets[kind] && !isEmpty(*m_sets[kind]);
    } catch (const std::exception&) {
        return false;
    }
}

bool CombinationResultBuilder::PropertyCombinationPossible() const {
    return m_available[Property] && m_propertyResult && m_propertyResult->Count() > 0;
}

void CombinationResultBuilder::Reset() {
    m_list->Clear();
    m_rebuild = true;
    m_available[Property] = false;
    m_available[Composition] = false;
    m_available[ExtComposition] = false;
    ListReseted.raise();
}

void CombinationResultBuilder::setRecordset(Kind kind, RecordsetPtr result, bool available) {
    m_sets[kind] = std::move(result);
    m_available[kind] = available;
    resultChanged();
}

void CombinationResultBuilder::SetPropertyResult(std::shared_ptr<MaterialItems> result, bool available) {
    m_propertyResult = std::move(result);
    m_available[Property] = available;
    resultChanged();
}

// A new result of any search makes the user choose again what to combine.
void CombinationResultBuilder::resultChanged() {
    m_list->Clear();
    m_rebuild = true;
    m_changed = true;
    for (auto& on : m_include) {
        on = false;
    }
    ListReseted.raise();
}

std::shared_ptr<CombinationResultList> CombinationResultBuilder::Build() {
    if (!m_rebuild && !m_changed) {
        return m_list;
    }
    try {
        recombine();
    } catch (const platform::CallError& e) {
        m_list->Clear();
        ThrowException.raise(common::Helper::CreateExceptionObject(e.number(), "CombinationResultBuilder",
                                                                   e.description(), "Build"));
    } catch (const std::exception& e) {
        m_list->Clear();
        ThrowException.raise(common::Helper::CreateExceptionObject(
            platform::err::InvalidProcedureCall, "CombinationResultBuilder", e.what(), "Build"));
    }
    return m_list;
}

void CombinationResultBuilder::recombine() {
    const bool combinable[KindCount] = {DesignationCombinationPossible() && m_include[Designation],
                                        CompositionCombinationPossible() && m_include[Composition],
                                        ExtendedCompositionCombinationPossible() && m_include[ExtComposition],
                                        PropertyCombinationPossible() && m_include[Property]};
    int count = 0;
    for (const bool c : combinable) {
        count += c ? 1 : 0;
    }
    if (count < 2) {
        return;
    }
    std::vector<RecordsetPtr> sets;
    for (const Kind kind : {Composition, ExtComposition, Designation}) {
        if (m_available[kind] && m_include[kind] && m_sets[kind]) {
            sets.push_back(m_sets[kind]);
        }
    }
    // The smallest set drives; an empty one at once, ties to the earlier.
    RecordsetPtr driving;
    std::int32_t drivingCount = 0;
    for (const auto& set : sets) {
        if (isEmpty(*set)) {
            driving = set;
            drivingCount = 0;
            break;
        }
        const auto rows = rowCount(*set);
        if (!driving || rows < drivingCount) {
            driving = set;
            drivingCount = rows;
        }
    }
    m_list->Clear();
    if (m_available[Property] && m_include[Property]) {
        driveByProperty(sets, drivingCount);
    } else if (driving) {
        driveBySet(sets, driving);
    }
    m_rebuild = false;
    m_changed = false;
}

void CombinationResultBuilder::driveByProperty(const std::vector<RecordsetPtr>& sets,
                                               std::int32_t drivingCount) {
    if (!m_propertyResult) {
        return;
    }
    for (const auto& hit : *m_propertyResult) {
        if (!inAll(sets, hit->IdDesigCountry)) {
            continue;
        }
        auto item = std::make_shared<CombinationResultItem>();
        item->idSteel = hit->ID_Steel;
        item->IdDesignation = hit->ID_Label;
        item->IdDesigCountry = hit->IdDesigCountry;
        item->Designation = hit->Designation;
        item->IdCountry = hit->IdCountry;
        item->Order = hit->Order;
        m_list->add(std::move(item));
        // No set holds more occurrences than the driving one.
        if (m_list->Count() >= drivingCount) {
            return;
        }
    }
}

void CombinationResultBuilder::driveBySet(const std::vector<RecordsetPtr>& sets,
                                          const RecordsetPtr& driving) {
    if (isEmpty(*driving)) {
        return;
    }
    for (driving->moveFirst(); !driving->eof(); driving->moveNext()) {
        const auto occurrence = platform::CStr(driving->field("Id_StahlbezVorkommen"));
        if (!inAll(sets, occurrence, driving.get())) {
            continue;
        }
        auto item = std::make_shared<CombinationResultItem>();
        item->idSteel = platform::CStr(driving->field("Id_Stahl"));
        item->IdDesignation = platform::CStr(driving->field("Id_Stahlbez"));
        item->IdDesigCountry = occurrence;
        item->Designation = common::Helper::CVarStr(driving->field("Bezeichnung"));
        item->Order = platform::CLng(driving->field("IndexSort"));
        item->IdCountry = platform::CLng(driving->field("Id_Land"));
        m_list->add(std::move(item));
    }
}

} // namespace orvik::objects
