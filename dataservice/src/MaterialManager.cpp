#include "dataservice/MaterialManager.h"

#include "FilterCreator.h"
#include "MaterialListSqlBuilder.h"
#include "SqlHelper.h"
#include "common/ProgrammSettings.h"

namespace orvik::dataservice {

MaterialManager::MaterialManager()
    : MaterialManager([] { return orvik::common::ProgrammSettings().SuppressNationalEnDesignations(); }) {}

MaterialManager::MaterialManager(std::function<bool()> suppressNationalEnDesignations)
    : Manager("MaterialManager"),
      m_suppressNationalEnDesignations(std::move(suppressNationalEnDesignations)) {}

RecordsetPtr MaterialManager::GetMaterialList(const DatabasePtr& db, std::int32_t idSteelgroup,
                                              std::int32_t idStandard, std::int32_t idStandardType,
                                              std::int32_t idSupplier, std::int32_t idCountry,
                                              bool includeMaterialNumber, bool includeSymbols,
                                              bool includeTradenames, std::string_view pattern) {
    return trapRecordset("GetMaterialList", [&] {
        MaterialListSqlBuilder builder;
        builder.SetSteelgroup(idSteelgroup);
        builder.SetStandard(idStandard, idStandardType);
        builder.SetSupplier(idSupplier);
        builder.SetCountry(idCountry);
        // The setting is read from its file: only where it counts.
        const bool suppress = FilterCreator::SuppressionApplies(idCountry, idStandard) &&
                              m_suppressNationalEnDesignations && m_suppressNationalEnDesignations();
        const auto sql =
            builder.BuildSql(includeMaterialNumber, includeSymbols, includeTradenames, pattern, suppress);
        return SqlHelper::OpenRecordset(db, sql, platform::db::RecordsetType::Snapshot);
    });
}

} // namespace orvik::dataservice
