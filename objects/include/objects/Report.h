#pragma once

#include "objects/ReportDocument.h"
#include "objects/ReportTable.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::objects {

/// The tables of one report or sub-report, numbered from 1.
class ReportDatabase {
public:
    [[nodiscard]] std::int32_t TablesCount() const noexcept {
        return static_cast<std::int32_t>(m_tables.size());
    }
    /// Throws platform::CallError 9 outside 1 .. TablesCount.
    [[nodiscard]] ReportTable& Tables(std::int32_t index);
    [[nodiscard]] const ReportTable* find(std::string_view name) const;

    /// Library-internal.
    void add(std::string name) { m_tables.push_back(std::make_shared<ReportTable>(std::move(name))); }

private:
    std::vector<std::shared_ptr<ReportTable>> m_tables;
};

/// The data-sheet report opened from a report file: its tables, its sub-reports by name, and the
/// layout of the data sheet from the rows of the print database its tables point at. The caller
/// owns it; sub-reports live as long as their report.
class Report {
public:
    struct Definition;

    explicit Report(std::shared_ptr<const Definition> definition);
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    [[nodiscard]] const std::string& Name() const;
    [[nodiscard]] ReportDatabase& Database() noexcept { return m_database; }
    [[nodiscard]] const ReportDatabase& Database() const noexcept { return m_database; }
    /// The sub-report of that name (exactly as in the file), the same object each time; throws
    /// platform::CallError 5 when the report has none of that name.
    [[nodiscard]] std::shared_ptr<Report> OpenSubreport(std::string_view name);

    /// Lays out the data sheet from the print database. `printDate` stands in the page foot.
    /// Throws platform::CallError when a table cannot be read (not pointed at a print database, a
    /// missing file or table).
    [[nodiscard]] ReportDocument Document(const std::string& printDate) const;
    /// Document(printDate) as plain text.
    [[nodiscard]] std::string Text(const std::string& printDate) const;

    /// Library-internal: the report's definition.
    [[nodiscard]] const Definition& definition() const noexcept { return *m_definition; }
    [[nodiscard]] const Report* subreport(std::string_view name) const;

private:
    std::shared_ptr<const Definition> m_definition;
    ReportDatabase m_database;
    std::map<std::string, std::shared_ptr<Report>, std::less<>> m_subreports;
};

/// The report component's application object: opens report files.
class ReportApplication {
public:
    /// Opens the report file; `openMethod` is accepted for the callers' sake (1: by value).
    /// Throws platform::CallError 53 for a missing file, 5 for one that is not a report file.
    [[nodiscard]] std::shared_ptr<Report> OpenReport(const std::string& path,
                                                     std::int32_t openMethod = 1) const;
};

} // namespace orvik::objects
