#include "dataservice/PropertySearchManager.h"

#include "SqlHelper.h"
#include "SqlText.h"
#include "platform/VbConvert.h"

namespace orvik::dataservice {

using platform::db::RecordsetType;

PropertySearchManager::PropertySearchManager()
    : Manager("PropertySearchManager"), m_properties{"tabEigenschaft",
                                                     "ID_Eigenschaft",
                                                     "SID_Eigenschaft",
                                                     "SID_Eigenschaft",
                                                     LanguageColumns("Eigenschaft"),
                                                     false},
      m_states{"tabZustand", "ID_Zustand", "SID_Zustand", "SID_Zustand", LanguageColumns("Zustand"), true},
      m_coolings{"tabAbkuehlung",
                 "ID_Abkuehlung",
                 "SID_Abkuehlung",
                 "SID_Abkuehlung",
                 LanguageColumns("Abkuelung"),
                 true},
      m_durations{"tabDauer", "ID_Dauer", "SID_Faktor", "SID_Dauer", LanguageColumns("Dauer"), true},
      m_forms{"tabForm", "ID_Form", "SID_Form", "SID_Form", LanguageColumns("Form"), true},
      m_specimens{"tabProbenlage",
                  "ID_Probenlage",
                  "SID_Probenlage",
                  "SID_Probenlage",
                  LanguageColumns("Probenlage"),
                  true},
      m_classifications{"tabKlassifizierung",
                        "ID_Klassifizierung",
                        "SID_Klassifizierung",
                        "SID_Klassifizierung",
                        LanguageColumns("Klassifizierung"),
                        true} {}

RecordsetPtr PropertySearchManager::GetSearchFields(const DatabasePtr& db) {
    return trapRecordset("GetSearchFields", [&] {
        return SqlHelper::OpenRecordset(
            db, "SELECT * FROM tabEigenschaftssuche ORDER BY tabEigenschaftssuche.Spalte;",
            RecordsetType::ForwardOnly);
    });
}

RecordsetPtr PropertySearchManager::pickList(std::string_view procedure, const Vocabulary& vocabulary,
                                             const DatabasePtr& db, std::int32_t lang) {
    return trapRecordset(procedure, [&] {
        const std::string table = vocabulary.table;
        const auto& text = vocabulary.text.column(lang);
        const auto& order = vocabulary.hasSortColumn ? m_sort.column(lang) : text;
        const auto sql = "SELECT " + table + "." + vocabulary.idColumn + " AS ID, " + table + "." +
                         vocabulary.listSearchIdColumn + " AS SID, " + table + "." + text +
                         " AS Bezeichnung " + "FROM " + table + " WHERE (" + table + ".Suchbar = True) " +
                         "ORDER BY " + table + "." + order + ";";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

std::int32_t PropertySearchManager::searchId(std::string_view procedure, const Vocabulary& vocabulary,
                                             const DatabasePtr& db, std::int32_t id) {
    return trapScalar<std::int32_t>(procedure, 0, [&] {
        const auto sql = std::string("SELECT ") + vocabulary.searchIdColumn + " AS SID FROM " +
                         vocabulary.table + " WHERE (" + vocabulary.idColumn + "=" + SqlText::number(id) +
                         ");";
        const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
        std::int32_t sid = 0;
        if (SqlHelper::hasRows(*rs)) {
            sid = platform::CLng(rs->field("SID"));
        }
        rs->close();
        return sid;
    });
}

platform::Variant PropertySearchManager::propertyColumn(const DatabasePtr& db, const char* column,
                                                        std::int32_t idProperty) {
    const auto sql = std::string("SELECT ") + column + " FROM tabEigenschaft " +
                     "WHERE (tabEigenschaft.ID_Eigenschaft=" + SqlText::number(idProperty) + ");";
    const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    auto value = SqlHelper::hasRows(*rs) ? rs->field(column) : platform::Variant::null();
    rs->close();
    return value;
}

RecordsetPtr PropertySearchManager::GetPropertiesForSearch(const DatabasePtr& db, std::int32_t lang) {
    return pickList("GetPropertiesForSearch", m_properties, db, lang);
}
RecordsetPtr PropertySearchManager::GetStatesForSearch(const DatabasePtr& db, std::int32_t lang) {
    return pickList("GetStatesForSearch", m_states, db, lang);
}
RecordsetPtr PropertySearchManager::GetCoolingsForSearch(const DatabasePtr& db, std::int32_t lang) {
    return pickList("GetCoolingsForSearch", m_coolings, db, lang);
}
RecordsetPtr PropertySearchManager::GetDurationsForSearch(const DatabasePtr& db, std::int32_t lang) {
    return pickList("GetDurationsForSearch", m_durations, db, lang);
}
RecordsetPtr PropertySearchManager::GetFormsForSearch(const DatabasePtr& db, std::int32_t lang) {
    return pickList("GetFormsForSearch", m_forms, db, lang);
}
RecordsetPtr PropertySearchManager::GetSpecimensForSearch(const DatabasePtr& db, std::int32_t lang) {
    return pickList("GetSpecimensForSearch", m_specimens, db, lang);
}
RecordsetPtr PropertySearchManager::GetClassificationsForSearch(const DatabasePtr& db, std::int32_t lang) {
    return pickList("GetClassificationsForSearch", m_classifications, db, lang);
}

std::int32_t PropertySearchManager::GetPropertySearchId(const DatabasePtr& db, std::int32_t id) {
    return searchId("GetPropertySearchId", m_properties, db, id);
}
std::int32_t PropertySearchManager::GetStateSearchId(const DatabasePtr& db, std::int32_t id) {
    return searchId("GetStateSearchId", m_states, db, id);
}
std::int32_t PropertySearchManager::GetCoolingSearchId(const DatabasePtr& db, std::int32_t id) {
    return searchId("GetCoolingSearchId", m_coolings, db, id);
}
std::int32_t PropertySearchManager::GetDurationSearchId(const DatabasePtr& db, std::int32_t id) {
    return searchId("GetDurationSearchId", m_durations, db, id);
}
std::int32_t PropertySearchManager::GetFormSearchId(const DatabasePtr& db, std::int32_t id) {
    return searchId("GetFormSearchId", m_forms, db, id);
}
std::int32_t PropertySearchManager::GetSpecimenSearchId(const DatabasePtr& db, std::int32_t id) {
    return searchId("GetSpecimenSearchId", m_specimens, db, id);
}
std::int32_t PropertySearchManager::GetClassificationSearchId(const DatabasePtr& db, std::int32_t id) {
    return searchId("GetClassificationSearchId", m_classifications, db, id);
}

std::string PropertySearchManager::GetPropertyUnitStringById(const DatabasePtr& db, std::int32_t idProperty) {
    return trapScalar<std::string>("GetPropertyUnitStringById", std::string(), [&] {
        const auto unit = propertyColumn(db, "Einheit", idProperty);
        return unit.isNull() ? std::string() : platform::CStr(unit);
    });
}

std::int32_t PropertySearchManager::GetTemperatureTendencyStringByID(const DatabasePtr& db,
                                                                     std::int32_t idProperty) {
    return trapScalar<std::int32_t>("GetTemperatureTendencyStringByID", 0, [&] {
        const auto tendency = propertyColumn(db, "Temp_Tendenz", idProperty);
        return tendency.isNull() ? 0 : platform::CLng(tendency);
    });
}

std::int32_t PropertySearchManager::GetDRMTendencyStringByID(const DatabasePtr& db, std::int32_t idProperty) {
    return trapScalar<std::int32_t>("GetDRMTendencyStringByID", 0, [&] {
        const auto tendency = propertyColumn(db, "DRM_Tendenz", idProperty);
        return tendency.isNull() ? 0 : platform::CLng(tendency);
    });
}

RecordsetPtr PropertySearchManager::ExecuteRecordset(const DatabasePtr& db, std::string_view sql,
                                                     platform::db::RecordsetType rstType) {
    return trapRecordset("ExecuteRecordset", [&] { return SqlHelper::OpenRecordset(db, sql, rstType); });
}

} // namespace orvik::dataservice
