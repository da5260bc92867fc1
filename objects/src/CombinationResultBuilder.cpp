#include "objects/CombinationResultBuilder.h"

#include "common/Helper.h"
#include "objects/MaterialItems.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

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

bool containsByFind(platform::db::Recordset& set, const std::string& occurrence) {
    set.findFirst("(Id_StahlbezVorkommen=" + occurrence + ")");
    return !set.noMatch();
}

/// The occurrences of one result, read once, so that each test is a lookup rather than a search
/// through the set. A set whose occurrences are not all whole numbers, or an occurrence text that
/// is not one, is searched as before. The set is left on its first row.
class Occurrences {
public:
    explicit Occurrences(const RecordsetPtr& set) : m_set(set) {
        if (isEmpty(*set)) {
            return;
        }
        std::unordered_set<std::int64_t> ids;
        for (set->moveFirst(); !set->eof(); set->moveNext()) {
            const auto id = set->field("Id_StahlbezVorkommen");
            if (id.type() == platform::Variant::Type::Integer) {
                ids.insert(id.asInteger());
            } else if (!id.isNull()) {
                set->moveFirst();
                return;
            }
        }
        set->moveFirst();
        m_ids = std::move(ids);
    }

    [[nodiscard]] bool contains(const std::string& occurrence) const {
        std::int64_t id = 0;
        const char* end = occurrence.data() + occurrence.size();
        if (m_ids) {
            const auto [stop, ec] = std::from_chars(occurrence.data(), end, id);
            if (ec == std::errc{} && stop == end) {
                return m_ids->contains(id);
            }
        }
        return !isEmpty(*m_set) && containsByFind(*m_set, occurrence);
    }

private:
    RecordsetPtr m_set;
    std::optional<std::unordered_set<std::int64_t>> m_ids;
};

std::vector<Occurrences> occurrencesOf(const std::vector<RecordsetPtr>& sets,
                                       const platform::db::Recordset* except = nullptr) {
    std::vector<Occurrences> all;
    for (const auto& set : sets) {
        if (set.get() != except) {
            all.emplace_back(set);
        }
    }
    return all;
}

bool inAll(const std::vector<Occurrences>& sets, const std::string& occurrence) {
    return std::all_of(sets.begin(), sets.end(),
                       [&](const Occurrences& set) { return set.contains(occurrence); });
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
    const auto occurrences = occurrencesOf(sets);
    for (const auto& hit : *m_propertyResult) {
        if (!inAll(occurrences, hit->IdDesigCountry)) {
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
    const auto occurrences = occurrencesOf(sets, driving.get());
    for (driving->moveFirst(); !driving->eof(); driving->moveNext()) {
        const auto occurrence = platform::CStr(driving->field("Id_StahlbezVorkommen"));
        if (!inAll(occurrences, occurrence)) {
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
