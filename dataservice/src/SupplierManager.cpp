#include "dataservice/SupplierManager.h"

#include "SqlHelper.h"
#include "SqlText.h"
#include "common/Helper.h"

namespace orvik::dataservice {

using platform::db::RecordsetType;

namespace {

// The address's country.
const std::string fromDesignationSuppliers =
    "FROM (tabStahlbez INNER JOIN (tabFirma INNER JOIN (zuoStahlbez_Firma INNER JOIN tabFirmadresse ON "
    "zuoStahlbez_Firma.ID_Firma = tabFirmadresse.ID_Firma) ON tabFirma.ID_Firma = tabFirmadresse.ID_Firma) "
    "ON "
    "tabStahlbez.Id_Stahlbez = zuoStahlbez_Firma.Id_Stahlbez) INNER JOIN tabLand ON tabFirmadresse.ID_Land = "
    "tabLand.ID_Land ";

// The supplier's country.
const std::string fromShapeSuppliers =
    "FROM (tabStahlbez INNER JOIN (((tabFirma INNER JOIN tabFirmadresse ON tabFirma.ID_Firma = "
    "tabFirmadresse.ID_Firma) INNER JOIN zuoStahlbez_Firma ON tabFirma.ID_Firma = "
    "zuoStahlbez_Firma.ID_Firma) "
    "INNER JOIN (tabStahl INNER JOIN zuoStahlgruppe_Firma_Lieferform ON tabStahl.ID_Stahlgruppe = "
    "zuoStahlgruppe_Firma_Lieferform.ID_Stahlgruppe) ON tabFirma.ID_Firma = "
    "zuoStahlgruppe_Firma_Lieferform.ID_Firma) "
    "ON (tabStahl.ID_Stahl = tabStahlbez.ID_Stahl) AND (tabStahlbez.Id_Stahlbez = "
    "zuoStahlbez_Firma.ID_Stahlbez)) "
    "INNER JOIN tabLand ON tabFirma.ID_Land = tabLand.ID_Land ";

const std::string exportColumnsGerman =
    "SELECT DISTINCT tabFirma.Old_FirmaID AS Code, tabFirmadresse.Name1, tabFirmadresse.Name2, "
    "tabFirmadresse.Strasse, tabFirmadresse.PLZStrasse, tabFirmadresse.OrtStrasse, "
    "tabFirmadresse.PLZPostfach, "
    "tabFirmadresse.Postfach, tabFirmadresse.OrtPostfach, tabFirmadresse.Tel, tabFirmadresse.Fax, "
    "tabFirmadresse.EMail, tabLand.Land_D AS Land, ";

const std::string exportColumnsFrench =
    "SELECT DISTINCT tabFirma.Old_FirmaID AS code, tabFirmadresse.Name1 as nom1, tabFirmadresse.Name2 as "
    "nom2, "
    "tabFirmadresse.Strasse as rue, tabFirmadresse.PLZStrasse as codepostal_rue, tabFirmadresse.OrtStrasse "
    "as "
    "ville_rue, tabFirmadresse.PLZPostfach as codepostal_BP, tabFirmadresse.Postfach as BP, "
    "tabFirmadresse.OrtPostfach as ville_BP, tabFirmadresse.Tel as tel, tabFirmadresse.Fax as fax, "
    "tabFirmadresse.EMail as email, tabLand.Land_F AS pays, ";

const std::string exportColumnsEnglish =
    "SELECT DISTINCT tabFirma.Old_FirmaID AS code, tabFirmadresse.Name1 as name1, tabFirmadresse.Name2 as "
    "name2, "
    "tabFirmadresse.Strasse as street, tabFirmadresse.PLZStrasse as postalcode_street, "
    "tabFirmadresse.OrtStrasse "
    "as city_street, tabFirmadresse.PLZPostfach as postalcode_POB, tabFirmadresse.Postfach as POB, "
    "tabFirmadresse.OrtPostfach as city_POB, tabFirmadresse.Tel as phone, tabFirmadresse.Fax as fax, "
    "tabFirmadresse.EMail as email, tabLand.Land_E as country, ";

const std::string& exportColumns(std::int32_t lang) {
    switch (lang) {
    case 0:
        return exportColumnsGerman;
    case 1:
        return exportColumnsFrench;
    default:
        return exportColumnsEnglish;
    }
}

} // namespace

SupplierManager::SupplierManager() : Manager("SupplierManager") {}

RecordsetPtr SupplierManager::GetList(const DatabasePtr& db) {
    return trapRecordset("GetList", [&] {
        const std::string sql = "SELECT tabFirma.ID_Firma, '('+[tabLand].[Landeskuerzel]+') ' + "
                                "[tabFirmadresse].[Name1]AS Name1, "
                                "tabFirma.Adresse FROM tabLand "
                                "INNER JOIN (tabFirma INNER JOIN tabFirmadresse ON tabFirma.ID_Firma = "
                                "tabFirmadresse.ID_Firma) ON "
                                "tabLand.ID_Land = tabFirma.ID_Land "
                                "Where (((tabFirmadresse.LfdNr) = 1))"
                                "ORDER BY tabFirma.Old_FirmaID;";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr SupplierManager::GetForSteel(const DatabasePtr& db, std::string_view idSteel) {
    return trapRecordset("GetForSteel", [&] {
        const auto sql =
            "SELECT DISTINCT tabFirmadresse.ID_Firma AS ID_Firma, tabFirmadresse.Name1, "
            "tabFirmadresse.Name2, "
            "tabFirmadresse.Strasse, tabFirmadresse.PLZStrasse, tabFirmadresse.OrtStrasse, "
            "tabFirmadresse.PLZPostfach, "
            "tabFirmadresse.Postfach, tabFirmadresse.OrtPostfach, tabFirmadresse.Tel, tabFirmadresse.Fax, "
            "tabFirmadresse.EMail, tabFirmadresse.LfdNr, tabFirma.Old_FirmaID, tabLand.Landeskuerzel " +
            fromDesignationSuppliers +
            "WHERE (tabFirmadresse.LfdNr=1) AND (tabStahlbez.ID_Stahl=" + SqlText::id(idSteel) + ") " +
            "ORDER BY tabFirma.Old_FirmaID;";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

std::string SupplierManager::GetAddressById(const DatabasePtr& db, std::int32_t idCompany) {
    return trapScalar<std::string>("GetAddressById", std::string(), [&] {
        const auto sql = "SELECT Adresse FROM tabFirma WHERE Id_Firma=" + SqlText::number(idCompany) + ";";
        const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
        std::string address;
        if (SqlHelper::hasRows(*rs)) {
            rs->moveFirst();
            address = orvik::common::Helper::CVarStr(rs->field("Adresse"));
        }
        rs->close();
        return address;
    });
}

std::string SupplierManager::GetName2ByIdAndBranch(const DatabasePtr& db, std::int32_t idCompany,
                                                   std::int32_t idBranch) {
    return trapScalar<std::string>("GetName2ByIdAndBranch", std::string(), [&] {
        const auto sql =
            "SELECT tabFirmadresse.Name2 FROM tabFirmadresse WHERE (((tabFirmadresse.ID_Firma)=" +
            SqlText::number(idCompany) + ") AND ((tabFirmadresse.LfdNr)=" + SqlText::number(idBranch) + "));";
        const auto rs = SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
        std::string name2;
        if (SqlHelper::hasRows(*rs)) {
            name2 = orvik::common::Helper::CVarStr(rs->field("Name2"));
        }
        rs->close();
        return name2;
    });
}

RecordsetPtr SupplierManager::GetForDesignation(const DatabasePtr& db, std::string_view idDesignation) {
    return trapRecordset("GetForDesignation", [&] {
        const auto sql =
            "SELECT tabFirma.ID_Firma, tabFirma.Adresse "
            "FROM tabFirma INNER JOIN zuoStahlbez_Firma ON tabFirma.ID_Firma = zuoStahlbez_Firma.ID_Firma "
            "WHERE (zuoStahlbez_Firma.ID_Stahlbez=" +
            SqlText::id(idDesignation) + ");";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr SupplierManager::GetForSteelExport(const DatabasePtr& db, std::string_view idSteel,
                                                std::int32_t lang) {
    return trapRecordset("GetForSteelExport", [&] {
        const auto sql = exportColumns(lang) + "tabFirmadresse.LfdNr " + fromDesignationSuppliers +
                         "WHERE (tabStahlbez.ID_Stahl=" + SqlText::id(idSteel) + ") " +
                         "ORDER BY tabFirma.Old_FirmaID;";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

RecordsetPtr SupplierManager::GetForSteelAndProductShape(const DatabasePtr& db, std::string_view idSteel,
                                                         std::int32_t idProductShape) {
    return trapRecordset("GetForSteelAndProductShape", [&] {
        const auto sql = "SELECT DISTINCT tabFirma.Old_FirmaID, tabFirmadresse.ID_Firma AS ID_Firma, "
                         "tabFirmadresse.Name1, "
                         "zuoStahlgruppe_Firma_Lieferform.ID_Lieferform, tabLand.Landeskuerzel " +
                         fromShapeSuppliers + "WHERE (tabFirmadresse.LfdNr=1) AND " +
                         "(tabStahl.ID_Stahl=" + SqlText::id(idSteel) + ") AND " +
                         "(zuoStahlgruppe_Firma_Lieferform.ID_Lieferform=" + SqlText::number(idProductShape) +
                         ") " + "ORDER BY tabFirma.Old_FirmaID;";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::ForwardOnly);
    });
}

} // namespace orvik::dataservice
