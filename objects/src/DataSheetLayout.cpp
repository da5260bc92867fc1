// The layout of the data sheet: which sections are shown, in which order, and what each holds,
// read only from the print tables and the caption rows of the print database.

#include "ReportDefinition.h"
#include "common/Helper.h"
#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace orvik::objects {

namespace {

using common::Helper;
using platform::db::Recordset;
using RecordsetPtr = std::shared_ptr<Recordset>;

constexpr const char* Source = "Report";

// Every line of a text, the blank ones at its ends too; no CR is left over.
std::vector<std::string> allLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::string(platform::trimTrailingBlanks(line)));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            continue;
        }
        line += c;
    }
    lines.push_back(std::string(platform::trimTrailingBlanks(line)));
    return lines;
}

// Every text may hold line breaks; each piece is its own line, and blank lines at its ends are left
// out.
std::vector<std::string> splitLines(const std::string& text) {
    auto lines = allLines(text);
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    while (!lines.empty() && lines.front().empty()) {
        lines.erase(lines.begin());
    }
    return lines;
}

// The lines with which the standards text opens a standard's block: its name, unless it is "-", and
// its title, line for line as the text has them. An empty title keeps its line there, and a title
// ending in a line break its blank line, so that neither passes for the end of the block; blank
// lines before the first line fall among those between blocks.
std::vector<std::string> standardOpening(const std::string& name, bool named, const std::string& title) {
    auto lines = allLines(named ? name + "\r\n" + title : title);
    lines.erase(lines.begin(), std::find_if(lines.begin(), lines.end(),
                                            [](const std::string& line) { return !line.empty(); }));
    return lines;
}

// Whether `start` stands in `text` from line `at`. The blank lines at the end of the text were left
// out, so lines past its end count as blank.
bool opensAt(const std::vector<std::string>& text, std::size_t at, const std::vector<std::string>& start) {
    for (std::size_t k = 0; k < start.size(); ++k) {
        const auto line = at + k < text.size() ? std::string_view(text[at + k]) : std::string_view();
        if (line != start[k]) {
            return false;
        }
    }
    return true;
}

// The first line of the block after the one that line `at` stands in.
std::size_t nextBlock(const std::vector<std::string>& text, std::size_t at) {
    for (; at < text.size() && !text[at].empty(); ++at) {
    }
    for (; at < text.size() && text[at].empty(); ++at) {
    }
    return at;
}

// The lines of the first block from line `next` on that begins with `start`, after `start` and up to
// the blank line that ends the block; `next` moves on to the first line of the block after it. A
// block that begins otherwise belongs to no standard asked for, or to one that has no block: it lends
// its lines to none, and when no block begins with `start`, nothing is taken and `next` stays.
std::vector<std::string> linesAfter(const std::vector<std::string>& text, std::size_t& next,
                                    const std::vector<std::string>& start) {
    for (auto at = next; at < text.size(); at = nextBlock(text, at)) {
        if (!opensAt(text, at, start)) {
            continue;
        }
        std::vector<std::string> lines;
        for (at = std::min(at + start.size(), text.size()); at < text.size() && !text[at].empty(); ++at) {
            lines.push_back(text[at]);
        }
        next = nextBlock(text, at);
        return lines;
    }
    return {};
}

std::string text(const Recordset& rs, std::string_view field) {
    return Helper::CVarStr(rs.field(field));
}

bool isSet(const platform::Variant& value) {
    if (value.isNull() || value.isEmpty()) {
        return false;
    }
    if (value.type() == platform::Variant::Type::Boolean) {
        return value.asBoolean();
    }
    return platform::CDbl(value) != 0.0;
}

// Names of the report file become identifiers of the statements; a bracket in one would end it.
std::string identifier(const std::string& name) {
    if (name.empty() || name.find_first_of("[]") != std::string::npos) {
        throw platform::CallError(platform::err::InvalidProcedureCall, Source,
                                  "The report file names an invalid field or table: " + name);
    }
    return "[" + name + "]";
}

