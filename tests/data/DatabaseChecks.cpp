#include "DatabaseChecks.h"

#include "datatools/SqliteConnection.h"

#include <memory>
#include <sqlite3.h>
#include <stdexcept>

namespace datachecks {
namespace {

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Statement prepare(datatools::SqliteConnection& db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db.handle()));
    }
    return {raw, &sqlite3_finalize};
}

std::vector<std::string> firstColumn(datatools::SqliteConnection& db, const std::string& sql) {
    const Statement statement = prepare(db, sql);
    std::vector<std::string> values;
    while (sqlite3_step(statement.get()) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(statement.get(), 0);
        values.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
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
    const Statement statement = prepare(db, "SELECT * FROM " + quoted(relation) + " LIMIT 0");
    std::vector<std::string> names;
    for (int i = 0; i < sqlite3_column_count(statement.get()); ++i) {
        names.emplace_back(sqlite3_column_name(statement.get(), i));
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
    const Statement statement =
        prepare(db, "SELECT id_form || ' ' || id_control, german, france, english FROM tab_controls "
                    "ORDER BY id_form, id_control");
    const auto text = [&](int column) {
        const unsigned char* value = sqlite3_column_text(statement.get(), column);
        return value != nullptr ? std::string(reinterpret_cast<const char*>(value)) : std::string();
    };
    std::vector<std::string> problems;
    while (sqlite3_step(statement.get()) == SQLITE_ROW) {
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

} // namespace datachecks
