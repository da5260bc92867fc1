#include "datatools/SqlScript.h"

#include "datatools/SqliteConnection.h"
#include "platform/db/sqlite/Error.h"
#include "platform/db/sqlite/Statement.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace datatools {
namespace {

// The offset of the first character after blanks and comments, where the next statement starts.
std::size_t skipBlankAndComments(const std::string& text, std::size_t pos) {
    while (pos < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[pos])) != 0) {
            ++pos;
        } else if (text.compare(pos, 2, "--") == 0) {
            const std::size_t end = text.find('\n', pos);
            pos = end == std::string::npos ? text.size() : end + 1;
        } else if (text.compare(pos, 2, "/*") == 0) {
            const std::size_t end = text.find("*/", pos + 2);
            pos = end == std::string::npos ? text.size() : end + 2;
        } else {
            break;
        }
    }
    return pos;
}

std::string upperWords(const std::string& statement, std::size_t count) {
    std::istringstream in(statement);
    std::string result;
    std::string word;
    for (std::size_t i = 0; i < count && in >> word; ++i) {
        std::transform(word.begin(), word.end(), word.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        result += (i == 0 ? "" : " ") + word;
    }
    return result;
}

} // namespace

SqlScript::SqlScript(const std::filesystem::path& path) : m_name(path.string()) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error(m_name + ": cannot read the file");
    }
    std::ostringstream text;
    text << in.rdbuf();
    m_text = text.str();
}

SqlScript::SqlScript(std::string name, std::string text) : m_name(std::move(name)), m_text(std::move(text)) {}

bool SqlScript::isCreateIndex(const std::string& statement) {
    const std::string head = upperWords(statement, 3);
    return head.rfind("CREATE INDEX", 0) == 0 || head.rfind("CREATE UNIQUE INDEX", 0) == 0;
}

std::vector<std::string> SqlScript::run(SqliteConnection& connection, const Filter& runNow) const {
    std::vector<std::string> refused;
    std::size_t pos = 0;
    std::size_t line = 1;
    std::size_t lineCountedTo = 0;
    while (true) {
        pos = skipBlankAndComments(m_text, pos);
        if (pos >= m_text.size()) {
            break;
        }
        line +=
            static_cast<std::size_t>(std::count(m_text.begin() + static_cast<std::ptrdiff_t>(lineCountedTo),
                                                m_text.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
        lineCountedTo = pos;
        const auto fail = [&](const std::string& message) {
            throw std::runtime_error(m_name + ":" + std::to_string(line) + ": " + message);
        };

        std::string_view rest = std::string_view(m_text).substr(pos);
        try {
            std::optional<platform::db::sqlite::Statement> statement =
                platform::db::sqlite::Statement::prepareNext(connection.native(), rest);
            pos = m_text.size() - rest.size();
            if (!statement) {
                continue; // only semicolons and comments
            }
            if (runNow && !runNow(statement->sql())) {
                refused.push_back(statement->sql());
                continue;
            }
            statement->run();
        } catch (const platform::db::sqlite::Error& e) {
            fail(e.message());
        }
    }
    return refused;
}

} // namespace datatools
