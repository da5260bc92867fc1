#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvik::objects {

/// The logon entries of a report table, by name in the order first set.
class ReportConnectionProperties {
public:
    /// Sets an entry, replacing one of the same name (names compared exactly).
    void Add(std::string_view name, std::string value);
    /// The entry's value; empty when there is none.
    [[nodiscard]] std::string Item(std::string_view name) const;
    [[nodiscard]] bool Exists(std::string_view name) const;
    [[nodiscard]] std::int32_t Count() const noexcept { return static_cast<std::int32_t>(m_entries.size()); }
    void DeleteAll() noexcept { m_entries.clear(); }

private:
    std::vector<std::pair<std::string, std::string>> m_entries;
};

/// One print table a report reads: where it lies and how to log on to it. Owned by its report.
class ReportTable {
public:
    explicit ReportTable(std::string name) : m_name(std::move(name)) {}

    /// The table's name in the print database.
    [[nodiscard]] const std::string& Name() const noexcept { return m_name; }
    [[nodiscard]] ReportConnectionProperties& ConnectionProperties() noexcept { return m_properties; }
    [[nodiscard]] const ReportConnectionProperties& ConnectionProperties() const noexcept {
        return m_properties;
    }

    /// The data driver the table is read through.
    std::string DllName;
    /// The database file the table is read from.
    std::string Location;

private:
    std::string m_name;
    ReportConnectionProperties m_properties;
};

} // namespace orvik::objects
