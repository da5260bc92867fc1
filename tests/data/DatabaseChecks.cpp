#include "DatabaseChecks.h"

#include "datatools/SqliteConnection.h"
#include "platform/db/sqlite/Statement.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <map>
#include <sstream>

namespace datachecks {
namespace {

using platform::db::sqlite::Statement;

// Each check's statement fails with platform::db::sqlite::Error (a std::runtime_error) naming it.
std::vector<std::string> firstColumn(datatools::SqliteConnection& db, const std::string& sql) {
    Statement statement(db.native(), sql);
    std::vector<std::string> values;
    while (statement.step()) {
        values.push_back(statement.columnText(0));
    }
    return values;
}

std::string quoted(const std::string& identifier) {
    return "\"" + identifier + "\"";
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

std::string referenceText(const Reference& r) {
    return r.table + " (" + joined(r.columns) + ") -> " + r.parentTable + " (" + joined(r.parentColumns) +
           ")";
}

bool endsWithLanguageSuffix(const std::string& column) {
    if (column.size() < 3 || column[column.size() - 2] != '_') {
        return false;
    }
    const char last = column.back();
    return last == 'D' || last == 'F' || last == 'E';
}

// The access-key marks of a caption: each "&" that is not part of "&&".
int accessKeys(const std::string& caption) {
    int marks = 0;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == '&') {
            ++i;
            continue;
        }
        ++marks;
    }
    return marks;
}

// True when `column` is the rowid of `table` or the first column of one of its indexes.
bool leadsAnIndex(datatools::SqliteConnection& db, const std::string& table, const std::string& column) {
    const std::string t = "'" + table + "'";
    const std::string c = "'" + column + "'";
    const bool rowid =
        db.queryInteger("SELECT COUNT(*) FROM pragma_table_info(" + t + ") WHERE pk > 0") == 1 &&
        db.queryInteger("SELECT COUNT(*) FROM pragma_table_info(" + t + ") WHERE pk = 1 AND name = " + c +
                        " COLLATE NOCASE AND type = 'INTEGER'") == 1;
    return rowid || db.queryInteger("SELECT COUNT(*) FROM pragma_index_list(" + t +
                                    ") l, pragma_index_info(l.name) i WHERE i.seqno = 0 AND i.name = " + c +
                                    " COLLATE NOCASE") > 0;
}

// The decimal places a stored value needs, up to the nine a composition could ever show.
int decimalsNeeded(double value) {
    constexpr int MostDecimals = 9;
    double scaled = value;
    for (int places = 0; places < MostDecimals; ++places, scaled *= 10.0) {
        if (std::fabs(scaled - std::round(scaled)) <= 1e-6 * std::max(1.0, std::fabs(scaled))) {
            return places;
        }
    }
    return MostDecimals;
}

std::string fixed(double value, int places) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(places) << value;
    return text.str();
}

} // namespace

std::vector<std::string> unindexedReferences(datatools::SqliteConnection& db,
                                             const std::vector<Reference>& references) {
    std::vector<std::string> problems;
    for (const Reference& r : references) {
        if (!leadsAnIndex(db, r.table, r.columns[0])) {
            problems.push_back(r.table + "." + r.columns[0] + ": no index");
        }
        if (!leadsAnIndex(db, r.parentTable, r.parentColumns[0])) {
            problems.push_back(r.parentTable + "." + r.parentColumns[0] + ": no index");
        }
    }
    return problems;
}

std::vector<std::string> columnNames(datatools::SqliteConnection& db, const std::string& relation) {
    const Statement statement(db.native(), "SELECT * FROM " + quoted(relation) + " LIMIT 0");
    std::vector<std::string> names;
    for (int i = 0; i < statement.columnCount(); ++i) {
        names.push_back(statement.columnName(i));
    }
    return names;
}

std::vector<std::string> unresolvedReferences(datatools::SqliteConnection& db,
                                              const std::vector<Reference>& references) {
    std::vector<std::string> problems;
    for (const Reference& r : references) {
        std::string match;
        for (std::size_t i = 0; i < r.columns.size(); ++i) {
            match += (i == 0 ? "" : " AND ") + ("p." + quoted(r.parentColumns[i])) + " IS c." +
                     quoted(r.columns[i]);
        }
        const std::string sql = "SELECT COUNT(*) FROM " + quoted(r.table) + " c WHERE c." +
                                quoted(r.columns[0]) + " IS NOT NULL AND NOT EXISTS (SELECT 1 FROM " +
                                quoted(r.parentTable) + " p WHERE " + match + ")";
        const long long count = db.queryInteger(sql);
        if (count != 0) {
            problems.push_back(referenceText(r) + ": " + std::to_string(count) + " rows unresolved");
        }
    }
    return problems;
}

