#include "dataservice/PropertyManager.h"

#include "SqlHelper.h"
#include "SqlText.h"
#include "common/Helper.h"
#include "platform/CallError.h"

namespace orvik::dataservice {

using platform::db::RecordsetType;

namespace {

const std::string valueJoins =
    "FROM zuoStahl_Eigenschaftsmatrix INNER JOIN (tabZustand RIGHT JOIN (tabProbenlage RIGHT JOIN "
    "(tabKlassifizierung RIGHT JOIN (tabForm RIGHT JOIN (tabEigenschaft INNER JOIN (tabDauer RIGHT JOIN "
    "(tabAbkuehlung RIGHT JOIN tabEigenschaftswerte ON tabAbkuehlung.ID_Abkuehlung = "
    "tabEigenschaftswerte.ID_Abkuehlung) "
    "ON tabDauer.ID_Dauer = tabEigenschaftswerte.ID_Dauer) ON tabEigenschaft.ID_Eigenschaft = "
    "tabEigenschaftswerte.ID_Eigenschaft) ON tabForm.ID_Form = tabEigenschaftswerte.ID_Form) ON "
    "tabKlassifizierung.ID_Klassifizierung = tabEigenschaftswerte.ID_Klassifizierung) ON "
    "tabProbenlage.ID_Probenlage = tabEigenschaftswerte.ID_Probenlage) ON "
    "tabZustand.ID_Zustand = tabEigenschaftswerte.ID_Zustand) ON "
    "zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix "
    "= tabEigenschaftswerte.ID_Eigenschaftswertmatrix ";

std::string kindCondition(std::int32_t propertyTypeId) {
    switch (propertyTypeId) {
    case 1:
    case 4:
        return "((tabEigenschaft.ID_Eigenschaftskennung=1) OR (tabEigenschaft.ID_Eigenschaftskennung=4)) ";
    case 2:
        return "(tabEigenschaft.ID_Eigenschaftskennung=2) ";
    case 3:
    case 5:
        return "((tabEigenschaft.ID_Eigenschaftskennung=3) OR (tabEigenschaft.ID_Eigenschaftskennung=5)) ";
    default:
        // Without a condition the statement could not run; say why instead.
        throw platform::CallError(platform::err::InvalidProcedureCall, "OrvikServiceVers5",
                                  "Unknown property type " + std::to_string(propertyTypeId));
    }
}

} // namespace

PropertyManager::PropertyManager() : Manager("PropertyManager") {}

RecordsetPtr PropertyManager::GetPropertyTypeList(const DatabasePtr& db, std::int32_t lang) {
    return trapRecordset("GetPropertyTypeList", [&] {
        const auto sql =
            "SELECT tabEigenschaftskennung.ID_Eigenschaftskennung AS ID, tabEigenschaftskennung." +
            m_kind.column(lang) + " As Kennung " + "FROM tabEigenschaftskennung " +
            "ORDER BY tabEigenschaftskennung." + m_sort.column(lang) + ";";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr PropertyManager::GetPropertyStandardBySteelId(const DatabasePtr& db, std::string_view steelId,
                                                           std::int32_t countryId, std::int32_t lang) {
    return trapRecordset("GetPropertyStandardBySteelId", [&] {
        const auto& type = m_type.column(lang);
        const auto sql =
            "SELECT zuoStahl_Eigenschaftsmatrix.Id_Stahl, tabNormVariante.Id_Norm, "
            "tabNormVariante.Id_NormVariante, "
            "zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix AS Matrix, " +
            std::string("tabNormtyp.") + type +
            "+' ' & tabNormVariante.Prefix + ' ' & tabNormBasis.Name & ' ('+ tabNormVariante.Stand +')' & ' "
            "'+ "
            "tabNormStatus." +
            m_status.column(lang) + " AS Name, " +
            // The short name goes into the pick lists of the user's language, as the long one does.
            "tabNormtyp." + type + "+' ' & tabNormVariante.Prefix+' ' & tabNormBasis.Name AS NameKurz, " +
            "tabNormtyp." + type + " As Normtyp, " + "tabNormBasis." + m_title.column(lang) +
            " AS Title, tabNormVariante.Stand, tabNormVariante.NichtAnzeigen " +
            "FROM tabNormtyp INNER JOIN (tabNormStatus INNER JOIN (tabNormBasis INNER JOIN (tabNormVariante "
            "INNER JOIN "
            "zuoStahl_Eigenschaftsmatrix ON tabNormVariante.Id_NormVariante = "
            "zuoStahl_Eigenschaftsmatrix.Id_NormVariante) "
            "ON tabNormBasis.Id_NormBasis = tabNormVariante.Id_NormBasis) ON tabNormStatus.Id_NormStatus = "
            "tabNormVariante.Id_NormStatus) ON tabNormtyp.ID_Normtyp = tabNormVariante.Id_Normtyp " +
            "WHERE (zuoStahl_Eigenschaftsmatrix.Id_Stahl=" + SqlText::id(steelId) +
            ") AND (zuoStahl_Eigenschaftsmatrix.Id_Land=" + SqlText::number(countryId) + ") " +
            "ORDER BY tabNormVariante.Sortierung;";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr PropertyManager::GetPropertiesBySteelAndType(const DatabasePtr& db, std::string_view steelId,
                                                          std::int32_t countryId, std::int32_t propertyTypeId,
                                                          std::int32_t lang) {
    return trapRecordset("GetPropertiesBySteelAndType", [&] {
        const auto& name = m_property.column(lang);
        const auto sql =
            "SELECT DISTINCT tabEigenschaft.ID_Eigenschaft, tabEigenschaft." + name +
            " AS Eigenschaft FROM zuoStahl_Eigenschaftsmatrix " +
            "INNER JOIN (tabEigenschaft INNER JOIN tabEigenschaftswerte ON tabEigenschaft.ID_Eigenschaft = "
            "tabEigenschaftswerte.ID_Eigenschaft) ON " +
            "zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix = "
            "tabEigenschaftswerte.ID_Eigenschaftswertmatrix " +
            "WHERE (zuoStahl_Eigenschaftsmatrix.ID_Stahl=" + SqlText::id(steelId) + ") AND " +
            kindCondition(propertyTypeId) +
            "AND (zuoStahl_Eigenschaftsmatrix.Id_Land=" + SqlText::number(countryId) + ") " +
            "ORDER BY tabEigenschaft." + name + ";";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

std::string PropertyManager::valueColumns(std::int32_t lang) const {
    return "tabEigenschaftswerte.Such_Temp_min, tabEigenschaftswerte.Such_Temp_max, "
           "tabEigenschaftswerte.Eigenschaft_min, tabEigenschaftswerte.Eigenschaft_max, "
           "tabEigenschaftswerte.ZuTemp_Min, tabEigenschaftswerte.ZuTemp_Max, "
           "tabZustand." +
           m_state.column(lang) +
           " As Zustand, tabEigenschaftswerte.Temp_min, tabEigenschaftswerte.Temp_max, " + "tabDauer." +
           m_duration.column(lang) +
           " AS Dauer, tabEigenschaftswerte.Abmasse_min, tabEigenschaftswerte.Abmasse_max, "
           "tabEigenschaftswerte.Dauer_min, tabEigenschaftswerte.Dauer_max, " +
           "tabEigenschaft." + m_property.column(lang);
}

std::string PropertyManager::valueOrder(std::int32_t lang) const {
    const auto& sort = m_sort.column(lang);
    return "ORDER BY tabForm." + sort + ", tabZustand." + sort + ", " +
           "iif(ZuTemp_max is null,ZuTemp_min, ZuTemp_Max), ZuTemp_Min, " + "tabEigenschaft." +
           m_property.column(lang) + ", " +
           "iif(Abmasse_max is null,Abmasse_min, Abmasse_max), Abmasse_min, " +
           "iif(Temp_max is null,Temp_min, Temp_max), Temp_min, " + "tabProbenlage.ID_Probenlage, " +
           "iif(Eigenschaft_max is null,Eigenschaft_min, Eigenschaft_max), Eigenschaft_min, " +
           "tabAbkuehlung." + m_cooling.column(lang);
}

namespace {

std::string conditionTextColumns(const std::string& form, const std::string& classification,
                                 const std::string& specimen, const std::string& cooling) {
    return "tabForm." + form + " AS Form, " + "tabKlassifizierung." + classification +
           " AS Klassifizierung, " + "tabProbenlage." + specimen + " AS Probenlage, " + "tabAbkuehlung." +
           cooling + " AS Abkuehlung, " +
           "tabEigenschaft.sID_Eigenschaft AS sID_Eigenschaft, tabZustand.sID_Zustand AS sID_Zustand, "
           "tabProbenlage.sID_Probenlage AS sID_Probenlage, tabForm.sID_Form AS sID_Form, "
           "tabAbkuehlung.sID_Abkuehlung AS sID_Abkuehlung, tabDauer.sID_Dauer AS sID_Dauer, "
           "tabKlassifizierung.sID_Klassifizierung AS sID_Klassifizierung ";
}

} // namespace

RecordsetPtr PropertyManager::GetPropertiesBySteelAndCountry(const DatabasePtr& db, std::string_view steelId,
                                                             std::int32_t countryId, std::int32_t lang) {
    return trapRecordset("GetPropertiesBySteelAndCountry", [&] {
        const auto sql = "SELECT tabEigenschaftswerte.ID_Eigenschaftswertmatrix, "
                         "tabEigenschaftswerte.ID_Eigenschaft AS ID_Eigenschaft, "
                         "tabEigenschaftswerte.ID_Eigenschaftswert, tabEigenschaftswerte.ID_Form, "
                         "tabEigenschaftswerte.ID_Zustand, "
                         "tabEigenschaftswerte.ID_Probenlage, "
                         "tabEigenschaftswerte.ID_Klassifizierung, tabEigenschaftswerte.ID_Dauer, "
                         "tabEigenschaftswerte.ID_Abkuehlung, " +
                         valueColumns(lang) +
                         " AS Eigenschaft, tabEigenschaft.Einheit, tabEigenschaft.Formelzeichen, "
                         "tabEigenschaft.ID_Eigenschaftskennung, " +
                         conditionTextColumns(m_form.column(lang), m_classification.column(lang),
                                              m_specimen.column(lang), m_cooling.column(lang)) +
                         valueJoins +
                         "WHERE (zuoStahl_Eigenschaftsmatrix.ID_Stahl = " + SqlText::id(steelId) +
                         ") AND (zuoStahl_Eigenschaftsmatrix.Id_Land=" + SqlText::number(countryId) + ") " +
                         valueOrder(lang);
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr PropertyManager::GetPropertyValuesBySearchResult(const DatabasePtr& db, std::string_view steelId,
                                                              std::int32_t countryId,
                                                              std::string_view matrixId,
                                                              std::int32_t propertyTypeId,
                                                              std::int32_t lang) {
    return trapRecordset("GetPropertyValuesBySearchResult", [&] {
        const auto sql =
            "SELECT tabEigenschaftswerte.ID_Eigenschaft AS ID_Eigenschaft, "
            "tabEigenschaftswerte.SID_Eigenschaft AS SID_Eigenschaft, "
            "tabEigenschaftswerte.ID_Eigenschaftswert, "
            "tabEigenschaftswerte.ID_Form,tabEigenschaftswerte.SID_Form AS SID_Form, "
            "tabEigenschaftswerte.ID_Zustand, tabEigenschaftswerte.SID_Zustand AS SID_Zustand, "
            "tabEigenschaftswerte.ID_Probenlage, tabEigenschaftswerte.SID_Probenlage AS SID_Probenlage, "
            "tabEigenschaftswerte.ID_Klassifizierung, tabEigenschaftswerte.SID_Klassifizierung AS "
            "SID_Klassifizierung, "
            "tabEigenschaftswerte.ID_Dauer, tabEigenschaftswerte.SID_Dauer AS SID_Dauer "
            ",tabEigenschaftswerte.ID_Abkuehlung, "
            "tabEigenschaftswerte.SID_Abkuehlung AS SID_Abkuehlung, " +
            valueColumns(lang) + " AS Eigenschaft, tabEigenschaft.Einheit, " +
            conditionTextColumns(m_form.column(lang), m_classification.column(lang), m_specimen.column(lang),
                                 m_cooling.column(lang)) +
            valueJoins + "WHERE ((tabEigenschaftswerte.ID_Eigenschaftswertmatrix = " + SqlText::id(matrixId) +
            ") And (tabEigenschaft.ID_Eigenschaftskennung = " + SqlText::number(propertyTypeId) +
            ") AND (zuoStahl_Eigenschaftsmatrix.ID_Stahl = " + SqlText::id(steelId) +
            ") AND (zuoStahl_Eigenschaftsmatrix.Id_Land=" + SqlText::number(countryId) + ")) " +
            valueOrder(lang);
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

std::string PropertyManager::GetPropertiesForMatrixAndType(const DatabasePtr& db, std::string_view matrixId,
                                                           std::int32_t propertyTypeId, std::int32_t lang) {
    return trapScalar<std::string>("GetPropertiesForMatrixAndType", std::string(), [&] {
        const auto sql = "select " + m_property.column(lang) +
                         " as Eigenschaft from tabEigenschaftsMatrix WHERE Id_Eigenschaftsmatrix=" +
                         SqlText::id(matrixId) +
                         " AND Id_Eigenschaftskennung=" + SqlText::number(propertyTypeId) + ";";
        const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
        std::string matrix;
        if (!rs->eof()) {
            rs->moveFirst();
            matrix = orvik::common::Helper::CVarStr(rs->field("Eigenschaft"));
        }
        rs->close();
        return matrix;
    });
}

} // namespace orvik::dataservice