// The print databases the tables of a report point at, each opened once for one layout.
class PrintTables {
public:
    RecordsetPtr rows(const Report& owner, const std::string& table, const std::string& select) {
        const auto* pointed = owner.Database().find(table);
        if (pointed == nullptr) {
            throw platform::CallError(platform::err::InvalidProcedureCall, Source,
                                      "The report " + owner.Name() + " does not read the table " + table);
        }
        if (pointed->Location.empty()) {
            throw platform::CallError(platform::err::InvalidProcedureCall, Source,
                                      "The table " + table + " of the report " + owner.Name() +
                                          " is not pointed at a print database");
        }
        return open(*pointed)->openRecordset(select, platform::db::RecordsetType::Snapshot);
    }

private:
    std::shared_ptr<platform::db::Database> open(const ReportTable& table) {
        const auto& logon = table.ConnectionProperties();
        const auto key =
            table.Location + '\n' + logon.Item("System Database Path") + '\n' + logon.Item("Session UserID");
        if (const auto it = m_databases.find(key); it != m_databases.end()) {
            return it->second;
        }
        platform::db::DBEngine engine;
        engine.setSystemDB(logon.Item("System Database Path"));
        const auto user =
            logon.Exists("Session UserID") ? logon.Item("Session UserID") : std::string("Admin");
        const auto workspace = engine.createWorkspace("Report", user, logon.Item("Session Password"));
        auto database = workspace->openDatabase(table.Location, false, true);
        m_databases.emplace(key, database);
        return database;
    }

    std::map<std::string, std::shared_ptr<platform::db::Database>> m_databases;
};

// The caption rows left for one language (the print writer leaves only the current one).
std::map<std::string, std::string> readCaptions(PrintTables& tables, const Report& report,
                                                const std::string& table) {
    std::map<std::string, std::string> captions;
    const auto rs =
        tables.rows(report, table,
                    "SELECT Id_Sprache, Feld, Text FROM " + identifier(table) + " ORDER BY Id_Sprache, Feld");
    if (rs->eof()) {
        return captions;
    }
    const auto language = rs->field("Id_Sprache");
    for (; !rs->eof(); rs->moveNext()) {
        if (platform::CLng(rs->field("Id_Sprache")) != platform::CLng(language)) {
            break;
        }
        captions[text(*rs, "Feld")] = Helper::CVarStr(rs->field("Text"));
    }
    return captions;
}

class DataSheetLayout {
public:
    DataSheetLayout(const Report& report, const std::string& printDate) : m_report(report) {
        const auto& definition = report.definition();
        m_head = readCaptions(m_tables, report, "tabSeitenkopf");
        m_details = readCaptions(m_tables, report, "tabDetails");
        m_selection = m_tables.rows(report, "tabAuswahl", "SELECT * FROM tabAuswahl WHERE ID_Stahl = 1");
        m_steel = m_tables.rows(report, "tabWerkstoff", "SELECT * FROM tabWerkstoff WHERE ID_Stahl = 1");
        m_document.head = {headCaption(definition.headTitle), headCaption(definition.headMaterial),
                           steelText("Bezeichnung"), headCaption(definition.headCountry), steelText("Land")};
        m_document.foot = {headCaption(definition.footPage), headCaption(definition.footOf),
                           headCaption(definition.footDate), printDate};
    }

    ReportDocument layOut() {
        for (const auto& entry : m_report.definition().body) {
            switch (entry.kind) {
            case ReportBodyEntry::Kind::Identification:
                identification(entry);
                break;
            case ReportBodyEntry::Kind::Text:
                textSection(entry);
                break;
            case ReportBodyEntry::Kind::SubReport:
                subreportSection(entry.ref);
                break;
            }
        }
        return std::move(m_document);
    }

private:
    [[nodiscard]] std::string headCaption(const std::string& key) const { return find(m_head, key); }
    [[nodiscard]] std::string caption(const std::string& key) const { return find(m_details, key); }
    static std::string find(const std::map<std::string, std::string>& captions, const std::string& key) {
        const auto it = captions.find(key);
        return it == captions.end() ? std::string() : it->second;
    }

    [[nodiscard]] bool flag(const std::string& name) const {
        return !name.empty() && !m_selection->eof() && isSet(m_selection->field(name));
    }
    [[nodiscard]] std::string steelText(const std::string& field) const {
        return m_steel->eof() ? std::string() : text(*m_steel, field);
    }