std::vector<std::string> emptyLanguageColumns(datatools::SqliteConnection& db) {
    std::vector<std::string> problems;
    const std::vector<std::string> tables =
        firstColumn(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND substr(name, 1, 7) <> "
                        "'sqlite_' ORDER BY name");
    for (const std::string& table : tables) {
        for (const std::string& column : columnNames(db, table)) {
            if (!endsWithLanguageSuffix(column)) {
                continue;
            }
            const long long count = db.queryInteger("SELECT COUNT(*) FROM " + quoted(table) + " WHERE " +
                                                    quoted(column) + " IS NULL");
            if (count != 0) {
                problems.push_back(table + "." + column + ": " + std::to_string(count) +
                                   " rows without text");
            }
        }
    }
    return problems;
}

std::vector<std::string> captionsWithoutText(datatools::SqliteConnection& db) {
    std::vector<std::string> problems;
    for (const char* column : {"german", "france", "english"}) {
        const std::string c(column);
        for (const std::string& key :
             firstColumn(db, "SELECT id_form || ' ' || id_control FROM tab_controls WHERE trim(coalesce(" +
                                 c + ", '')) = '' ORDER BY id_form, id_control")) {
            problems.push_back(key + ": " + c);
        }
    }
    return problems;
}

std::vector<std::string> captionKeysHeldTwice(datatools::SqliteConnection& db) {
    return firstColumn(db, "SELECT lower(id_form) || ' ' || lower(id_control) || ': ' || COUNT(*) || ' rows' "
                           "FROM tab_controls GROUP BY lower(id_form), lower(id_control) "
                           "HAVING COUNT(*) > 1 ORDER BY 1");
}

std::vector<std::string> captionsWithUnevenAccessKeys(datatools::SqliteConnection& db) {
    Statement statement(db.native(), "SELECT id_form || ' ' || id_control, german, france, english FROM "
                                     "tab_controls ORDER BY id_form, id_control");
    const auto text = [&](int column) {
        return statement.columnText(column);
    };
    std::vector<std::string> problems;
    while (statement.step()) {
        const int german = accessKeys(text(1));
        const int french = accessKeys(text(2));
        const int english = accessKeys(text(3));
        if (german > 1 || french != german || english != german) {
            problems.push_back(text(0) + ": " + std::to_string(german) + " German, " +
                               std::to_string(french) + " French, " + std::to_string(english) +
                               " English access keys");
        }
    }
    return problems;
}

std::vector<std::string> unexpectedViewColumns(datatools::SqliteConnection& db,
                                               const std::vector<ViewColumns>& expected) {
    std::vector<std::string> problems;
    for (const ViewColumns& view : expected) {
        if (db.queryInteger("SELECT COUNT(*) FROM sqlite_master WHERE type = 'view' AND name = '" +
                            view.view + "'") == 0) {
            problems.push_back(view.view + ": missing");
            continue;
        }
        const std::vector<std::string> actual = columnNames(db, view.view);
        if (actual != view.columns) {
            problems.push_back(view.view + ": columns (" + joined(actual) + "), expected (" +
                               joined(view.columns) + ")");
        }
    }
    for (const std::string& name : firstColumn(db, "SELECT name FROM sqlite_master WHERE type = 'view'")) {
        bool known = false;
        for (const ViewColumns& view : expected) {
            known = known || view.view == name;
        }
        if (!known) {
            problems.push_back(name + ": a view nobody reads");
        }
    }
    return problems;
}

std::vector<std::string> emptyViews(datatools::SqliteConnection& db,
                                    const std::vector<ViewColumns>& expected) {
    std::vector<std::string> problems;
    for (const ViewColumns& view : expected) {
        if (db.queryInteger("SELECT EXISTS (SELECT 1 FROM " + quoted(view.view) + ")") == 0) {
            problems.push_back(view.view + ": no rows");
        }
    }
    return problems;
}

std::vector<std::string> viewsDisagreeingWithMain(datatools::SqliteConnection& filter,
                                                  const std::vector<ViewColumns>& views) {
    std::vector<std::string> problems;
    for (const ViewColumns& view : views) {
        const std::string columns = joined(view.columns);
        const std::string here = "SELECT " + columns + " FROM main." + quoted(view.view);
        const std::string there = "SELECT " + columns + " FROM graukant." + quoted(view.view);
        const long long missing =
            filter.queryInteger("SELECT COUNT(*) FROM (" + there + " EXCEPT " + here + ")");
        const long long extra =
            filter.queryInteger("SELECT COUNT(*) FROM (" + here + " EXCEPT " + there + ")");
        const long long hereCount = filter.queryInteger("SELECT COUNT(*) FROM main." + quoted(view.view));
        const long long thereCount =
            filter.queryInteger("SELECT COUNT(*) FROM graukant." + quoted(view.view));
        if (missing != 0 || extra != 0 || hereCount != thereCount) {
            problems.push_back(view.view + ": " + std::to_string(missing) + " rows missing, " +
                               std::to_string(extra) + " rows extra, " + std::to_string(hereCount) +
                               " rows against " + std::to_string(thereCount));
        }
    }
    return problems;
}

