#include "dataservice/DesignationManager.h"

#include "SqlHelper.h"
#include "SqlText.h"
#include "common/Helper.h"
#include "platform/VbConvert.h"

namespace orvik::dataservice {

using platform::db::RecordsetType;

namespace {

const std::string decoratedHead =
    "SELECT tabStahlbez.Id_Stahlbez, status.vor &  tabStahlbez.Bezeichnung &  status.nach AS Bezeichnung "
    "FROM tabBezeichnungStatus status "
    "INNER JOIN (tabStahlbez INNER JOIN tabStahlbezVorkommen ON tabStahlbez.Id_Stahlbez = "
    "tabStahlbezVorkommen.Id_Stahlbez) "
    "ON status.Id_BezeichnungStatus = tabStahlbez.ID_BezeichnungStatus ";

} // namespace

DesignationManager::DesignationManager() : Manager("DesignationManager") {}

RecordsetPtr DesignationManager::GetMaterialNumbersForSteel(const DatabasePtr& db, std::string_view idSteel) {
    return trapRecordset("GetMaterialNumbersForSteel", [&] {
        const auto sql = "SELECT tabNormvergleich.WSNr_Anzeige AS Bezeichnung FROM tabNormvergleich "
                         "WHERE (tabNormvergleich.ID_Stahl=" +
                         SqlText::id(idSteel) + ");";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr DesignationManager::GetTradenamesForSteelAndSupplier(const DatabasePtr& db,
                                                                  std::string_view idSteel,
                                                                  std::int32_t idSupplier) {
    return trapRecordset("GetTradenamesForSteelAndSupplier", [&] {
        const auto sql = "SELECT tabStahlbez.Id_Stahlbez, tabStahlbez.Bezeichnung "
                         "FROM tabStahlbez INNER JOIN zuoStahlbez_Firma ON tabStahlbez.Id_Stahlbez = "
                         "zuoStahlbez_Firma.ID_Stahlbez "
                         "WHERE (tabStahlbez.ID_Stahl=" +
                         SqlText::id(idSteel) + ") AND " +
                         "(zuoStahlbez_Firma.ID_Firma=" + SqlText::number(idSupplier) + ") " +
                         "ORDER BY tabStahlbez.Prioritaet; ";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

std::string DesignationManager::GetTop1MaterialNumber(const DatabasePtr& db, std::string_view idSteel,
                                                      std::int32_t idCountry) {
    return trapScalar<std::string>("GetTop1MaterialNumber", std::string(), [&] {
        const auto sql = "SELECT TOP 1 tabStahlbez.Bezeichnung "
                         "FROM tabStahlbez INNER JOIN tabStahlbezVorkommen ON tabStahlbez.Id_Stahlbez = "
                         "tabStahlbezVorkommen.Id_Stahlbez "
                         "WHERE (tabStahlbezVorkommen.Id_Land=" +
                         SqlText::number(idCountry) + ") AND " + "(tabStahlbez.Kennung='W') AND " +
                         "(tabStahlbez.ID_Stahl=" + SqlText::id(idSteel) + ")" +
                         "ORDER BY tabStahlbez.Prioritaet;";
        const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
        std::string number;
        if (SqlHelper::hasRows(*rs)) {
            rs->moveFirst();
            number = platform::CStr(rs->field("Bezeichnung"));
        }
        rs->close();
        return number;
    });
}

RecordsetPtr DesignationManager::GetSymbolsForSteel(const DatabasePtr& db, std::string_view idSteel) {
    return trapRecordset("GetSymbolsForSteel", [&] {
        const auto sql =
            "SELECT Id_Stahlbez, Bezeichnung FROM tabStahlbez WHERE (Id_Stahl=" + SqlText::id(idSteel) +
            ") AND (Kennung='K') " + "ORDER BY Prioritaet;";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr DesignationManager::GetSymbolsForSteelAndCountry(const DatabasePtr& db, std::string_view idSteel,
                                                              std::int32_t idCountry) {
    return trapRecordset("GetSymbolsForSteelAndCountry", [&] {
        const auto steel = SqlText::id(idSteel);
        const auto country = SqlText::number(idCountry);
        const auto where =
            idCountry == 34
                ? "WHERE (Id_Stahl=" + steel + ") AND (Id_Land=" + country +
                      " or Id_Land = " + SqlText::number(32) + " or Id_Land = " + SqlText::number(18) +
                      ") AND (Kennung='K') "
                : "WHERE (Id_Stahl=" + steel + ") AND (Id_Land=" + country + ") AND (Kennung='K') ";
        return SqlHelper::OpenRecordset(db, decoratedHead + where + "ORDER BY Prioritaet;",
                                        RecordsetType::ForwardOnly);
    });
}

RecordsetPtr DesignationManager::GetRealMaterialNumbersForSteelAndCountry(const DatabasePtr& db,
                                                                          std::string_view idSteel,
                                                                          std::int32_t idCountry) {
    return trapRecordset("GetRealMaterialNumbersForSteelAndCountry", [&] {
        const auto sql = decoratedHead + "WHERE (Id_Stahl=" + SqlText::id(idSteel) +
                         ") AND (Id_Land=" + SqlText::number(idCountry) + ") AND (Kennung='W') " +
                         "ORDER BY Prioritaet;";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

std::string DesignationManager::GetDesignationTypeById(const DatabasePtr& db,
                                                       std::string_view idDesignation) {
    return trapScalar<std::string>("GetDesignationTypeById", std::string(), [&] {
        const auto sql =
            "SELECT Kennung FROM tabStahlbez WHERE (Id_Stahlbez=" + SqlText::id(idDesignation) + ")";
        const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
        std::string kind;
        if (SqlHelper::hasRows(*rs)) {
            kind = platform::CStr(rs->field("Kennung"));
        }
        rs->close();
        return kind;
    });
}

std::string DesignationManager::GetStatusForDesignation(const DatabasePtr& db,
                                                        std::string_view idDesignation) {
    return trapScalar<std::string>("GetStatusForDesignation", std::string(), [&] {
        const auto sql = "SELECT Status FROM tabBezeichnungStatus "
                         "INNER JOIN tabStahlbez ON tabBezeichnungStatus.Id_BezeichnungStatus = "
                         "tabStahlbez.ID_BezeichnungStatus "
                         "WHERE (tabStahlbez.Id_Stahlbez=" +
                         SqlText::id(idDesignation) + " );";
        const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
        std::string status;
        if (SqlHelper::hasRows(*rs)) {
            status = orvik::common::Helper::CVarStr(rs->field("Status"));
        }
        rs->close();
        return status;
    });
}

} // namespace orvik::dataservice