    void identification(const ReportBodyEntry& entry) {
        DocumentSection section;
        section.name = "Identification";
        // The page head names the material and its country on every page, the first one too.
        const auto symbols = splitLines(steelText("Kurznamen"));
        if (symbols.empty()) {
            return;
        }
        DocumentBlock block;
        block.lines.push_back(caption(entry.ref) + ": " + symbols.front());
        block.lines.insert(block.lines.end(), symbols.begin() + 1, symbols.end());
        section.blocks.push_back(std::move(block));
        m_document.sections.push_back(std::move(section));
    }

    void textSection(const ReportBodyEntry& entry) {
        const auto lines = splitLines(steelText(entry.field));
        if (!flag(entry.flag) || lines.empty()) {
            return;
        }
        DocumentSection section{entry.field, caption(entry.caption), {}};
        section.blocks.push_back({DocumentBlock::Kind::Text, lines, false, {}});
        m_document.sections.push_back(std::move(section));
    }

    void subreportSection(const std::string& name) {
        const auto* sub = m_report.subreport(name);
        if (sub == nullptr) {
            throw platform::CallError(platform::err::InvalidProcedureCall, Source,
                                      "The report " + m_report.Name() + " has no sub-report " + name);
        }
        const auto& definition = sub->definition();
        if (!flag(definition.flag)) {
            return;
        }
        DocumentSection section{definition.name, caption(definition.caption), {}};
        if (definition.layout == "standards") {
            standards(*sub, section);
        } else if (definition.layout == "composition") {
            composition(*sub, section);
        } else if (definition.layout == "properties") {
            properties(*sub, section);
        } else if (definition.layout == "table") {
            table(*sub, section);
        } else if (definition.layout == "suppliers") {
            suppliers(*sub, section);
        } else {
            throw platform::CallError(platform::err::InvalidProcedureCall, Source,
                                      "The sub-report " + name + " has an unknown layout " +
                                          definition.layout);
        }
        if (!section.blocks.empty()) {
            m_document.sections.push_back(std::move(section));
        }
    }

    // Each standard with its name as heading, its title, and the lines the steel's standards text
    // gives after the title: international conformity, predecessor and successor, each a caption
    // line and a document line. tabNorm has no sequence column: the order written is the order of
    // its rows, which is the order of the standards text.
    void standards(const Report& sub, DocumentSection& section) {
        const auto rs = m_tables.rows(sub, "tabNorm",
                                      "SELECT Norm, Titel FROM tabNorm WHERE ID_Stahl = 1 ORDER BY rowid");
        const auto steel =
            m_tables.rows(sub, "tabWerkstoff", "SELECT Normen FROM tabWerkstoff WHERE ID_Stahl = 1");
        const auto standardsText =
            steel->eof() ? std::vector<std::string>{} : splitLines(text(*steel, "Normen"));
        struct Row {
            std::string name;
            bool named;
            std::string title;
            std::vector<std::string> opening;
        };
        std::vector<Row> rows;
        for (; !rs->eof(); rs->moveNext()) {
            const auto name = text(*rs, "Norm");
            const bool named = !name.empty() && platform::trimBlanks(name) != "-";
            const auto title = text(*rs, "Titel");
            rows.push_back({name, named, title, standardOpening(name, named, title)});
        }
        std::size_t next = 0;
        for (auto row = rows.begin(); row != rows.end(); ++row) {
            if (row->named) {
                section.blocks.push_back({DocumentBlock::Kind::Heading, splitLines(row->name), true, {}});
            }
            // A standard with neither name nor title is known by no line: it takes the block it comes
            // to, unless that block opens a standard after it.
            const bool claimed =
                row->opening.empty() && std::any_of(row + 1, rows.end(), [&](const Row& later) {
                    return !later.opening.empty() && opensAt(standardsText, next, later.opening);
                });
            auto lines = splitLines(row->title);
            if (!claimed) {
                const auto more = linesAfter(standardsText, next, row->opening);
                lines.insert(lines.end(), more.begin(), more.end());
            }
            if (!lines.empty()) {
                section.blocks.push_back({DocumentBlock::Kind::Text, lines, false, {}});
            }
        }
    }