std::vector<std::string> elementsShortOfDecimals(datatools::SqliteConnection& db) {
    struct Worst {
        int allowed = 0;
        int needed = 0;
        double value = 0.0;
    };
    std::map<std::string, Worst> worst;
    Statement statement(db.native(), "SELECT e.ID_Element, e.Anzahl_NK, v.Wert FROM tabElemente e JOIN "
                                     "(SELECT ID_Element, MinWert AS Wert FROM tabAnalyseWert UNION ALL "
                                     "SELECT ID_Element, MaxWert FROM tabAnalyseWert) v "
                                     "ON v.ID_Element = e.ID_Element WHERE v.Wert IS NOT NULL");
    while (statement.step()) {
        const std::string element = statement.columnText(0);
        const int allowed = static_cast<int>(statement.columnInt64(1));
        const double value = statement.columnDouble(2);
        const int needed = decimalsNeeded(value);
        Worst& w = worst[element];
        w.allowed = allowed;
        if (needed > allowed && needed > w.needed) {
            w.needed = needed;
            w.value = value;
        }
    }
    std::vector<std::string> problems;
    for (const auto& [element, w] : worst) {
        if (w.needed > w.allowed) {
            problems.push_back("tabElemente." + element + ": " + std::to_string(w.allowed) +
                               " decimal places, " + fixed(w.value, w.needed) + " needs " +
                               std::to_string(w.needed));
        }
    }
    return problems;
}

std::vector<std::string> nationalNumbersNotHidden(datatools::SqliteConnection& db) {
    // A national occurrence: not the steel's own country, not a European designation taken over.
    return firstColumn(
        db,
        "SELECT b.Bezeichnung || ' (' || l.Landeskuerzel || '): shown beside the national symbol (SupW not "
        "set)' FROM tabStahlbezVorkommen o "
        "JOIN tabStahlbez b ON b.Id_Stahlbez = o.Id_Stahlbez JOIN tabStahl s ON s.ID_Stahl = b.ID_Stahl "
        "JOIN tabLand l ON l.ID_Land = o.Id_Land "
        "WHERE b.Kennung = 'W' AND o.SupW = 0 AND o.SupEur = 0 AND o.Id_Land <> s.ID_Land AND EXISTS ("
        "SELECT 1 FROM tabStahlbezVorkommen ko JOIN tabStahlbez k ON k.Id_Stahlbez = ko.Id_Stahlbez "
        "WHERE k.ID_Stahl = b.ID_Stahl AND k.Kennung = 'K' AND ko.Id_Land = o.Id_Land AND ko.SupEur = 0) "
        "ORDER BY o.Id_StahlbezVorkommen");
}

std::vector<std::string> designationsOfSupersededStandardsShownCurrent(datatools::SqliteConnection& db) {
    const std::string standardsOf =
        "FROM tabStahlbezVorkommen o JOIN zuoStahlbezVorkommen_NormVariante z ON "
        "z.Id_StahlbezVorkommen = o.Id_StahlbezVorkommen JOIN tabNormVariante v ON "
        "v.Id_NormVariante = z.Id_NormVariante WHERE o.Id_Stahlbez = b.Id_Stahlbez";
    return firstColumn(
        db, "SELECT b.Bezeichnung || ': shown as current, its standards are all superseded' FROM "
            "tabStahlbez b JOIN tabBezeichnungStatus bs ON bs.Id_BezeichnungStatus = "
            "b.ID_BezeichnungStatus WHERE bs.vor IS NULL AND bs.nach IS NULL AND EXISTS (SELECT 1 " +
                standardsOf + ") AND NOT EXISTS (SELECT 1 " + standardsOf +
                " AND v.Nachfolgedokument IS NULL) ORDER BY b.Id_Stahlbez");
}

std::vector<std::string> suppliersWithoutShapes(datatools::SqliteConnection& db) {
    return firstColumn(
        db, "SELECT DISTINCT 'firm ' || f.ID_Firma || ', steel group ' || s.ID_Stahlgruppe || ': supplied "
            "without a product shape' FROM "
            "zuoStahlbez_Firma f "
            "JOIN tabStahlbez b ON b.Id_Stahlbez = f.ID_Stahlbez JOIN tabStahl s ON s.ID_Stahl = b.ID_Stahl "
            "WHERE NOT EXISTS (SELECT 1 FROM zuoStahlgruppe_Firma_Lieferform d WHERE d.ID_Firma = f.ID_Firma "
            "AND d.ID_Stahlgruppe = s.ID_Stahlgruppe) ORDER BY f.ID_Firma, s.ID_Stahlgruppe");
}

} // namespace datachecks
