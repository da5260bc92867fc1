#pragma once

#include "common/Exception.h"
#include "objects/CombinationResultList.h"
#include "platform/Event.h"

#include <memory>
#include <vector>

namespace platform::db {
class Recordset;
}

namespace orvik::objects {

class MaterialItems;

/// Intersects the latest results of the designation search, the composition search, the extended
/// composition search and the property search by designation occurrence (`Id_StahlbezVorkommen`).
/// One per run, created by the main window and handed to the search panels. The record-set results
/// must be able to move to their last row and to find rows by a criteria text, and have the columns
/// `Id_StahlbezVorkommen`, `Id_Stahl`, `Id_Stahlbez`, `Bezeichnung`, `IndexSort` and `Id_Land`.
/// Nothing throws to the caller: a failure of Build raises ThrowException.
class CombinationResultBuilder {
public:
    using RecordsetPtr = std::shared_ptr<platform::db::Recordset>;

    CombinationResultBuilder();

    [[nodiscard]] bool IncludeDesignation() const noexcept { return m_include[Designation]; }
    [[nodiscard]] bool IncludeComposition() const noexcept { return m_include[Composition]; }
    [[nodiscard]] bool IncludeExtComposition() const noexcept { return m_include[ExtComposition]; }
    [[nodiscard]] bool IncludeProperty() const noexcept { return m_include[Property]; }
    /// A change of a switch empties the list (no event).
    void IncludeDesignation(bool value) { include(Designation, value); }
    void IncludeComposition(bool value) { include(Composition, value); }
    void IncludeExtComposition(bool value) { include(ExtComposition, value); }
    void IncludeProperty(bool value) { include(Property, value); }

    [[nodiscard]] bool PropertyCombinationPossible() const;
    [[nodiscard]] bool CompositionCombinationPossible() const { return possible(Composition); }
    [[nodiscard]] bool ExtendedCompositionCombinationPossible() const { return possible(ExtComposition); }
    [[nodiscard]] bool DesignationCombinationPossible() const { return possible(Designation); }

    /// Empties the list and makes the property and both composition results unavailable (the
    /// designation result stays); raises ListReseted.
    void Reset();

    /// Each stores its result, empties the list, turns all include switches off and raises
    /// ListReseted once.
    void SetCompositionResultSet(RecordsetPtr result, bool available) {
        setRecordset(Composition, std::move(result), available);
    }
    void SetExtendedCompositionResultSet(RecordsetPtr result, bool available) {
        setRecordset(ExtComposition, std::move(result), available);
    }
    void SetDesignationResultSet(RecordsetPtr result, bool available) {
        setRecordset(Designation, std::move(result), available);
    }
    void SetPropertyResult(std::shared_ptr<MaterialItems> result, bool available);

    /// The combined list, the same object every time; recombined only after a change. With fewer
    /// than two included and possible results it stays empty. After a failure (ThrowException) the
    /// list is empty.
    [[nodiscard]] std::shared_ptr<CombinationResultList> Build();

    platform::Event<> ListReseted;
    platform::Event<const std::shared_ptr<const common::Exception>&> ThrowException;

private:
    enum Kind { Designation, Composition, ExtComposition, Property, KindCount };

    void include(Kind kind, bool value);
    [[nodiscard]] bool possible(Kind kind) const;
    void setRecordset(Kind kind, RecordsetPtr result, bool available);
    void resultChanged();
    void recombine();
    void driveByProperty(const std::vector<RecordsetPtr>& sets, std::int32_t drivingCount);
    void driveBySet(const std::vector<RecordsetPtr>& sets, const RecordsetPtr& driving);

    RecordsetPtr m_sets[KindCount];
    std::shared_ptr<MaterialItems> m_propertyResult;
    bool m_available[KindCount] = {};
    bool m_include[KindCount] = {};
    bool m_rebuild = true;
    bool m_changed = false;
    std::shared_ptr<CombinationResultList> m_list = std::make_shared<CombinationResultList>();
};

} // namespace orvik::objects
