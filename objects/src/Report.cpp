#include "objects/Report.h"

#include "ReportDefinition.h"
#include "platform/CallError.h"

#include <filesystem>
#include <pugixml.hpp>

namespace orvik::objects {

namespace {

constexpr const char* Source = "Report";

std::string attribute(const pugi::xml_node& node, const char* name) {
    return node.attribute(name).value();
}

void readTables(const pugi::xml_node& node, Report::Definition& definition) {
    for (const auto& table : node.child("Tables").children("Table")) {
        definition.tables.push_back(attribute(table, "name"));
    }
}

std::vector<ReportColumn> readColumns(const pugi::xml_node& node, const char* element) {
    std::vector<ReportColumn> columns;
    for (const auto& column : node.children(element)) {
        columns.push_back(
            {attribute(column, "field"), attribute(column, "caption"), attribute(column, "flag")});
    }
    return columns;
}

std::shared_ptr<const Report::Definition> readSubreport(const pugi::xml_node& node) {
    auto definition = std::make_shared<Report::Definition>();
    definition->name = attribute(node, "name");
    definition->layout = attribute(node, "layout");
    definition->flag = attribute(node, "flag");
    definition->caption = attribute(node, "caption");
    definition->source = attribute(node, "source");
    definition->order = attribute(node, "order");
    definition->at = attribute(node, "at");
    readTables(node, *definition);
    definition->columns = readColumns(node, "Column");
    definition->parts = readColumns(node, "Part");
    return definition;
}

std::vector<ReportBodyEntry> readBody(const pugi::xml_node& body) {
    std::vector<ReportBodyEntry> entries;
    for (const auto& node : body.children()) {
        ReportBodyEntry entry;
        const std::string element = node.name();
        if (element == "Identification") {
            entry.kind = ReportBodyEntry::Kind::Identification;
            entry.ref = attribute(node, "symbols");
        } else if (element == "SubReport") {
            entry.kind = ReportBodyEntry::Kind::SubReport;
            entry.ref = attribute(node, "ref");
        } else if (element == "Text") {
            entry.kind = ReportBodyEntry::Kind::Text;
            entry.flag = attribute(node, "flag");
            entry.caption = attribute(node, "caption");
            entry.field = attribute(node, "field");
        } else {
            continue;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::shared_ptr<const Report::Definition> readReportFile(const std::string& path) {
    if (!std::filesystem::is_regular_file(path)) {
        throw platform::CallError(platform::err::FileNotFound, Source,
                                  "The report file " + path + " is missing");
    }
    pugi::xml_document document;
    const auto parsed = document.load_file(path.c_str());
    const auto root = document.child("Report");
    if (!parsed || !root) {
        throw platform::CallError(
            platform::err::InvalidProcedureCall, Source,
            "The file " + path + " is no report file: " +
                (parsed ? std::string("it has no Report element") : parsed.description()));
    }
    auto definition = std::make_shared<Report::Definition>();
    definition->name = attribute(root, "name");
    readTables(root, *definition);
    const auto head = root.child("PageHead");
    definition->headTitle = attribute(head, "title");
    definition->headMaterial = attribute(head, "material");
    definition->headCountry = attribute(head, "country");
    const auto foot = root.child("PageFoot");
    definition->footPage = attribute(foot, "page");
    definition->footOf = attribute(foot, "of");
    definition->footDate = attribute(foot, "date");
    definition->body = readBody(root.child("Body"));
    for (const auto& node : root.children("SubReport")) {
        definition->subreports.push_back(readSubreport(node));
    }
    return definition;
}

} // namespace

ReportTable& ReportDatabase::Tables(std::int32_t index) {
    if (index < 1 || index > TablesCount()) {
        throw platform::err::error(platform::err::SubscriptOutOfRange, Source);
    }
    return *m_tables[static_cast<std::size_t>(index - 1)];
}

const ReportTable* ReportDatabase::find(std::string_view name) const {
    for (const auto& table : m_tables) {
        if (table->Name() == name) {
            return table.get();
        }
    }
    return nullptr;
}

Report::Report(std::shared_ptr<const Definition> definition) : m_definition(std::move(definition)) {
    for (const auto& table : m_definition->tables) {
        m_database.add(table);
    }
    for (const auto& sub : m_definition->subreports) {
        m_subreports.emplace(sub->name, std::make_shared<Report>(sub));
    }
}

Report::~Report() = default;

const std::string& Report::Name() const {
    return m_definition->name;
}

std::shared_ptr<Report> Report::OpenSubreport(std::string_view name) {
    const auto it = m_subreports.find(name);
    if (it == m_subreports.end()) {
        throw platform::CallError(platform::err::InvalidProcedureCall, Source,
                                  "The report " + Name() + " has no sub-report " + std::string(name));
    }
    return it->second;
}

const Report* Report::subreport(std::string_view name) const {
    const auto it = m_subreports.find(name);
    return it == m_subreports.end() ? nullptr : it->second.get();
}

ReportDocument Report::Document(const std::string& printDate) const {
    return layOutDataSheet(*this, printDate);
}

std::string Report::Text(const std::string& printDate) const {
    return Document(printDate).Text();
}

std::shared_ptr<Report> ReportApplication::OpenReport(const std::string& path,
                                                      std::int32_t /*openMethod*/) const {
    return std::make_shared<Report>(readReportFile(path));
}

} // namespace orvik::objects