    void composition(const Report& sub, DocumentSection& section) {
        const auto numbers =
            m_tables.rows(sub, "tabAnalyse",
                          "SELECT DISTINCT AnalyseNr FROM tabAnalyse WHERE ID_Stahl = 1 ORDER BY AnalyseNr");
        std::vector<std::int32_t> compositions;
        for (; !numbers->eof(); numbers->moveNext()) {
            compositions.push_back(platform::CLng(numbers->field("AnalyseNr")));
        }
        const auto& columns = sub.definition().columns;
        const auto head = [&](std::size_t i) {
            return i < columns.size() ? caption(columns[i].caption) : std::string();
        };
        for (const auto k : compositions) {
            if (compositions.size() > 1) {
                section.blocks.push_back({DocumentBlock::Kind::Heading, {std::to_string(k)}, true, {}});
            }
            const auto rs =
                m_tables.rows(sub, "tabAnalyse",
                              "SELECT Element, Wert, Sonstiges, Fussnoten FROM tabAnalyse WHERE ID_Stahl = 1 "
                              "AND AnalyseNr = " +
                                  std::to_string(k) + " ORDER BY ElementNr");
            DocumentTable table;
            table.heads.push_back(head(0));
            DocumentRow values{{head(1)}, false, 0};
            DocumentRow others{{head(2)}, false, 0};
            bool anyOthers = false;
            for (; !rs->eof(); rs->moveNext()) {
                table.heads.push_back(text(*rs, "Element"));
                auto value = text(*rs, "Wert");
                const auto references = text(*rs, "Fussnoten");
                if (!references.empty()) {
                    value += value.empty() ? references : " " + references;
                }
                values.cells.push_back(value);
                others.cells.push_back(text(*rs, "Sonstiges"));
                anyOthers = anyOthers || !others.cells.back().empty();
            }
            table.rows.push_back(std::move(values));
            if (anyOthers) {
                table.rows.push_back(std::move(others));
            }
            section.blocks.push_back({DocumentBlock::Kind::Table, {}, false, std::move(table)});
            const auto notes = m_tables.rows(sub, "tabAnalyseFussnote",
                                             "SELECT Fussnote FROM tabAnalyseFussnote WHERE AnalyseNr = " +
                                                 std::to_string(k) + " ORDER BY rowid");
            std::vector<std::string> lines;
            for (; !notes->eof(); notes->moveNext()) {
                const auto more = splitLines(text(*notes, "Fussnote"));
                lines.insert(lines.end(), more.begin(), more.end());
            }
            if (!lines.empty()) {
                section.blocks.push_back({DocumentBlock::Kind::Footnotes, lines, false, {}});
            }
        }
    }

    void properties(const Report& sub, DocumentSection& section) {
        const auto tables = m_tables.rows(sub, "tabEigenschaftenuebersicht",
                                          "SELECT * FROM tabEigenschaftenuebersicht WHERE ID_Stahl = 1 "
                                          "ORDER BY TabellenNr");
        for (; !tables->eof(); tables->moveNext()) {
            const auto number = platform::CLng(tables->field("TabellenNr"));
            const auto rows =
                m_tables.rows(sub, "tabEigenschaft",
                              "SELECT * FROM tabEigenschaft WHERE TabellenNr = " + std::to_string(number) +
                                  " ORDER BY ZeilenNr");
            // A table that could not be read has no rows, only the notice that says so.
            const auto notice = splitLines(text(*tables, "Hinweis"));
            if (rows->eof() && notice.empty()) {
                continue;
            }
            section.blocks.push_back(
                {DocumentBlock::Kind::Heading, splitLines(text(*tables, "Eigenschaftstypname")), true, {}});
            const auto headline = splitLines(text(*tables, "Ueberschrift"));
            if (!headline.empty()) {
                section.blocks.push_back({DocumentBlock::Kind::Text, headline, false, {}});
            }
            if (!notice.empty()) {
                section.blocks.push_back({DocumentBlock::Kind::Text, notice, false, {}});
            }
            if (!rows->eof()) {
                section.blocks.push_back({DocumentBlock::Kind::Table, {}, false, propertyTable(sub, *rows)});
            }
            const auto notes = splitLines(text(*tables, "Fussnoten"));
            if (!notes.empty()) {
                section.blocks.push_back({DocumentBlock::Kind::Footnotes, notes, false, {}});
            }
        }
    }

