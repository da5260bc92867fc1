#include "dataservice/StandardManager.h"

#include "SqlHelper.h"
#include "SqlText.h"
#include "platform/VbConvert.h"

namespace orvik::dataservice {

using platform::db::RecordsetType;

namespace {

// From a designation of a steel to its standards.
// clang-format off
const std::string designationJoins =
    "tabNormStatus INNER JOIN (tabNormtyp INNER JOIN (tabNormBasis INNER JOIN (tabNormVariante INNER JOIN "
        "((tabStahlbez INNER JOIN tabStahlbezVorkommen "
            "ON tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) "
        "INNER JOIN zuoStahlbezVorkommen_NormVariante "
            "ON tabStahlbezVorkommen.Id_StahlbezVorkommen = "
                "zuoStahlbezVorkommen_NormVariante.Id_StahlbezVorkommen) "
        "ON tabNormVariante.Id_NormVariante = zuoStahlbezVorkommen_NormVariante.Id_NormVariante) "
    "ON tabNormBasis.Id_NormBasis = tabNormVariante.Id_NormBasis) "
    "ON tabNormtyp.ID_Normtyp = tabNormVariante.Id_Normtyp) "
    "ON tabNormStatus.Id_NormStatus = tabNormVariante.Id_NormStatus ";
// clang-format on

std::string keyText(const platform::Variant& value) {
    return value.isNull() ? std::string() : platform::CStr(value);
}

} // namespace

StandardManager::StandardManager() : Manager("StandardManager") {}

RecordsetPtr StandardManager::GetList(const DatabasePtr& db, std::int32_t lang) {
    return trapRecordset("GetList", [&] {
        const auto& status = m_status.column(lang);
        // clang-format off
        const auto sql =
            "SELECT Normliste.Id_Norm, Normliste.Id_Normtyp, "
                "Prefix+' ' & Dokumentnummer & ' ('+Stand+')' & ' ' & " + status +
                "& ' ' & '(' & Landeskuerzel & ')' AS Name, "
                "iif(Dokumentnummer='-', '', iif(Normtyp_D <> '-',  Normtyp_D + ' ', '')) & "
                "Prefix + ' ' & DokumentNummer & ' ('  + Stand + ')' + ' ' & " + status + " AS Dokument, "
                "Titel_D, Titel_E, Titel_F, Land_D, Land_E, Land_F, "
                "Uebereinstimmung, Nachfolgedokument, Vorgaengerdokument "
            "From Normliste "
            "ORDER BY Normliste.Sortierung;";
        // clang-format on
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr StandardManager::GetDetailsById(const DatabasePtr& db, std::int32_t idStandard,
                                             std::int32_t lang) {
    return trapRecordset("GetDetailsById", [&] {
        const auto& type = m_type.column(lang);
        const auto& status = m_status.column(lang);
        // clang-format off
        const auto sql =
            "SELECT tabNormtyp." + type + " AS Normtyp, "
                "iif(tabNormBasis.Name='-', '', "
                    "iif(tabNormtyp." + type + " <> '-',  tabNormtyp." + type + " + ' ', '')) & "
                "tabNormVariante.Prefix + ' ' & tabNormBasis.Name & "
                    "' ('  + tabNormVariante.Stand + ')' + ' ' & "
                "tabNormStatus." + status + " AS Name, "
                "tabNormBasis." + m_title.column(lang) + " AS Titel, "
                "tabNormVariante.Stand, tabNormVariante.Uebereinstimmung, tabNormVariante.Nachfolgedokument, "
                "tabNormVariante.Vorgaengerdokument, "
                "tabNormStatus." + status + " AS Status, "
                "tabLand." + m_country.column(lang) + " AS Land "
            "FROM (tabLand INNER JOIN tabNormtyp ON tabLand.ID_Land = tabNormtyp.ID_Land) "
            "INNER JOIN (tabNormStatus INNER JOIN "
                "(tabNormBasis INNER JOIN tabNormVariante "
                    "ON tabNormBasis.Id_NormBasis = tabNormVariante.Id_NormBasis) "
                "ON tabNormStatus.Id_NormStatus = tabNormVariante.Id_NormStatus) "
            "ON tabNormtyp.ID_Normtyp = tabNormVariante.Id_Normtyp "
            "WHERE (tabNormVariante.Id_Norm=" + SqlText::number(idStandard) + ");";
        // clang-format on
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr StandardManager::GetForSteel(const DatabasePtr& db, std::string_view idSteel,
                                          std::int32_t lang) {
    return trapRecordset("GetForSteel", [&] {
        const auto& status = m_status.column(lang);
        // The country code comes from the designation occurrence's country, which the designation
        // joins do not reach on their own.
        // clang-format off
        const auto sql =
            "SELECT DISTINCT tabStahlbez.ID_Stahl, tabNormVariante.Id_Norm, "
                "tabNormtyp." + m_type.column(lang) + " AS Normtyp, "
                "tabNormVariante.Prefix + ' ' & tabNormBasis.Name & ' ('+tabNormVariante.Stand+') ' & "
                "tabNormStatus." + status + " & ' ' & '(' & tabLand.Landeskuerzel & ')' AS Name , "
                "tabNormBasis." + m_title.column(lang) + " AS Titel, "
                "tabNormVariante.Stand, tabNormStatus.Sortierung, "
                "tabNormStatus." + status + " AS Status "
            "FROM (" + designationJoins + ") "
            "INNER JOIN tabLand ON tabStahlbezVorkommen.Id_Land = tabLand.ID_Land "
            "WHERE (tabStahlbez.ID_Stahl=" + SqlText::id(idSteel) + ")"
            "ORDER BY tabNormStatus.Sortierung, tabNormVariante.Sortierung; ";
        // clang-format on
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr StandardManager::GetForSteelAndCountry(const DatabasePtr& db, std::string_view idSteel,
                                                    std::int32_t idCountry, std::int32_t lang) {
    return trapRecordset("GetForSteelAndCountry", [&] {
        const auto& type = m_type.column(lang);
        const auto& status = m_status.column(lang);
        // clang-format off
        const auto sql =
            "SELECT DISTINCT tabStahlbez.ID_Stahl, tabNormVariante.Id_Norm, tabNormVariante.Id_NormVariante, "
                "tabNormtyp." + type + " AS Normtyp, "
                "iif(tabNormBasis.Name='-', '', "
                    "iif(tabNormtyp." + type + " <> '-',  tabNormtyp." + type + " + ' ', '')) & "
                "tabNormVariante.Prefix +' ' & tabNormBasis.Name & "
                    "' ('  + tabNormVariante.Stand + ')' & ' ' + " +
                status + " AS Name, "
                "tabNormBasis." + m_title.column(lang) + " AS Titel, "
                "tabNormVariante.Stand, "
                "tabNormStatus." + status + " AS Status, "
                "tabNormBasis.Name AS Name2, tabNormVariante.Sortierung, tabNormStatus.Sortierung "
            "FROM " + designationJoins +
            "WHERE (tabStahlbez.ID_Stahl=" + SqlText::id(idSteel) + ") "
                "AND (tabNormtyp.ID_Land=" + SqlText::number(idCountry) + ") "
            "ORDER BY tabNormtyp." + type + ", tabNormStatus.Sortierung, tabNormVariante.Sortierung; ";
        // clang-format on
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr StandardManager::GetForPropertiesSteelAndCountry(const DatabasePtr& db, std::string_view idSteel,
                                                              std::int32_t idCountry, std::int32_t lang) {
    return trapRecordset("GetForPropertiesSteelAndCountry", [&] {
        // clang-format off
        const auto sql =
            "SELECT DISTINCT tabNormVariante.Id_NormVariante AS Id_NormVariante, "
                "IIf(tabNormBasis.Name='-','',IIf(tabNormtyp.Normtyp_E<>'-',tabNormtyp.Normtyp_E+' ','')) & "
                "tabNormVariante.Prefix+' ' & tabNormBasis.Name & "
                    "' ('+tabNormVariante.Stand+')' & ' '+SufSuffix_E "
                "AS Name, "
                "tabNormBasis." + m_title.column(lang) + " As Titel, "
                "tabNormVariante.Id_Normtyp, tabNormVariante.Sortierung "
            "FROM tabNormBasis INNER JOIN "
                "(((zuoStahl_Eigenschaftsmatrix INNER JOIN tabNormVariante "
                    "ON zuoStahl_Eigenschaftsmatrix.ID_NormVariante = tabNormVariante.Id_NormVariante) "
                "INNER JOIN tabNormStatus ON tabNormVariante.Id_NormStatus = tabNormStatus.Id_NormStatus) "
                "INNER JOIN tabNormtyp ON tabNormVariante.Id_Normtyp = tabNormtyp.ID_Normtyp) "
            "ON tabNormBasis.Id_NormBasis = tabNormVariante.Id_NormBasis "
            "WHERE (zuoStahl_Eigenschaftsmatrix.ID_Stahl=" + SqlText::id(idSteel) + ") "
                "AND (zuoStahl_Eigenschaftsmatrix.Id_Land=" + SqlText::number(idCountry) + ") "
            "ORDER BY tabNormVariante.Sortierung;";
        // clang-format on
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr StandardManager::GetStandardDocuments(const DatabasePtr& db, std::int32_t idStandard) {
    return trapRecordset("GetStandardDocuments", [&] {
        const auto sql = "SELECT tabNormVariante.Id_Norm, tabNormVariante.Uebereinstimmung, "
                         "tabNormVariante.Nachfolgedokument, tabNormVariante.Vorgaengerdokument "
                         "From tabNormVariante "
                         "WHERE (tabNormVariante.Id_Norm=" +
                         SqlText::number(idStandard) + ");";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr StandardManager::GetStandardComparisonsForSteel(const DatabasePtr& db, std::string_view idSteel,
                                                             std::int32_t /*idCountry*/, std::int32_t lang) {
    return trapRecordset("GetStandardComparisonsForSteel", [&]() -> RecordsetPtr {
        const auto keys = SqlHelper::OpenRecordset(
            db, "SELECT ID_WSNr FROM tabNormvergleich WHERE Id_Stahl=" + SqlText::id(idSteel) + ";",
            RecordsetType::ForwardOnly);
        if (!SqlHelper::hasRows(*keys)) {
            return nullptr;
        }
        // The keys are texts of the database; they reach the statement only quoted.
        std::string condition;
        while (!keys->eof()) {
            condition += "(tabNormVergleich.Id_WsNr=" + SqlText::text(keyText(keys->field("Id_WsNr"))) + ") ";
            keys->moveNext();
            if (!keys->eof()) {
                condition += " OR ";
            }
        }
        condition = "(" + condition + ") ";
        keys->close();

        const auto& country = m_country.column(lang);
        // clang-format off
        const auto sql =
            "SELECT DISTINCT tabStahlbez.Id_Stahlbez, tabStahlbez.ID_Stahl, "
                "tabStahlbezVorkommen.Id_StahlbezVorkommen, "
                " tabBezeichnungStatus.Vor &  tabStahlbez.Bezeichnung &  tabBezeichnungStatus.Nach "
                    "as Bezeichnung, "
                "tabNormVariante.Id_Norm, tabStahlbezVorkommen.Id_Land, "
                "tabNormVariante.Sortierung AS Sortierung, tabNormStatus.Sortierung AS Sortierung, "
                "tabStahlbez.Kennung, tabStahlbez.Prioritaet, tabNormvergleich.WSNr_Anzeige, "
                "tabLand." + country + " AS Land, "
                "[tabNormVariante].[Prefix]+' ' & [tabNormBasis].[Name] & "
                    "' ('+[tabNormVariante].[Stand]+') ' & "
                "[tabNormStatus].[" + m_status.column(lang) + "]+' ' & "
                "IIf(IsNull(tabNormVariante.Id_Norm),'','('+[tabLand].[Landeskuerzel]+')') AS Name "
            "FROM ((((tabNormvergleich INNER JOIN tabStahlbez "
                        "ON tabNormvergleich.ID_Stahl = tabStahlbez.ID_Stahl) "
                    "INNER JOIN tabStahlbezVorkommen "
                        "ON tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) "
                "LEFT JOIN "
                    "((tabNormtyp RIGHT JOIN (tabNormStatus RIGHT JOIN "
                        "(tabNormBasis RIGHT JOIN tabNormVariante "
                        "ON tabNormBasis.Id_NormBasis = tabNormVariante.Id_NormBasis) "
                        "ON tabNormStatus.Id_NormStatus = tabNormVariante.Id_NormStatus) "
                        "ON tabNormtyp.ID_Normtyp = tabNormVariante.Id_Normtyp) "
                    "RIGHT JOIN zuoStahlbezVorkommen_NormVariante "
                        "ON tabNormVariante.Id_NormVariante = "
                            "zuoStahlbezVorkommen_NormVariante.Id_NormVariante) "
                "ON tabStahlbezVorkommen.Id_StahlbezVorkommen = "
                    "zuoStahlbezVorkommen_NormVariante.Id_StahlbezVorkommen) "
                "INNER JOIN tabLand ON tabStahlbezVorkommen.Id_Land = tabLand.ID_Land) "
            "INNER JOIN tabBezeichnungStatus "
                "ON tabStahlbez.ID_BezeichnungStatus = tabBezeichnungStatus.Id_BezeichnungStatus "
            "WHERE (tabStahlbez.Kennung='K') AND " + condition +
            "ORDER BY tabLand." + country + ", tabNormStatus.Sortierung, tabNormVariante.Sortierung;";
        // clang-format on
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

} // namespace orvik::dataservice
