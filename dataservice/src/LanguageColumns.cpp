#include "dataservice/LanguageColumns.h"

#include "platform/CallError.h"

namespace orvik::dataservice {

LanguageColumns::LanguageColumns(std::string_view stem) {
    const std::string base(stem);
    m_columns = {base + "_D", base + "_F", base + "_E", base + "_E", std::string()};
}

const std::string& LanguageColumns::column(std::int32_t lang) const {
    if (lang < 0 || lang >= static_cast<std::int32_t>(m_columns.size())) {
        throw platform::CallError(platform::err::SubscriptOutOfRange, "OrvikServiceVers5",
                                  "Subscript out of range: language " + std::to_string(lang));
    }
    const auto& name = m_columns[static_cast<std::size_t>(lang)];
    if (name.empty()) {
        throw platform::CallError(platform::err::InvalidProcedureCall, "OrvikServiceVers5",
                                  "No text column for language " + std::to_string(lang));
    }
    return name;
}

} // namespace orvik::dataservice