    // Rows grouped as on the screen: a line when the form, the state or the property changes, then
    // the value row. A column that is empty in every row is left out.
    DocumentTable propertyTable(const Report& sub, Recordset& rows) {
        const auto& columns = sub.definition().columns;
        struct Value {
            std::string form, status, name;
            std::vector<std::string> cells;
        };
        std::vector<Value> values;
        std::vector<bool> used(columns.size(), false);
        for (; !rows.eof(); rows.moveNext()) {
            Value value{text(rows, "Form"), text(rows, "Zustand"), text(rows, "Eigenschaft"), {}};
            const auto temperature = text(rows, "ZustandTemperatur");
            if (!temperature.empty()) {
                value.status += " " + caption(sub.definition().at) + " " + temperature;
            }
            for (std::size_t i = 0; i < columns.size(); ++i) {
                value.cells.push_back(text(rows, columns[i].field));
                used[i] = used[i] || !value.cells.back().empty();
            }
            values.push_back(std::move(value));
        }
        DocumentTable table;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (used[i]) {
                table.heads.push_back(caption(columns[i].caption));
            }
        }
        const Value* previous = nullptr;
        for (const auto& value : values) {
            const bool formChanged = previous == nullptr || value.form != previous->form;
            const bool statusChanged = formChanged || value.status != previous->status;
            const bool nameChanged = statusChanged || value.name != previous->name;
            if (formChanged && !value.form.empty()) {
                table.rows.push_back({{value.form}, true, 0});
            }
            if (statusChanged && !value.status.empty()) {
                table.rows.push_back({{value.status}, true, 1});
            }
            if (nameChanged && !value.name.empty()) {
                table.rows.push_back({{value.name}, true, 2});
            }
            DocumentRow row;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (used[i]) {
                    row.cells.push_back(value.cells[i]);
                }
            }
            table.rows.push_back(std::move(row));
            previous = &value;
        }
        return table;
    }

    void table(const Report& sub, DocumentSection& section) {
        const auto& definition = sub.definition();
        std::string select = "SELECT * FROM " + identifier(definition.source) + " WHERE ID_Stahl = 1";
        if (!definition.order.empty()) {
            select += " ORDER BY " + identifier(definition.order);
        }
        const auto rs = m_tables.rows(sub, definition.source, select);
        DocumentTable table;
        for (const auto& column : definition.columns) {
            table.heads.push_back(caption(column.caption));
        }
        for (; !rs->eof(); rs->moveNext()) {
            DocumentRow row;
            for (const auto& column : definition.columns) {
                row.cells.push_back(text(*rs, column.field));
            }
            table.rows.push_back(std::move(row));
        }
        if (!table.rows.empty()) {
            section.blocks.push_back({DocumentBlock::Kind::Table, {}, false, std::move(table)});
        }
    }

    void suppliers(const Report& sub, DocumentSection& section) {
        const auto rs =
            m_tables.rows(sub, "tabFirma", "SELECT * FROM tabFirma WHERE ID_Stahl = 1 ORDER BY LfdNr");
        for (; !rs->eof(); rs->moveNext()) {
            section.blocks.push_back(
                {DocumentBlock::Kind::Heading, splitLines(text(*rs, "Name1")), true, {}});
            const auto name2 = splitLines(text(*rs, "Name2"));
            if (!name2.empty()) {
                section.blocks.push_back({DocumentBlock::Kind::Text, name2, false, {}});
            }
            // Each part a block of its own under its caption, so that the caption goes with it.
            for (const auto& part : sub.definition().parts) {
                const auto partLines = splitLines(text(*rs, part.field));
                if (!flag(part.flag) || partLines.empty()) {
                    continue;
                }
                std::vector<std::string> lines{caption(part.caption) + ":"};
                lines.insert(lines.end(), partLines.begin(), partLines.end());
                section.blocks.push_back({DocumentBlock::Kind::Text, lines, false, {}});
            }
        }
    }

    const Report& m_report;
    PrintTables m_tables;
    std::map<std::string, std::string> m_head;
    std::map<std::string, std::string> m_details;
    RecordsetPtr m_selection;
    RecordsetPtr m_steel;
    ReportDocument m_document;
};

} // namespace

ReportDocument layOutDataSheet(const Report& report, const std::string& printDate) {
    return DataSheetLayout(report, printDate).layOut();
}

} // namespace orvik::objects
