#include "dataservice/CompositionManager.h"

#include "SqlHelper.h"
#include "SqlText.h"
#include "common/CompositionSearchItems.h"
#include "dataservice/CompSearchSqlBuilder.h"
#include "platform/CallError.h"
#include "platform/VbConvert.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace orvik::dataservice {

using platform::db::RecordsetType;

namespace {

std::string countryPart(std::int32_t idCountry) {
    const auto one = [](std::int32_t id) {
        return SqlText::number(id);
    };
    if (idCountry == 34) {
        return "(tabStahlbezVorkommen.Id_Land=" + one(34) + " or tabStahlbezVorkommen.Id_Land = " + one(32) +
               " or tabStahlbezVorkommen.Id_Land = " + one(18) + ") ";
    }
    if (idCountry == 30) {
        return "(tabStahlbezVorkommen.Id_Land=" + one(30) + " or tabStahlbezVorkommen.Id_Land = " + one(52) +
               " or tabStahlbezVorkommen.Id_Land = " + one(53) + ") ";
    }
    return "(tabStahlbezVorkommen.Id_Land=" + one(idCountry) + ") ";
}

std::vector<std::string> elementsOf(const DatabasePtr& db) {
    const auto rs = SqlHelper::OpenRecordset(db, "SELECT tabElemente.ID_Element FROM tabElemente;",
                                             RecordsetType::ForwardOnly);
    std::vector<std::string> elements;
    for (; !rs->eof(); rs->moveNext()) {
        const auto value = rs->field(0);
        if (!value.isNull()) {
            elements.push_back(platform::CStr(value));
        }
    }
    rs->close();
    return elements;
}

/// To the nearest whole number, a half going to the even neighbour.
std::int32_t roundHalfEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    double result = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) {
        result = lower + 1.0;
    }
    return static_cast<std::int32_t>(result);
}

} // namespace

CompositionManager::CompositionManager() : Manager("CompositionManager") {}

RecordsetPtr CompositionManager::GetElementList(const DatabasePtr& db) {
    return trapRecordset("GetElementList", [&] {
        return SqlHelper::OpenRecordset(
            db,
            "SELECT tabElemente.ID_Element, tabElemente.Anzahl_NK, tabElemente.Sortierung "
            "FROM tabElemente "
            "WHERE (tabElemente.Anzahl_NK > 0) "
            "ORDER BY tabElemente.Sortierung;",
            RecordsetType::ForwardOnly);
    });
}

