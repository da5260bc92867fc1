#include "objects/ReportTable.h"

#include <algorithm>

namespace orvik::objects {

void ReportConnectionProperties::Add(std::string_view name, std::string value) {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [name](const auto& entry) { return entry.first == name; });
    if (it != m_entries.end()) {
        it->second = std::move(value);
        return;
    }
    m_entries.emplace_back(std::string(name), std::move(value));
}

std::string ReportConnectionProperties::Item(std::string_view name) const {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [name](const auto& entry) { return entry.first == name; });
    return it == m_entries.end() ? std::string() : it->second;
}

bool ReportConnectionProperties::Exists(std::string_view name) const {
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [name](const auto& entry) { return entry.first == name; });
}

} // namespace orvik::objects