RecordsetPtr CompositionManager::GetCompostionsForMaterialAndCountry(const DatabasePtr& db,
                                                                     std::string_view idSteel,
                                                                     std::int32_t idCountry) {
    return trapRecordset("GetCompostionsForMaterialAndCountry", [&] {
        const auto sql =
            "SELECT tabAnalyse.Id_Analyse, tabStahlbez.Id_Stahlbez, tabStahlbez.Bezeichnung & ' "
            "('+tabAnalyse.Abmass+')' AS Bezeichnung "
            "FROM (tabStahlbez INNER JOIN (tabAnalyse INNER JOIN zuoStahlbez_Analyse ON "
            "tabAnalyse.Id_Analyse = zuoStahlbez_Analyse.Id_Analyse) ON tabStahlbez.Id_Stahlbez = "
            "zuoStahlbez_Analyse.Id_Stahlbez) INNER JOIN tabStahlbezVorkommen ON tabStahlbez.Id_Stahlbez = "
            "tabStahlbezVorkommen.Id_Stahlbez "
            "WHERE (tabStahlbez.ID_Stahl=" +
            SqlText::id(idSteel) + ") AND " + countryPart(idCountry) + "ORDER BY tabStahlbez.Prioritaet; ";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr CompositionManager::GetValuesForComposition(const DatabasePtr& db,
                                                         std::string_view idComposition) {
    return trapRecordset("GetValuesForComposition", [&] {
        const auto sql = "SELECT tabElemente.ID_Element, tabAnalyseWert.MinWert, tabAnalyseWert.MaxWert, "
                         "tabAnalyseWert.Sonstiges, tabAnalyseWert.NurSuchen, tabAnalyseWert.KannWert, "
                         "tabAnalyseWert.Rest, tabElemente.Anzahl_NK, tabElemente.Sortierung "
                         "FROM tabElemente "
                         "INNER JOIN tabAnalyseWert ON tabElemente.ID_Element = tabAnalyseWert.ID_Element "
                         "WHERE (tabAnalyseWert.Id_Analyse=" +
                         SqlText::id(idComposition) + ") " + "ORDER BY tabElemente.Sortierung; ";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr CompositionManager::GetFootnotesForComposition(const DatabasePtr& db,
                                                            std::string_view idComposition,
                                                            std::int32_t lang) {
    return trapRecordset("GetFootnotesForComposition", [&] {
        const auto sql =
            "SELECT tabAnalyseWert.ID_Element, tabAnalyseFussnote." + m_text.column(lang) +
            " AS Fussnote, (SELECT count(*) FROM tabAnalyseFussnote f WHERE "
            "f.Id_Fussnote<zuoAnalyseWert_AnalyseFussnote.Id_Fussnote) AS Zeichen " +
            "FROM tabElemente INNER JOIN ((tabAnalyse INNER JOIN tabAnalyseWert ON tabAnalyse.Id_Analyse = "
            "tabAnalyseWert.Id_Analyse) INNER JOIN (tabAnalyseFussnote INNER JOIN "
            "zuoAnalyseWert_AnalyseFussnote ON "
            "tabAnalyseFussnote.Id_Fussnote = zuoAnalyseWert_AnalyseFussnote.Id_Fussnote) ON "
            "tabAnalyseWert.Id_AnalyseWert = zuoAnalyseWert_AnalyseFussnote.Id_AnalyseWert) ON "
            "tabElemente.ID_Element "
            "= tabAnalyseWert.ID_Element " +
            "WHERE tabAnalyse.Id_Analyse=" + SqlText::id(idComposition) + ";";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr CompositionManager::GetCompositionById(const DatabasePtr& db, std::string_view idComposition) {
    return trapRecordset("GetCompositionById", [&] {
        const auto sql =
            "SELECT TOP 1 tabAnalyse.Id_Analyse, tabStahlbez.Id_Stahlbez, tabStahlbez.Bezeichnung & ' "
            "('+tabAnalyse.Abmass+')' AS Bezeichnung "
            "FROM tabStahlbez INNER JOIN (tabAnalyse INNER JOIN zuoStahlbez_Analyse ON "
            "tabAnalyse.Id_Analyse = zuoStahlbez_Analyse.Id_Analyse) ON tabStahlbez.Id_Stahlbez = "
            "zuoStahlbez_Analyse.ID_Stahlbez "
            "WHERE (tabAnalyse.Id_Analyse=" +
            SqlText::id(idComposition) + ")" + "ORDER BY tabStahlbez.Prioritaet;";
        return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
    });
}

RecordsetPtr
CompositionManager::search(const DatabasePtr& db, std::int32_t idCountry,
                           const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems) {
    CompSearchSqlBuilder builder;
    builder.SetCompositionSearchItems(searchItems);
    builder.SetKnownElements(elementsOf(db));
    const auto sql = builder.GetSearchSql(idCountry);
    if (sql.empty()) {
        throw platform::CallError(platform::err::InvalidProcedureCall, "OrvikServiceVers5",
                                  "The composition search has no criteria");
    }
    return SqlHelper::OpenRecordset(db, sql, RecordsetType::Snapshot);
}

RecordsetPtr CompositionManager::SearchCompositions(
    const DatabasePtr& db, std::int32_t idCountry,
    const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems) {
    return trapRecordset("SearchCompositions", [&] { return search(db, idCountry, searchItems); });
}

std::shared_ptr<const orvik::common::CompositionSearchItems>
CompositionManager::FillEmptyTolerances(const orvik::common::CompositionSearchItems& searchItems,
                                        std::int32_t tolerance) {
    auto copy = searchItems.Copy();
    const auto text = SqlText::number(tolerance);
    for (std::int32_t position = 1; position <= copy->Count(); ++position) {
        const auto item = copy->item(position);
        if (item->ToleranceMin().empty()) {
            item->ToleranceMin(text);
        }
        if (item->ToleranceMax().empty()) {
            item->ToleranceMax(text);
        }
    }
    return copy;
}

RecordsetPtr CompositionManager::FuzzySearchCompositions(
    const DatabasePtr& db, std::int32_t idCountry,
    const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems,
    std::int32_t requiredCompositions, std::int32_t maxTolerance, const FuzzyProgress& progress) {
    return trapRecordset("FuzzySearchCompositions", [&]() -> RecordsetPtr {
        if (!searchItems) {
            throw platform::CallError(platform::err::InvalidProcedureCall, "OrvikServiceVers5",
                                      "The composition search has no criteria");
        }
        std::int32_t step = 0;
        bool stopped = false;
        const auto run = [&](std::int32_t tolerance) -> RecordsetPtr {
            if (progress && !progress(++step, tolerance)) {
                stopped = true;
                return nullptr;
            }
            return search(db, idCountry, FillEmptyTolerances(*searchItems, tolerance));
        };
        std::int32_t tol = maxTolerance;
        std::int32_t upper = maxTolerance;
        std::int64_t bestDiff = -1;
        std::int32_t bestTol = 0;
        std::int32_t lastTol = 0;
        std::int32_t count = 0;
        RecordsetPtr rs;
        for (;;) {
            rs = run(tol);
            if (stopped) {
                return nullptr;
            }
            if (SqlHelper::hasRows(*rs)) {
                rs->moveLast();
                count = rs->recordCount();
                const std::int64_t diff = std::llabs(std::int64_t{requiredCompositions} - count);
                if (bestDiff < 0 || diff < bestDiff) {
                    bestDiff = diff;
                    bestTol = tol;
                }
                if (count == requiredCompositions) {
                    bestDiff = 0;
                    break;
                }
                if (count > requiredCompositions) {
                    upper = tol;
                    tol = tol - roundHalfEven(tol / 2.0);
                } else if (tol == maxTolerance) {
                    break;
                } else {
                    tol = tol + roundHalfEven((upper - tol) / 2.0);
                }
            } else {
                count = 0;
                if (tol == maxTolerance) {
                    break;
                }
                tol = tol + roundHalfEven((upper - tol) / 2.0);
            }
            // No more change, or back at the largest tolerance: stop.
            if (tol == lastTol) {
                break;
            }
            lastTol = tol;
            if (tol >= maxTolerance) {
                break;
            }
        }
        const std::int64_t diff = std::llabs(std::int64_t{requiredCompositions} - count);
        if (diff >= bestDiff || count == 0) {
            rs = run(bestTol);
            if (stopped) {
                return nullptr;
            }
        }
        if (SqlHelper::hasRows(*rs)) {
            rs->moveFirst();
        }
        return rs;
    });
}

} // namespace orvik::dataservice
